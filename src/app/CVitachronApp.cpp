#include "app/CVitachronApp.h"

#include "app/CMainFrame.h"
#include "app/COpenDialogs.h"
#include "app/CScreenshot.h"
#include "app/CVitachronDocManager.h"
#include "app/CVitachronDocTemplate.h"
#include "app/CWxDocument.h"
#include "links/CBrowserSupport.h"
#include "model/CFileError.h"
#include "model/CFormatError.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "model/FormatText.h"
#include "model/ProfileKeys.h"
#ifndef _WIN32
#include "platform/CDesktopIntegration.h"
#endif
#include "platform/CProfileFile.h"
#include "platform/CProgramPaths.h"
#include "platform/CWxConfigProfile.h"
#include "res/Strings.h"
#include "view/CPdfPrinter.h"
#include "view/CScrollCanvas.h"
#include "view/CTimelinePrintout.h"
#include "view/CVitachronView.h"
#include "wxsupport/CLogFontConverter.h"
#include "wxsupport/CWxColorChooser.h"
#include "wxsupport/CWxFileChooser.h"
#include "wxsupport/CWxFontChooser.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"
#include "model/Utf8Path.h"

#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/print.h>
#include <wx/stdpaths.h>
#include <wx/timer.h>
#include <wx/utils.h>
#ifdef _WIN32
#include <wx/msw/regconf.h>
#endif

#include <cstdio>

namespace PK = ProfileKeys;

namespace {

// A screenshot run whose window never paints still ends, this much later.
constexpr int kScreenshotLimitMs = 30000;
#ifdef _WIN32
constexpr int kScreenUpToDateMs = 1000;
#endif

}  // namespace

CVitachronApp::CVitachronApp() = default;
CVitachronApp::~CVitachronApp() = default;

wxString CVitachronApp::OpenProfile() {
#ifdef _WIN32
    // Where Windows programs keep theirs: the registry, under
    // HKEY_CURRENT_USER\Software\<vendor>\<program>, with the same groups
    // and keys as the file elsewhere.
    wxConfigBase::Set(std::make_unique<wxRegConfig>(ToWx(Str::kAppName), ToWx(Str::kVendorName)).release());
    auto profile = std::make_unique<CWxConfigProfile>(*wxConfigBase::Get());
    profile->OnWriteFailed([this] {
        const wxString text = ToWx(FormatText(Str::kMsgProfileWriteFailed, {Str::kProfileRegistryKey}));
        CallAfter([this, text] { Report(text); });
    });
    profile_ = std::move(profile);
    return {};
#else
    // Under the vendor and program names; on Linux an XDG config file, whose
    // folder must exist before the first write.
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    {
        // A folder that cannot be made leaves a profile that cannot be
        // opened, and that says so in the program's own words.
        wxLogNull quiet;
        wxFileName::Mkdir(wxStandardPaths::Get().GetUserConfigDir(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    }
    const wxFileName file = wxFileConfig::GetLocalFile(ToWx(Str::kAppName));
    const std::filesystem::path path = ToPath(file.GetFullPath());
    CProfileFile::Opened opened = CProfileFile::Open(path, Str::kAppName, Str::kVendorName);
    wxConfigBase::Set(opened.config.release());  // the toolkit owns it
    auto profile = std::make_unique<CWxConfigProfile>(*wxConfigBase::Get());
    profile->OnWriteFailed([this, path] {
        const wxString text = ToWx(FormatText(Str::kMsgProfileWriteFailed, {Utf8FromPath(path)}));
        CallAfter([this, text] { Report(text); });
    });
    profile_ = std::move(profile);
    switch (opened.problem) {
        case CProfileFile::Problem::Damaged:
            if (!opened.keptAs.empty()) {
                return ToWx(FormatText(Str::kMsgProfileDamaged, {Utf8FromPath(path), Utf8FromPath(opened.keptAs)}));
            }
            [[fallthrough]];
        case CProfileFile::Problem::NotAFile: return ToWx(FormatText(Str::kMsgProfileUnusable, {Utf8FromPath(path)}));
        case CProfileFile::Problem::None: break;
    }
    return {};
#endif
}

void CVitachronApp::Report(const wxString& message) {
    if (commandLine_.printMode != PrintMode::None || GetTopWindow() == nullptr) {
        std::fprintf(stderr, "vitachron: %s\n", FromWx(message).c_str());
    } else {
        ShowMessageBox(message, wxOK | wxICON_EXCLAMATION, GetTopWindow());
    }
}

bool CVitachronApp::OnInit() {
    SetAppName(ToWx(Str::kAppName));
    SetVendorName(ToWx(Str::kVendorName));
#ifdef NDEBUG
    // A failed check inside the toolkit goes to the terminal: its dialog
    // speaks to developers, in English, and asks them whether to stop.
    wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                          const wxString& msg) {
        std::fprintf(stderr, "vitachron: %s:%d: %s: %s %s\n", FromWx(file).c_str(), line, FromWx(func).c_str(),
                     FromWx(cond).c_str(), FromWx(msg).c_str());
    });
#endif
    wxInitAllImageHandlers();
    CProgramPaths::UseInstallPrefix();

    const wxString profileProblem = OpenProfile();
    fileChooser_ = std::make_unique<CWxFileChooser>();
    colorChooser_ = std::make_unique<CWxColorChooser>();
    fontChooser_ = std::make_unique<CWxFontChooser>();
    services_.profile = profile_.get();
    services_.fileChooser = fileChooser_.get();
    services_.colorChooser = colorChooser_.get();
    services_.fontChooser = fontChooser_.get();
    services_.sharedCategoryFile = CProgramPaths::SharedCategoryFile();
    services_.helpIndex = CProgramPaths::HelpIndex();
    services_.openUrl = &CVitachronApp::OpenInBrowser;
    browser_ = std::make_unique<CBrowserSupport>(*profile_);
    services_.browser = browser_.get();

    // Four recent files, then the one template.
    manager_ = std::make_unique<CVitachronDocManager>(services_);
    manager_->LoadRecentFiles();
    new CVitachronDocTemplate(manager_.get());  // the manager owns its templates

    if (commandLine_.printMode != PrintMode::None) {
        if (!profileProblem.empty()) {
            Report(profileProblem);
        }
        PrintAndQuit();
        return true;
    }

    CMainFrame* frame = CMainFrame::Create(*manager_);
    SetTopWindow(frame);

    // No argument: a new document; a file: open it; a file that cannot be
    // opened gets its message and the program starts with a new document.
    if (manager_->StartWith(commandLine_.document) == nullptr) {
        frame->Destroy();
        return false;
    }

    // An installed program is known to the desktop through its package; one
    // run from its build tree makes itself known, for development.
#ifndef _WIN32
    if (!CProgramPaths::IsInstalled()) {
        CDesktopIntegration::Register(FromWx(wxStandardPaths::Get().GetExecutablePath()), CProgramPaths::DataDir());
    }
#endif

    frame->Show();
    frame->Update();
    if (CWxDocument* first = manager_->Document()) {
        // Year-only is the program's own choice, shown in every document.
        first->Core().Settings().yearOnly = frame->YearOnly();
        first->Core().NotifyChanged(CDocChange::Settings);
    }
    browser_->Start();

    // Over the window, once it is shown.
    if (!profileProblem.empty()) {
        CallAfter([this, profileProblem] { Report(profileProblem); });
    }
    // Watching for the picture starts after the start's own message has
    // begun to run: a dialog that is cancelled before it runs never ends,
    // and the window would be closed under it.
    if (!commandLine_.screenshotFile.empty()) {
        CallAfter([this, frame] { ScreenshotOncePainted(*frame); });
    }
    return true;
}

