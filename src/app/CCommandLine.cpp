#include "app/CCommandLine.h"

#include "model/FormatText.h"
#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

#include "VitachronBuild.h"

#include <wx/cmdline.h>
#include <wx/msgout.h>

#include <cstdio>
#include <memory>

namespace {

void Print(std::FILE* stream, const wxString& text) {
    std::fputs(text.utf8_str(), stream);
    if (!text.EndsWith("\n")) {
        std::fputc('\n', stream);
    }
}

}  // namespace

std::variant<CCommandLine, int> CCommandLine::Parse(int argc, char** argv) {
    wxCmdLineParser parser(argc, argv);
    return Read(parser);
}

std::variant<CCommandLine, int> CCommandLine::Parse(int argc, wchar_t** argv) {
    wxCmdLineParser parser(argc, argv);
    return Read(parser);
}

std::variant<CCommandLine, int> CCommandLine::Read(wxCmdLineParser& parser) {
    // The parser reports through the message output, a message box in a
    // program with windows: here the terminal asked.
    std::unique_ptr<wxMessageOutput> previous(wxMessageOutput::Set(new wxMessageOutputStderr));
    // Options start with "-" everywhere; on Windows "/" would also take a
    // document path such as "/data/x.vtc" for an option.
    parser.SetSwitchChars("-");
    parser.EnableLongOptions();
    parser.AddSwitch("h", "help", ToWx(Str::kCmdHelp), wxCMD_LINE_OPTION_HELP);
    parser.AddLongSwitch("version", ToWx(Str::kCmdVersion));
    parser.AddLongSwitch("print", ToWx(Str::kCmdPrint));
    parser.AddLongOption("print-to", ToWx(Str::kCmdPrintTo), wxCMD_LINE_VAL_STRING, wxCMD_LINE_NEEDS_SEPARATOR);
    parser.AddLongOption("screenshot", ToWx(Str::kCmdScreenshot), wxCMD_LINE_VAL_STRING, wxCMD_LINE_NEEDS_SEPARATOR);
    parser.AddParam(ToWx(Str::kCmdDocument), wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);

    const int parsed = parser.Parse(false);
    if (parsed == -1) {  // --help
        Print(stdout, parser.GetUsageString());
        return 0;
    }
    const auto wrong = [&parser](const wxString& why) {
        if (!why.empty()) {
            Print(stderr, why);
        }
        Print(stderr, parser.GetUsageString());
        return 2;
    };
    if (parsed != 0) {
        return wrong({});  // the parser said what was wrong
    }
    if (parser.Found("version")) {
        Print(stdout, ToWx(FormatText(Str::kVersionLine, {Build::kVersion})));
        return 0;
    }
    CCommandLine line;
    if (parser.GetParamCount() > 0) {
        line.document = parser.GetParam(0);
    }
    parser.Found("screenshot", &line.screenshotFile);
    const bool toPrinter = parser.Found("print");
    const bool toPdf = parser.Found("print-to", &line.printTarget);
    if (toPrinter && toPdf) {
        return wrong(ToWx(Str::kCmdOnePrintMode));
    }
    line.printMode = toPdf ? PrintMode::Pdf : toPrinter ? PrintMode::Printer : PrintMode::None;
    if (line.printMode != PrintMode::None && line.document.empty()) {
        return wrong(ToWx(Str::kCmdPrintNeedsDocument));
    }
    return line;
}
