// import-gedcom and export-gedcom: family-tree files in and out, with the
// exit statuses of the CSV commands (0 done, 1 failed, 2 misused). What the
// import could not use goes to standard error, as its dialog lists it.
#include "cli/CConsoleDocHost.h"
#include "cli/Commands.h"
#include "interchange/CGedcomTransfer.h"
#include "model/CFileError.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "model/Utf8Path.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace {

constexpr const char* kImportUsage =
    "import-gedcom IN.ged OUT.vtc [--into DOC.vtc] [--group file|surname|sex] [--kazoe]";
constexpr const char* kExportUsage = "export-gedcom IN.vtc OUT.ged [--gedcom7]";

int Usage(const char* text) {
    std::cerr << "usage: vitachron-cli " << text << '\n';
    return 2;
}

}  // namespace

int CmdImportGedcom(const CliArgs& args) {
    std::vector<std::string> plain;
    std::optional<std::string> into;
    CGedcomImportOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--kazoe") {
            options.kazoe = true;
        } else if ((a == "--into" || a == "--group") && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (a == "--into") {
                into = value;
            } else if (value == "file") {
                options.grouping = GedcomGrouping::File;
            } else if (value == "surname") {
                options.grouping = GedcomGrouping::Surname;
            } else if (value == "sex") {
                options.grouping = GedcomGrouping::Sex;
            } else {
                return Usage(kImportUsage);
            }
        } else if (a.rfind("--", 0) == 0) {
            return Usage(kImportUsage);
        } else {
            plain.push_back(a);
        }
    }
    if (plain.size() != 2) {
        return Usage(kImportUsage);
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    std::optional<CVitachronDoc> doc =
        into ? OpenDocument(*into, host, profile) : std::optional<CVitachronDoc>(std::in_place, host, profile,
                                                                                   SharedCategoryFile());
    if (!doc) {
        return 1;
    }
    const CGedcomImportResult result = CGedcomTransfer::Import(*doc, PathFromUtf8(plain[0]), options);
    if (!result.read) {
        return 1;
    }
    std::cerr << result.reportText << std::flush;
    try {
        doc->SaveFile(PathFromUtf8(plain[1]));
    } catch (const CFileError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    const auto reported = std::count(result.reportText.begin(), result.reportText.end(), '\n');
    std::cout << "added " << result.added << ", reported " << reported << '\n';
    return 0;
}

int CmdExportGedcom(const CliArgs& args) {
    std::vector<std::string> plain;
    bool seven = false;
    for (const std::string& a : args) {
        if (a == "--gedcom7") {
            seven = true;
        } else if (a.rfind("--", 0) == 0) {
            return Usage(kExportUsage);
        } else {
            plain.push_back(a);
        }
    }
    if (plain.size() != 2) {
        return Usage(kExportUsage);
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    auto doc = OpenDocument(plain[0], host, profile);
    if (!doc) {
        return 1;
    }
    if (!CGedcomTransfer::Export(*doc, PathFromUtf8(plain[1]), seven ? CGedcomWriter::Version::V70 : CGedcomWriter::Version::V551)) {
        return 1;
    }
    std::cout << "exported " << doc->People().size() << '\n';
    return 0;
}