void CVitachronApp::ScreenshotOncePainted(CMainFrame& frame) {
    screenshotPanes_ = {frame.NameCanvas(), frame.TimelineCanvas()};
    for (wxWindow* pane : screenshotPanes_) {
        pane->Bind(wxEVT_PAINT, [this, pane](wxPaintEvent& event) {
            paintedPanes_.insert(pane);
            event.Skip();
        });
        pane->Refresh();  // a pane that painted before we watched paints again
    }
    Bind(wxEVT_IDLE, &CVitachronApp::OnScreenshotIdle, this);
    screenshotLimit_ = std::make_unique<wxTimer>();
    screenshotLimit_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { TakeScreenshotAndExit(); });
    screenshotLimit_->StartOnce(kScreenshotLimitMs);
}

void CVitachronApp::OnScreenshotIdle(wxIdleEvent& event) {
    event.Skip();
    // Idle after every pane with room to paint in has painted: what it
    // painted is on the screen.
    for (const wxWindow* pane : screenshotPanes_) {
        const wxSize size = pane->GetClientSize();
        if (!pane->IsShownOnScreen() || (size.x > 0 && size.y > 0 && paintedPanes_.count(pane) == 0)) {
            return;
        }
    }
    CallAfter([this] { TakeScreenshotAndExit(); });
}

void CVitachronApp::TakeScreenshotAndExit() {
    if (screenshotTaken_) {
        return;
    }
    screenshotTaken_ = true;
    Unbind(wxEVT_IDLE, &CVitachronApp::OnScreenshotIdle, this);
    if (screenshotLimit_) {
        screenshotLimit_->Stop();
    }
    EndScreenshotRun(0);
}

