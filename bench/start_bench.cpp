// Starting with a damaged stored window rectangle ([LastPos] of the
// profile). Two figures for each rectangle, beside a sane one:
//   first paint: in this process, the main window built from a profile
//     holding the rectangle, shown, until the timeline's first paint;
//   program: the program itself (the one built beside this bench, or the
//     one named as the first argument) started with --screenshot on a
//     profile holding it, until it has saved the picture and exited, with
//     its exit status. The picture is taken once the window is drawn, so
//     this includes the screenshot's wait and the program's start.
// Target: a window on screen in under a second. Needs a display (xvfb-run).
#include "app/CAppServices.h"
#include "app/CMainFrame.h"
#include "app/CToolkitEnvironment.h"
#include "app/CVitachronDocManager.h"
#include "app/CVitachronDocTemplate.h"
#include "app/CWxDocument.h"
#include "model/CMemoryProfile.h"
#include "model/ProfileKeys.h"
#include "platform/CFontSetup.h"
#include "view/CScrollCanvas.h"
#include "view/CVitachronView.h"
#include "wxsupport/CWxFileChooser.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace PK = ProfileKeys;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

struct Rect {
    const char* name;
    int left, top, right, bottom;
};

// Seconds from building the window to the timeline's first paint; negative
// when it never came within a minute.
double FirstPaint(const Rect& r) {
    CMemoryProfile profile;
    profile.WriteInt(PK::kLastPos, PK::kLastPosLeft, r.left);
    profile.WriteInt(PK::kLastPos, PK::kLastPosTop, r.top);
    profile.WriteInt(PK::kLastPos, PK::kLastPosRight, r.right);
    profile.WriteInt(PK::kLastPos, PK::kLastPosBottom, r.bottom);
    CWxFileChooser chooser;
    CAppServices services;
    services.profile = &profile;
    services.fileChooser = &chooser;
    auto manager = std::make_unique<CVitachronDocManager>(services);
    new CVitachronDocTemplate(manager.get());  // the manager owns it

    const auto start = Clock::now();
    CMainFrame* frame = CMainFrame::Create(*manager);
    auto* doc = dynamic_cast<CWxDocument*>(manager->CreateDocument(wxEmptyString, wxDOC_NEW));
    bool painted = false;
    doc->TimelineView()->Canvas()->Bind(wxEVT_PAINT, [&painted](wxPaintEvent& e) {
        painted = true;
        e.Skip();
    });
    frame->Show();
    while (!painted && Seconds(Clock::now() - start) < 60) {
        wxYield();
        wxMilliSleep(1);
    }
    const double seconds = painted ? Seconds(Clock::now() - start) : -1;
    doc->Modify(false);
    manager->Clear(true);
    frame->Destroy();
    wxYield();
    return seconds;
}

struct Run {
    double seconds;
    int status;
    bool picture;
};

Run StartProgram(const std::string& program, const Rect& r, const std::filesystem::path& dir) {
    const std::filesystem::path config = dir / "config";
    std::filesystem::create_directories(config);
    std::ofstream(config / "Vitachron.conf") << "[LastPos]\nleft=" << r.left << "\ntop=" << r.top
                                              << "\nright=" << r.right << "\nbottom=" << r.bottom << "\n";
    const std::filesystem::path shot = dir / "shot.png";
    std::filesystem::remove(shot);
    const std::string command = "env HOME='" + dir.string() + "' XDG_CONFIG_HOME='" + config.string() +
                                "' XDG_DATA_HOME='" + (dir / "data").string() + "' timeout 300 '" + program +
                                "' --screenshot '" + shot.string() + "' >/dev/null 2>&1";
    const auto start = Clock::now();
    const int raw = std::system(command.c_str());
    return {Seconds(Clock::now() - start), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, std::filesystem::exists(shot)};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : VITACHRON_PROGRAM;
    const Rect rects[] = {
        {"60,40-860,640 (sane)", 60, 40, 860, 640},
        {"0,0-40000,40000", 0, 0, 40000, 40000},
        {"0,0-2147483647,2147483647", 0, 0, 2147483647, 2147483647},
        {"0,0-20000,20000", 0, 0, 20000, 20000},
        {"-30000,-30000-(1000x700)", -30000, -30000, -29000, -29300},
    };
    CFontSetup::Load(std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "fonts" / CFontSetup::kConfigFileName);
    wxApp::SetInstance(new BenchApp);
    CToolkitEnvironment::Prepare();
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "start_bench: cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    char pattern[] = "/tmp/vitachron-start-bench-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(pattern);
    FirstPaint(rects[0]);  // fonts and the toolkit's first-use costs, not counted
    std::printf("program: %s\n", program.c_str());
    std::printf("%-28s %16s %14s %8s %8s\n", "stored rectangle", "first paint s", "program s", "status", "picture");
    for (const Rect& r : rects) {
        const double paint = FirstPaint(r);
        const Run run = StartProgram(program, r, dir);
        std::printf("%-28s %16.3f %14.2f %8d %8s\n", r.name, paint, run.seconds, run.status, run.picture ? "yes" : "no");
        std::fflush(stdout);
    }
    std::filesystem::remove_all(dir);
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
