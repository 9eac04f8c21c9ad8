// The application object: sets up the profile, the document manager with
// its template and recent files, the main window and the first document,
// in the order the program has always started in.
#pragma once

#include "app/CAppServices.h"

#include <wx/app.h>

#include <memory>

class CColorChooser;
class CFileChooser;
class CFontChooser;
class CProfile;
class CVitachronDocManager;

class CVitachronApp : public wxApp {
public:
    CVitachronApp();
    ~CVitachronApp() override;

    bool OnInit() override;
    int OnExit() override;

    // The web browser flags of the HTML links. The version probe arrives
    // with the links; until then no browser counts as new.
    bool NewBrowser() const { return newBrowser_; }
    bool WarnOldBrowser() const { return warnOldBrowser_; }
    static bool DetectNewBrowser() { return false; }
    void ReadBrowserWarning();
    void DisableBrowserWarning();

private:
    // Command line: [--screenshot FILE.png] [FILE.vtc]
    void ParseCommandLine();
    void TakeScreenshotAndExit();

    std::unique_ptr<CProfile> profile_;
    std::unique_ptr<CFileChooser> fileChooser_;
    std::unique_ptr<CColorChooser> colorChooser_;
    std::unique_ptr<CFontChooser> fontChooser_;
    CAppServices services_;
    std::unique_ptr<CVitachronDocManager> manager_;
    wxString documentArg_;
    wxString screenshotFile_;
    bool newBrowser_ = false;
    bool warnOldBrowser_ = true;
};
