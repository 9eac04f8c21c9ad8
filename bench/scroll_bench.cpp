// Scrolling a 100,000-person document in the program's own window: the
// timeline scrolls down by one page 100 times, each step painted on the
// display (timeline and name list) before the next; then 100 steps of one
// page across and back. Prints the time per step; the target is under 16 ms, one
// frame at 60 Hz. Needs a display: run under xvfb-run.
#include "BenchPeople.h"

#include "app/CAppServices.h"
#include "app/CMainFrame.h"
#include "app/CVitachronDocManager.h"
#include "app/CVitachronDocTemplate.h"
#include "app/CWxDocument.h"
#include "model/CMemoryProfile.h"
#include "platform/CFontSetup.h"
#include "view/CNameView.h"
#include "view/CScrollCanvas.h"
#include "view/CVitachronView.h"
#include "wxsupport/CWxFileChooser.h"

#include <wx/app.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

void Settle() {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

struct Steps {
    double mean = 0;
    double median = 0;
    double worst = 0;
};

// Steps of (dx, dy) pixels, each painted before the next; alternate: every
// other step goes back, for a timeline only a few pages wide.
Steps Scroll(CScrollCanvas& timeline, CScrollCanvas& names, std::int64_t dx, std::int64_t dy, int count,
             bool alternate = false) {
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const std::int64_t sign = alternate && i % 2 == 1 ? -1 : 1;
        const auto start = Clock::now();
        timeline.ScrollBy(sign * dx, sign * dy);
        timeline.Update();
        names.Update();
        times.push_back(Ms(Clock::now() - start));
    }
    Steps s;
    for (const double t : times) {
        s.mean += t / count;
        s.worst = std::max(s.worst, t);
    }
    std::sort(times.begin(), times.end());
    s.median = times[times.size() / 2];
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    CFontSetup::Load(std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "fonts" / CFontSetup::kConfigFileName);
    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "scroll_bench: cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    {
        CMemoryProfile profile;
        CWxFileChooser chooser;
        CAppServices services;
        services.profile = &profile;
        services.fileChooser = &chooser;
        auto manager = std::make_unique<CVitachronDocManager>(services);
        new CVitachronDocTemplate(manager.get());
        CMainFrame* frame = CMainFrame::Create(*manager);
        frame->SetSize(1600, 1000);
        frame->Show();
        auto* doc = dynamic_cast<CWxDocument*>(manager->CreateDocument(wxEmptyString, wxDOC_NEW));
        constexpr std::size_t kPeople = 100'000;
        FillDocument(doc->Core(), kPeople);
        doc->Core().Settings().startYear = 450;
        doc->Core().Settings().endYear = 2050;
        doc->Core().Settings().baseYearShown = true;
        doc->Core().Settings().baseYear = 1600;
        const auto measureStart = Clock::now();
        doc->Core().Refresh();
        doc->TimelineView()->Layout();
        const double measure = Ms(Clock::now() - measureStart);
        Settle();

        CScrollCanvas& timeline = *doc->TimelineView()->Canvas();
        CScrollCanvas& names = *doc->NameView()->Canvas();
        const wxSize client = timeline.GetClientSize();
        std::printf("%zu people, window %dx%d, content %lldx%lld, sort and measure %.0f ms\n", kPeople, client.x,
                    client.y, static_cast<long long>(timeline.ContentWidth()),
                    static_cast<long long>(timeline.ContentHeight()), measure);
        std::printf("%-22s %10s %10s %10s\n", "100 steps of one page", "mean ms", "median ms", "worst ms");
        const Steps down = Scroll(timeline, names, 0, client.y, 100);
        std::printf("%-22s %10.2f %10.2f %10.2f\n", "down", down.mean, down.median, down.worst);
        timeline.ScrollTo(0, timeline.ScrollLimitY() / 2);
        Settle();
        const Steps across = Scroll(timeline, names, client.x, 0, 100, true);
        std::printf("%-22s %10.2f %10.2f %10.2f\n", "across and back", across.mean, across.median, across.worst);
        const Steps up = Scroll(timeline, names, 0, -client.y, 100);
        std::printf("%-22s %10.2f %10.2f %10.2f\n", "up (middle)", up.mean, up.median, up.worst);

        doc->Modify(false);
        manager->Clear(true);
        frame->Destroy();
        Settle();
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