void CVitachronApp::EndScreenshotRun(int attempt) {
    // A dialog may open another as it closes (a message after a cancelled
    // question): cancel again until none is left, within reason.
    // The next attempt waits a little: a dialog's own loop ends only once
    // control returns to it, which calls queued one after another never do.
    constexpr int kMaxAttempts = 20;
    constexpr int kAttemptGapMs = 50;
    if (attempt >= 0 && COpenDialogs::CancelAll() > 0 && attempt < kMaxAttempts) {
        screenshotRetry_ = std::make_unique<wxTimer>();
        screenshotRetry_->Bind(wxEVT_TIMER, [this, attempt](wxTimerEvent&) { EndScreenshotRun(attempt + 1); });
        screenshotRetry_->StartOnce(kAttemptGapMs);
        return;
    }
    wxWindow* frame = GetTopWindow();
    if (frame == nullptr) {
        return;
    }
    frame->Refresh();  // where a dialog stood
    frame->Update();
#ifdef _WIN32
    // The picture comes from the screen, which a window system may bring up
    // to date a little after the window painted (Wine does): it is taken a
    // moment later, once.
    if (attempt >= 0) {
        screenshotRetry_ = std::make_unique<wxTimer>();
        screenshotRetry_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { EndScreenshotRun(-1); });
        screenshotRetry_->StartOnce(kScreenUpToDateMs);
        return;
    }
#endif
    if (!CScreenshot::Save(frame, commandLine_.screenshotFile)) {
        std::fprintf(stderr, "vitachron: cannot save the screenshot %s\n",
                     FromWx(commandLine_.screenshotFile).c_str());
    }
    // A run for a picture saves nothing and asks nothing.
    for (wxDocument* doc : manager_->GetDocumentsVector()) {
        doc->Modify(false);
    }
    for (wxWindow* window : wxTopLevelWindows) {
        if (window != frame) {
            window->Close(true);
        }
    }
    frame->Close(true);
}

int CVitachronApp::OnExit() {
    if (manager_) {
        manager_->SaveRecentFiles();
    }
    manager_.reset();
    profile_.reset();
    {
        // Its last write was reported, if it failed, when it happened.
        wxLogNull quiet;
        std::unique_ptr<wxConfigBase>(wxConfigBase::Set(nullptr));
    }
    return wxApp::OnExit();
}

bool CVitachronApp::OpenInBrowser(const wxString& url) {
    wxLogNull quiet;
    return wxLaunchDefaultBrowser(url);
}

int CVitachronApp::OnRun() { return commandLine_.printMode != PrintMode::None ? exitCode_ : wxApp::OnRun(); }

void CVitachronApp::PrintAndQuit() {
    const auto fail = [this](const std::string& text) {
        std::fprintf(stderr, "vitachron: %s\n", text.c_str());
        exitCode_ = 1;
    };
    const wxString path = wxFileName(commandLine_.document).GetAbsolutePath();
    // Checked here, where the answer goes to the terminal: opening it in
    // the window would show its message in a box nobody sees.
    try {
        CNullDocHost quiet;
        CVitachronDoc probe(quiet, *profile_, services_.sharedCategoryFile);
        probe.OpenFile(ToPath(path));
    } catch (const CFormatError&) {
        fail(FormatText(Str::kMsgOpenDamaged, {FromWx(path)}));
        return;
    } catch (const CFileError& e) {
        fail(FormatText(Str::kMsgOpenFailedBecause, {FromWx(path), e.Reason()}));
        return;
    }

    CMainFrame* frame = CMainFrame::Create(*manager_);
    SetTopWindow(frame);
    // Laid out as it would be shown, so the name column is the list's width.
    frame->SendSizeEvent();
    CWxDocument* doc = dynamic_cast<CWxDocument*>(manager_->CreateDocument(path, wxDOC_SILENT));
    CVitachronView* view = doc != nullptr ? doc->TimelineView() : nullptr;
    if (view == nullptr) {
        fail(FormatText(Str::kMsgOpenUnreadable, {FromWx(path)}));
    } else {
        doc->Core().Settings().yearOnly = frame->YearOnly();
        std::unique_ptr<CTimelinePrintout> printout = view->CreatePrintout();
        printout->onProblem = [](CTimelinePrintout::Problem problem) {
            const char* text = problem == CTimelinePrintout::Problem::RowsDoNotFit ? Str::kMsgPrintRowsDoNotFit
                                                                                    : Str::kMsgPrintTooManyPages;
            std::fprintf(stderr, "vitachron: %s\n",
                         FormatText(text, {std::to_string(CPrintLayout::kMaxPages)}).c_str());
        };
        const wxPrintData& settings = manager_->GetPageSetupDialogData().GetPrintData();
        if (commandLine_.printMode == PrintMode::Pdf) {
            std::string error;
            const std::filesystem::path target = ToPath(wxFileName(commandLine_.printTarget).GetAbsolutePath());
            if (!CPdfPrinter::Print(*printout, target, CPdfPrinter::PaperOf(settings),
                                    static_cast<int>(CLogFontConverter::ScreenDpi()), error)) {
                fail(FromWx(commandLine_.printTarget) + ": " + error);
            }
        } else {
            std::string error;
            if (!CPdfPrinter::PrintToDefaultPrinter(*printout, CPdfPrinter::PaperOf(settings),
                                                    static_cast<int>(CLogFontConverter::ScreenDpi()),
                                                    FromWx(doc->GetUserReadableName()), error)) {
                fail(std::string(Str::kMsgPrintFailed) + " (" + error + ")");
            }
        }
        doc->Modify(false);
    }
    manager_->CloseDocuments(true);
    frame->Destroy();
}
