// One full repaint of the timeline and the name list at the top, the middle
// and the end of documents of 1,000, 100,000 and 1,000,000 people, on a
// 1600x1000 bitmap, once the layout is measured (it is kept between
// paints). Also prints the measuring pass, which runs when the document,
// zoom or fonts change. Needs a display: run under xvfb-run.
#include "layout/CTimelineLayout.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "platform/CFontSetup.h"
#include "view/CNameListPainter.h"
#include "view/CPatternCache.h"
#include "view/CTimelinePainter.h"
#include "view/CViewFonts.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include <chrono>
#include <cstdio>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

const char* const kNames[] = {"徳川家康", "織田信長##尾張", "豊臣秀吉", "Smith, John", "紫式部", "坂本龍馬"};

void Fill(CVitachronDoc& doc, int count) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> birth(600, 1950);
    std::uniform_int_distribution<int> span(10, 90);
    for (int i = 0; i < count; ++i) {
        auto p = std::make_unique<CPerson>();
        p->name = std::string(kNames[i % 6]) + std::to_string(i);
        const int b = birth(rng);
        p->SetBirth(CScaleYear(b, 1));
        if (i % 7 != 0) {
            p->SetDeath(CScaleYear(b + span(rng), 1));
        }
        p->deathUncertain = i % 11 == 0;
        p->comment = i % 3 == 0 ? "補足" : "";
        p->category = doc.CategoryTable().Add(0x102030u * static_cast<unsigned>(i % 5 + 1), "", false);
        doc.AppendPerson(std::move(p));
    }
    doc.Settings().startYear = 550;
    doc.Settings().endYear = 2030;
    doc.Settings().baseYearShown = true;
    doc.Settings().baseYear = 1600;
    doc.Sort();
}

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
    CFontSetup::Load(std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "fonts" / CFontSetup::kConfigFileName);
    wxApp::SetInstance(new BenchApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "paint_bench: cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    {
        constexpr int kWidth = 1600;
        constexpr int kHeight = 1000;
        wxBitmap bitmap(kWidth, kHeight, 24);
        wxMemoryDC dc(bitmap);
        std::printf("%-10s %12s %10s %10s %10s %10s\n", "people", "measure ms", "top ms", "middle ms", "end ms",
                    "names ms");
        for (const int count : {1'000, 100'000, 1'000'000}) {
            CNullDocHost host;
            CMemoryProfile profile;
            CVitachronDoc doc(host, profile, {});
            Fill(doc, count);
            CViewFonts fonts;
            fonts.Recreate(doc.Settings(), 100);
            CPatternCache patterns;

            const auto t0 = Clock::now();
            const CTimelineLayout layout(doc, fonts, 28, CurrentLocalYear());
            const double measure = Ms(Clock::now() - t0);

            const CTimelinePainter painter(doc, layout, fonts, patterns);
            double times[3] = {};
            const std::int64_t limit = std::max<std::int64_t>(0, layout.ContentHeight() - kHeight);
            const std::int64_t positions[3] = {0, limit / 2, limit};
            for (int i = 0; i < 3; ++i) {
                const CPaintArea area{2000, positions[i], kWidth, kHeight};
                painter.PaintScreen(dc, area);  // warm the font and pattern caches
                const auto t = Clock::now();
                constexpr int kRounds = 10;
                for (int r = 0; r < kRounds; ++r) {
                    painter.PaintScreen(dc, area);
                }
                times[i] = Ms(Clock::now() - t) / kRounds;
            }
            const CNameListPainter names(doc, layout, fonts);
            const CPaintArea nameArea{0, limit / 2, 200, kHeight};
            const auto tn = Clock::now();
            for (int r = 0; r < 10; ++r) {
                names.PaintScreen(dc, nameArea, "bench");
            }
            const double nameMs = Ms(Clock::now() - tn) / 10;
            std::printf("%-10d %12.1f %10.2f %10.2f %10.2f %10.2f\n", count, measure, times[0], times[1], times[2],
                        nameMs);
        }
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
