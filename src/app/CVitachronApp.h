// The application object: sets up the profile, the document manager with
// its template and recent files, the main window and the first document,
// in the order the program has always started in.
#pragma once

#include "app/CAppServices.h"

#include <wx/app.h>

#include <memory>

class CVitachronDocManager;

class CVitachronApp : public wxApp {
public:
    CVitachronApp();
    ~CVitachronApp() override;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

    // The web browser flags of the HTML links, set at start-up.
    CBrowserSupport& Browser() const { return *browser_; }
    bool NewBrowser() const;
    bool WarnOldBrowser() const;
    static bool DetectNewBrowser();
    void ReadBrowserWarning();
    void DisableBrowserWarning();

private:
    enum class PrintMode { None, Printer, Pdf };

    // Command line: [--screenshot FILE.png] [--print | --print-to FILE.pdf] [FILE.vtc]
    void ParseCommandLine();
    void TakeScreenshotAndExit();
    // Prints the document named on the command line without showing the
    // window; the exit status says how it went.
    void PrintAndQuit();

    std::unique_ptr<CProfile> profile_;
    std::unique_ptr<CFileChooser> fileChooser_;
    std::unique_ptr<CColorChooser> colorChooser_;
    std::unique_ptr<CFontChooser> fontChooser_;
    std::unique_ptr<CBrowserSupport> browser_;
    CAppServices services_;
    std::unique_ptr<CVitachronDocManager> manager_;
    wxString documentArg_;
    wxString screenshotFile_;
    PrintMode printMode_ = PrintMode::None;
    wxString printTarget_;
    int exitCode_ = 0;
};
