// The application object: sets up the profile, the document manager with
// its template and recent files, the main window and the first document,
// in that order.
#pragma once

#include "app/CAppServices.h"
#include "app/CCommandLine.h"

#include <wx/app.h>

#include <memory>
#include <set>
#include <vector>

class CMainFrame;
class CVitachronDocManager;
class wxIdleEvent;
class wxTimer;
class wxWindow;

class CVitachronApp : public wxApp {
public:
    CVitachronApp();
    ~CVitachronApp() override;

    // What the command line asked for; read before the toolkit starts.
    void SetCommandLine(const CCommandLine& line) { commandLine_ = line; }

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

    // Opens the address in the desktop's browser; false when none started.
    // The caller tells the user: the toolkit's own English message is kept
    // back.
    static bool OpenInBrowser(const wxString& url);

private:
    using PrintMode = CCommandLine::PrintMode;

    // The user's profile; a file the program cannot use gives the defaults
    // and the message returned (empty when all is well).
    wxString OpenProfile();
    // Tells the user, or the terminal when no window is shown.
    void Report(const wxString& message);
    // A --screenshot run takes its picture once both panes have painted and
    // the program is idle (or after a generous limit, should they never).
    void ScreenshotOncePainted(CMainFrame& frame);
    void OnScreenshotIdle(wxIdleEvent& event);
    void TakeScreenshotAndExit();
    // Ends a --screenshot run: first every dialog still open, then the
    // window, without saving or asking.
    void EndScreenshotRun(int attempt);
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
    CCommandLine commandLine_;
    int exitCode_ = 0;
    std::vector<wxWindow*> screenshotPanes_;
    std::set<const wxWindow*> paintedPanes_;
    std::unique_ptr<wxTimer> screenshotLimit_;
    std::unique_ptr<wxTimer> screenshotRetry_;
    bool screenshotTaken_ = false;
};
