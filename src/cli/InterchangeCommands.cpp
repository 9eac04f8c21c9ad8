// import-csv, export-csv, import-lby and export-lby: the interchange commands
// of the tool. Messages the program would show in a box go to standard error
// through the console host; the last line of standard output sums up.
#include "cli/CConsoleDocHost.h"
#include "cli/Commands.h"
#include "interchange/CBasePointYearTransfer.h"
#include "interchange/CCsvTransfer.h"
#include "model/CFileError.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "model/Utf8Path.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace {

int Usage(const char* text) {
    std::cerr << "usage: vitachron-cli " << text << '\n';
    return 2;
}

// Positional arguments, and the values of the options that take one.
struct ParsedArgs {
    std::vector<std::string> plain;
    std::optional<std::string> into;
    std::optional<std::string> rows;
    bool kazoe = false;
    bool utf8 = false;
    bool bad = false;
};

ParsedArgs Parse(const CliArgs& args, std::initializer_list<std::string_view> allowed) {
    ParsedArgs p;
    const auto allows = [&](std::string_view option) {
        return std::find(allowed.begin(), allowed.end(), option) != allowed.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            p.plain.push_back(a);
        } else if (!allows(a)) {
            p.bad = true;
        } else if (a == "--kazoe") {
            p.kazoe = true;
        } else if (a == "--utf8") {
            p.utf8 = true;
        } else if (i + 1 >= args.size()) {
            p.bad = true;
        } else if (a == "--into") {
            p.into = args[++i];
        } else if (a == "--rows") {
            p.rows = args[++i];
        }
    }
    return p;
}

// A new document, or the one named by --into.
std::optional<CVitachronDoc> StartingDocument(const ParsedArgs& args, CDocHost& host, CProfile& profile) {
    if (args.into) {
        return OpenDocument(*args.into, host, profile);
    }
    return CVitachronDoc(host, profile, SharedCategoryFile());
}

bool Save(const CVitachronDoc& doc, const std::string& path) {
    try {
        doc.SaveFile(PathFromUtf8(path));
        return true;
    } catch (const CFileError& e) {
        std::cerr << e.what() << '\n';
        return false;
    }
}

// "2,0,5" as ascending distinct indices below count; none when malformed.
std::optional<std::vector<std::size_t>> ParseRows(const std::string& text, std::size_t count) {
    std::vector<std::size_t> rows;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t comma = std::min(text.find(',', pos), text.size());
        const std::string item = text.substr(pos, comma - pos);
        if (item.empty() || item.size() > 9 || item.find_first_not_of("0123456789") != std::string::npos) {
            return std::nullopt;
        }
        const std::size_t row = std::stoul(item);
        if (row >= count) {
            return std::nullopt;
        }
        rows.push_back(row);
        pos = comma + 1;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace

int CmdImportCsv(const CliArgs& args) {
    const ParsedArgs a = Parse(args, {"--into", "--kazoe"});
    if (a.bad || a.plain.size() != 2) {
        return Usage("import-csv IN.csv OUT.vtc [--into DOC.vtc] [--kazoe]");
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    auto doc = StartingDocument(a, host, profile);
    if (!doc) {
        return 1;
    }
    const CCsvImportResult result = CCsvTransfer::Import(*doc, PathFromUtf8(a.plain[0]), a.kazoe);
    if (!result.read) {
        return 1;
    }
    // Exactly what the rejection dialog lists.
    std::cerr << result.rejectedText << std::flush;
    if (!Save(*doc, a.plain[1])) {
        return 1;
    }
    std::cout << "added " << result.added << ", rejected " << result.rejected.size() << '\n';
    return 0;
}

int CmdExportCsv(const CliArgs& args) {
    const ParsedArgs a = Parse(args, {"--utf8"});
    if (a.bad || a.plain.size() != 2) {
        return Usage("export-csv IN.vtc OUT.csv [--utf8]");
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    auto doc = OpenDocument(a.plain[0], host, profile);
    if (!doc) {
        return 1;
    }
    if (!CCsvTransfer::Export(*doc, PathFromUtf8(a.plain[1]), a.utf8 ? CsvEncoding::Utf8WithBom : CsvEncoding::Cp932)) {
        return 1;
    }
    std::cout << "exported " << doc->People().size() << '\n';
    return 0;
}

int CmdImportLby(const CliArgs& args) {
    const ParsedArgs a = Parse(args, {"--into"});
    if (a.bad || a.plain.size() < 2) {
        return Usage("import-lby OUT.vtc FILE.lby... [--into DOC.vtc]");
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    auto doc = StartingDocument(a, host, profile);
    if (!doc) {
        return 1;
    }
    std::vector<std::filesystem::path> files;
    for (auto it = a.plain.begin() + 1; it != a.plain.end(); ++it) {
        files.push_back(PathFromUtf8(*it));
    }
    const CBasePointYearImportResult result = CBasePointYearTransfer::Import(*doc, files);
    if (!Save(*doc, a.plain[0])) {
        return 1;
    }
    std::cout << "added " << result.added << ", failed " << result.failed << '\n';
    return 0;
}

int CmdExportLby(const CliArgs& args) {
    const ParsedArgs a = Parse(args, {"--rows"});
    if (a.bad || a.plain.size() != 2) {
        return Usage("export-lby IN.vtc DIR [--rows i,j,...]");
    }
    CConsoleDocHost host;
    CMemoryProfile profile;
    auto doc = OpenDocument(a.plain[0], host, profile);
    if (!doc) {
        return 1;
    }
    const auto& people = doc->People();
    std::vector<std::size_t> rows;
    if (a.rows) {
        auto parsed = ParseRows(*a.rows, people.size());
        if (!parsed) {
            std::cerr << "vitachron-cli: --rows wants row numbers below " << people.size()
                      << " (stored order, the first is 0), separated by commas\n";
            return 2;
        }
        rows = std::move(*parsed);
    } else {
        for (std::size_t i = 0; i < people.size(); ++i) {
            rows.push_back(i);
        }
    }
    std::vector<const CPerson*> chosen;
    for (const std::size_t row : rows) {
        chosen.push_back(people[row].get());
    }
    const auto targets = CBasePointYearTransfer::ProposeTargets(chosen, PathFromUtf8(a.plain[1]));
    const CBasePointYearExportResult result = CBasePointYearTransfer::Export(host, targets);
    std::cout << "written " << result.written << ", failed " << result.failed << '\n';
    return result.failed == 0 ? 0 : 1;
}
