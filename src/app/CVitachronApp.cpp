#include "app/CVitachronApp.h"

#include "app/CAppIcon.h"
#include "app/CMainFrame.h"
#include "app/CScreenshot.h"
#include "app/CVitachronDocManager.h"
#include "app/CVitachronDocTemplate.h"
#include "app/CWxDocument.h"
#include "dialogs/CWxColorChooser.h"
#include "dialogs/CWxFileChooser.h"
#include "dialogs/CWxFontChooser.h"
#include "model/ProfileKeys.h"
#include "platform/CDesktopIntegration.h"
#include "platform/CProgramPaths.h"
#include "platform/CWxConfigProfile.h"
#include "res/Strings.h"
#include "view/WxConvert.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/stdpaths.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <cstdio>

namespace PK = ProfileKeys;

namespace {

// Long enough for the first paint of every pane under a display server
// without a window manager.
constexpr int kScreenshotDelayMs = 1500;

}  // namespace

CVitachronApp::CVitachronApp() = default;
CVitachronApp::~CVitachronApp() = default;

void CVitachronApp::ParseCommandLine() {
    for (int i = 1; i < argc; ++i) {
        const wxString arg = argv[i];
        if (arg == "--screenshot" && i + 1 < argc) {
            screenshotFile_ = argv[++i];
        } else if (!arg.StartsWith("--") && documentArg_.empty()) {
            documentArg_ = arg;
        }
    }
}

bool CVitachronApp::OnInit() {
    ParseCommandLine();
    SetAppName(ToWx(Str::kAppName));
    SetVendorName(ToWx(Str::kVendorName));
    wxInitAllImageHandlers();

    // The profile: under the vendor and program names; on Linux an XDG
    // config file, whose folder must exist before the first write.
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    wxFileName::Mkdir(wxStandardPaths::Get().GetUserConfigDir(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    wxConfigBase::Set(new wxConfig(ToWx(Str::kAppName), ToWx(Str::kVendorName)));
    profile_ = std::make_unique<CWxConfigProfile>(*wxConfigBase::Get());
    fileChooser_ = std::make_unique<CWxFileChooser>();
    colorChooser_ = std::make_unique<CWxColorChooser>();
    fontChooser_ = std::make_unique<CWxFontChooser>();
    services_.profile = profile_.get();
    services_.fileChooser = fileChooser_.get();
    services_.colorChooser = colorChooser_.get();
    services_.fontChooser = fontChooser_.get();
    services_.sharedCategoryFile = CProgramPaths::SharedCategoryFile();
    services_.helpIndex = CProgramPaths::HelpIndex();
    services_.openUrl = [](const wxString& url) { return wxLaunchDefaultBrowser(url); };

    // Four recent files, then the one template.
    manager_ = std::make_unique<CVitachronDocManager>(services_);
    manager_->LoadRecentFiles();
    new CVitachronDocTemplate(manager_.get());  // the manager owns its templates

    CMainFrame* frame = CMainFrame::Create(*manager_);
    SetTopWindow(frame);

    // No argument: a new document; a file: open it; a file that cannot be
    // opened gets its message and the program starts with a new document.
    if (manager_->StartWith(documentArg_) == nullptr) {
        frame->Destroy();
        return false;
    }

    CDesktopIntegration::Register(FromWx(wxStandardPaths::Get().GetExecutablePath()), CAppIcon::LargestPng());

    frame->Show();
    frame->Update();
    if (CWxDocument* first = manager_->Document()) {
        first->Core().Settings().yearOnly = frame->YearOnly();
        first->UpdateAllViews();
    }
    newBrowser_ = DetectNewBrowser();
    ReadBrowserWarning();

    if (!screenshotFile_.empty()) {
        CallAfter([this] {
            auto* timer = new wxTimer;
            timer->Bind(wxEVT_TIMER, [this, timer](wxTimerEvent&) {
                delete timer;
                TakeScreenshotAndExit();
            });
            timer->StartOnce(kScreenshotDelayMs);
        });
    }
    return true;
}

void CVitachronApp::TakeScreenshotAndExit() {
    wxWindow* frame = GetTopWindow();
    if (frame != nullptr) {
        frame->Update();
        if (!CScreenshot::Save(frame, screenshotFile_)) {
            std::fprintf(stderr, "vitachron: cannot save the screenshot %s\n", FromWx(screenshotFile_).c_str());
        }
        frame->Close();
    }
}

int CVitachronApp::OnExit() {
    if (manager_) {
        manager_->SaveRecentFiles();
    }
    manager_.reset();
    profile_.reset();
    return wxApp::OnExit();  // also deletes the wxConfig
}

void CVitachronApp::ReadBrowserWarning() { warnOldBrowser_ = profile_->GetInt(PK::kMessage, PK::kMessageIE, 1) == 1; }

void CVitachronApp::DisableBrowserWarning() {
    profile_->WriteInt(PK::kMessage, PK::kMessageIE, 0);
    warnOldBrowser_ = false;
}
