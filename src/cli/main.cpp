// vitachron-cli COMMAND ARGS...: see Usage() for the commands.
#include "cli/Commands.h"
#include "model/CFileIO.h"
#include "platform/CInstallLayout.h"

#include "VitachronBuild.h"

#include <iostream>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "model/CUtf8.h"
#endif

namespace {

using Command = int (*)(const CliArgs&);

const std::map<std::string, Command>& CommandTable() {
    static const std::map<std::string, Command> table = {
        {"dump", CmdDump},
        {"new", CmdNew},
        {"sort", CmdSort},
        {"age", CmdAge},
        {"import-csv", CmdImportCsv},
        {"export-csv", CmdExportCsv},
        {"import-lby", CmdImportLby},
        {"export-lby", CmdExportLby},
        {"import-gedcom", CmdImportGedcom},
        {"export-gedcom", CmdExportGedcom},
        {"render", CmdRender},
    };
    return table;
}

int Usage(std::ostream& out = std::cerr) {
    out << "usage: vitachron-cli COMMAND ARGS...\n"
                 "       vitachron-cli --help | --version\n"
                 "  dump FILE.vtc                          the whole document as JSON\n"
                 "  new FILE.vtc                           write a new document with the initial settings\n"
                 "  sort FILE.vtc ORDER [--group]          names in display order for sort order 0..6\n"
                 "  age BIRTH [DEATH] [--at YEAR] [--kazoe]  the age a person reaches\n"
                 "  import-csv IN.csv OUT.vtc [--into DOC.vtc] [--kazoe]\n"
                 "                                         people of a CSV file into a new document (or DOC)\n"
                 "  export-csv IN.vtc OUT.csv [--utf8]     every person as CSV (code page 932, or UTF-8)\n"
                 "  import-lby OUT.vtc FILE.lby... [--into DOC.vtc]\n"
                 "                                         one person per base-point year file\n"
                 "  export-lby IN.vtc DIR [--rows i,j,...] one base-point year file per person, in DIR\n"
                 "  import-gedcom IN.ged OUT.vtc [--into DOC.vtc] [--group file|surname|sex] [--kazoe]\n"
                 "                                         the people of a family-tree (GEDCOM) file\n"
                 "  export-gedcom IN.vtc OUT.ged [--gedcom7]\n"
                 "                                         every person as GEDCOM 5.5.1 (or 7.0), UTF-8\n"
                 "  render IN.vtc OUT.png|OUT.svg|OUT.pdf [--zoom N]\n"
                 "                                         the whole timeline as a picture (needs a display)\n";
    return 2;
}

}  // namespace

std::filesystem::path SharedCategoryFile() {
    return CInstallLayout::SharedCategoryFile(CInstallLayout::RunningProgramDir(nullptr));
}

namespace {

int Run(const std::vector<std::string>& argv) {
    CFileIO::FailWritesBeyondTheSizeLimit();
    if (argv.size() < 2) {
        return Usage();
    }
    if (const std::string& first = argv[1]; first == "--version") {
        std::cout << "vitachron-cli " << Build::kVersion << '\n';
        return 0;
    } else if (first == "--help" || first == "-h") {
        Usage(std::cout);
        return 0;
    }
    const auto it = CommandTable().find(argv[1]);
    if (it == CommandTable().end()) {
        std::cerr << "vitachron-cli: unknown command " << argv[1] << '\n';
        return Usage();
    }
    const CliArgs args(argv.begin() + 2, argv.end());
    try {
        return it->second(args);
    } catch (const std::exception& e) {
        std::cerr << "vitachron-cli: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace

#ifdef _WIN32
// The arguments as the system has them, UTF-16, so that every file name
// arrives whole (the narrow argv is in the ANSI code page). What the
// commands print (a dump, sorted names, messages) is UTF-8 and the same
// bytes on every platform: no CR before each LF.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        args.push_back(CUtf8::FromUtf16(reinterpret_cast<const char16_t*>(argv[i])));
    }
    return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv, argv + argc)); }
#endif
