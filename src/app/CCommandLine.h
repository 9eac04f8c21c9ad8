// The program's command line, read by wxCmdLineParser before the toolkit
// opens a window, so that --help, --version and wrong arguments answer on
// the terminal even where there is no display:
//   vitachron [--screenshot OUT.png] [--print | --print-to OUT.pdf] [FILE.vtc]
#pragma once

#include <wx/string.h>

#include <variant>

class wxCmdLineParser;

class wxCmdLineParser;

class CCommandLine {
public:
    enum class PrintMode { None, Printer, Pdf };

    wxString document;
    wxString screenshotFile;
    PrintMode printMode = PrintMode::None;
    wxString printTarget;

    // The arguments to run with, or the exit status after --help and
    // --version (0) or wrong arguments (2, with the message and the usage on
    // standard error). The toolkit's texts must be set up before: its
    // messages are the parser's.
    static std::variant<CCommandLine, int> Parse(int argc, char** argv);
    // Windows: the arguments as the system has them, in UTF-16.
    static std::variant<CCommandLine, int> Parse(int argc, wchar_t** argv);

private:
    static std::variant<CCommandLine, int> Read(wxCmdLineParser& parser);
};
