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
#include "interchange/FormatText.h"
#include "links/CAnnalixPeerInstaller.h"
#include "links/CBrowserSupport.h"
#include "model/CDocumentFile.h"
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CFormatError.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "view/CLogFontConverter.h"
#include "view/CPdfPrinter.h"
#include "view/CTimelinePrintout.h"
#include "view/CVitachronView.h"
#include "model/ProfileKeys.h"
#include "platform/CDesktopIntegration.h"
#include "platform/CProgramPaths.h"
#include "platform/CWxConfigProfile.h"
#include "res/Strings.h"
#include "view/WxConvert.h"

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/print.h>
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
        } else if (arg == "--print") {
            printMode_ = PrintMode::Printer;
        } else if (arg == "--print-to" && i + 1 < argc) {
            printMode_ = PrintMode::Pdf;
            printTarget_ = argv[++i];
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
    browser_ = std::make_unique<CBrowserSupport>(*profile_);
    services_.browser = browser_.get();

    // Four recent files, then the one template.
    manager_ = std::make_unique<CVitachronDocManager>(services_);
    manager_->LoadRecentFiles();
    new CVitachronDocTemplate(manager_.get());  // the manager owns its templates

    if (printMode_ != PrintMode::None) {
        PrintAndQuit();
        return true;
    }

    CMainFrame* frame = CMainFrame::Create(*manager_);
    SetTopWindow(frame);

    // No argument: a new document; a file: open it; a file that cannot be
    // opened gets its message and the program starts with a new document.
    if (manager_->StartWith(documentArg_) == nullptr) {
        frame->Destroy();
        return false;
    }

    CDesktopIntegration::Register(FromWx(wxStandardPaths::Get().GetExecutablePath()), CAppIcon::LargestPng());
    // The stand-in Annalix beside the program becomes the desktop's program
    // for Annalix documents, unless one is there already.
    const std::filesystem::path peer = CProgramPaths::ExecutableDir() / "annalix-peer";
    std::error_code ec;
    if (std::filesystem::exists(peer, ec)) {
        CAnnalixPeerInstaller::Install(peer);
    }

    frame->Show();
    frame->Update();
    if (CWxDocument* first = manager_->Document()) {
        first->Core().Settings().yearOnly = frame->YearOnly();
        first->UpdateAllViews();
    }
    browser_->Start();

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

bool CVitachronApp::NewBrowser() const { return browser_->NewBrowser(); }
bool CVitachronApp::WarnOldBrowser() const { return browser_->WarnOldBrowser(); }
bool CVitachronApp::DetectNewBrowser() { return CBrowserSupport::DetectNewBrowser(); }
void CVitachronApp::ReadBrowserWarning() { browser_->ReadBrowserWarning(); }
void CVitachronApp::DisableBrowserWarning() { browser_->DisableBrowserWarning(); }

int CVitachronApp::OnRun() { return printMode_ != PrintMode::None ? exitCode_ : wxApp::OnRun(); }

void CVitachronApp::PrintAndQuit() {
    const auto fail = [this](const std::string& text) {
        std::fprintf(stderr, "vitachron: %s\n", text.c_str());
        exitCode_ = 1;
    };
    if (documentArg_.empty()) {
        std::fprintf(stderr, "usage: vitachron --print FILE.vtc | --print-to FILE.pdf FILE.vtc\n");
        exitCode_ = 2;
        return;
    }
    const wxString path = wxFileName(documentArg_).GetAbsolutePath();
    // Checked here, where the answer goes to the terminal: opening it in
    // the window would show its message in a box nobody sees.
    try {
        CNullDocHost quiet;
        CVitachronDoc probe(quiet, *profile_, services_.sharedCategoryFile);
        probe.LoadFromBytes(CFileIO::ReadFile(std::filesystem::path(FromWx(path)), CDocumentFile::kMaxFileBytes));
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
        if (printMode_ == PrintMode::Pdf) {
            std::string error;
            const std::filesystem::path target(FromWx(wxFileName(printTarget_).GetAbsolutePath()));
            if (!CPdfPrinter::Print(*printout, target, CPdfPrinter::PaperOf(settings),
                                    static_cast<int>(CLogFontConverter::ScreenDpi()), error)) {
                fail(FromWx(printTarget_) + ": " + error);
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
