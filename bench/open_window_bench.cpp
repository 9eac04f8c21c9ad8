// Starting the window on a document: from the start of a fresh process to
// the timeline's first painted frame, and to the end of the work that goes
// on behind it (the measuring of every row for the scroll extent). Each
// start is its own process (this program run again with --child), so the
// toolkit's start, the reading of the file, the CPU time (the child's
// rusage) and the peak resident memory (its VmHWM) are those of one start.
//   open_window_bench [--runs N] [--dir DIR] [--sizes 100000,1000000]
// The generated documents are written to DIR (kept when it is given, and
// reused when they are there), so another build can be measured on the
// same files. Needs a display (xvfb-run).
#include "BenchPeople.h"

#include "app/CAppServices.h"
#include "app/CMainFrame.h"
#include "app/CToolkitEnvironment.h"
#include "app/CVitachronDocManager.h"
#include "app/CVitachronDocTemplate.h"
#include "app/CWxDocument.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "platform/CFontSetup.h"
#include "view/CScrollCanvas.h"
#include "view/CVitachronView.h"
#include "wxsupport/CWxFileChooser.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double NowSeconds() { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// True once every row has been measured. Builds whose layout measures all
// rows before the first paint have nothing left to do after it.
bool BackgroundDone(CVitachronView* view) {
#if __has_include("layout/CRowMeasures.h")
    return view->MeasuringDone();
#else
    (void)view;
    return true;
#endif
}

// In the child: prints "<first paint> <background done>" as steady-clock
// seconds, the clock the parent started from.
int Child(int argc, char** argv, const char* file) {
    CFontSetup::Load(std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "fonts" / CFontSetup::kConfigFileName);
    wxApp::SetInstance(new BenchApp);
    CToolkitEnvironment::Prepare();
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "open_window_bench: cannot start wx (is DISPLAY set?)\n");
        return 1;
    }
    CMemoryProfile profile;
    CWxFileChooser chooser;
    CAppServices services;
    services.profile = &profile;
    services.fileChooser = &chooser;
    auto manager = std::make_unique<CVitachronDocManager>(services);
    new CVitachronDocTemplate(manager.get());  // the manager owns it
    CMainFrame* frame = CMainFrame::Create(*manager);
    bool painted = false;
    double paintAt = 0;
    frame->TimelineCanvas()->Bind(wxEVT_PAINT, [&](wxPaintEvent& e) {
        if (!painted) {
            painted = true;
            paintAt = NowSeconds();
        }
        e.Skip();
    });
    auto* doc = dynamic_cast<CWxDocument*>(manager->StartWith(wxString::FromUTF8(file)));
    frame->Show();
    const double giveUp = NowSeconds() + 120;
    while (!painted && NowSeconds() < giveUp) {
        wxYield();
        wxMilliSleep(1);
    }
    while (doc != nullptr && !BackgroundDone(doc->TimelineView()) && NowSeconds() < giveUp) {
        wxYield();
        wxMilliSleep(1);
    }
    const double doneAt = NowSeconds();
    // The child's own peak: the rusage of a forked child also counts what
    // the parent held before the exec.
    double current = 0;
    double peak = 0;
    ReadMemory(current, peak);
    std::printf("%.6f %.6f %zu %.1f\n", painted ? paintAt : -1.0, doneAt,
                doc != nullptr ? doc->Core().People().size() : std::size_t{0}, peak);
    std::fflush(stdout);
    // The figures are out; the rest of the tidying up is not measured.
    std::_Exit(0);
}

struct Start {
    double paint = -1;
    double done = -1;
    double cpu = 0;  // user + system seconds of the child
    double peakMb = 0;
    std::size_t people = 0;
};

Start StartOnce(const std::string& self, const std::filesystem::path& file) {
    int out[2];
    if (::pipe(out) != 0) {
        return {};
    }
    const double start = NowSeconds();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::close(out[1]);
        ::execl(self.c_str(), self.c_str(), "--child", file.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    Start r;
    double paintAt = 0;
    double doneAt = 0;
    if (std::sscanf(text.c_str(), "%lf %lf %zu %lf", &paintAt, &doneAt, &r.people, &r.peakMb) == 4 && paintAt > 0) {
        r.paint = paintAt - start;
        r.done = doneAt - start;
    }
    r.cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
            static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return r;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Min(const std::vector<double>& v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

struct Case {
    std::string label;
    std::filesystem::path file;
    double paintTarget;  // seconds
    double memoryTarget;  // MB, 0: none
};

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        return Child(argc, argv, argv[2]);
    }
    int runs = 5;
    std::filesystem::path dir;
    std::vector<std::size_t> sizes = {100000, 1000000};
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--dir") == 0) {
            dir = argv[i + 1];
        } else if (std::strcmp(argv[i], "--sizes") == 0) {
            sizes.clear();
            for (const char* p = argv[i + 1]; *p != '\0';) {
                char* end = nullptr;
                sizes.push_back(std::strtoull(p, &end, 10));
                p = *end == ',' ? end + 1 : end;
            }
        }
    }
    const bool keep = !dir.empty();
    if (!keep) {
        char pattern[] = "/tmp/vitachron-open-window-bench-XXXXXX";
        dir = ::mkdtemp(pattern);
    }
    std::filesystem::create_directories(dir);

    std::vector<Case> cases = {
        {"sample", std::filesystem::path(VITACHRON_SOURCE_DIR) / "data" / "sample.vtc", 0.4, 0}};
    for (const std::size_t n : sizes) {
        const std::filesystem::path file = dir / ("people-" + std::to_string(n) + ".vtc");
        if (!std::filesystem::exists(file)) {
            CNullDocHost host;
            CMemoryProfile profile;
            CVitachronDoc doc(host, profile, {});
            FillDocument(doc, n);
            doc.SaveFile(file);
        }
        cases.push_back({std::to_string(n) + " people", file, n >= 1000000 ? 1.5 : 0.5, n >= 1000000 ? 300.0 : 0});
    }

    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    StartOnce(self, cases.front().file);  // the first start fills the system's caches; not counted
    std::printf("%d starts each; wall seconds from the process start (min / median), CPU seconds of the child "
                "(median), peak resident memory (max)\n",
                runs);
    std::printf("%-16s %21s %9s %21s %9s %10s %12s\n", "document", "first paint min/med", "target",
                "background done", "cpu s", "peak MB", "target MB");
    for (const Case& c : cases) {
        std::vector<double> paint;
        std::vector<double> done;
        std::vector<double> cpu;
        double peak = 0;
        std::size_t people = 0;
        for (int run = 0; run < runs; ++run) {
            const Start s = StartOnce(self, c.file);
            if (s.paint < 0) {
                std::printf("%-16s the window did not paint\n", c.label.c_str());
                continue;
            }
            paint.push_back(s.paint);
            done.push_back(s.done);
            cpu.push_back(s.cpu);
            peak = std::max(peak, s.peakMb);
            people = s.people;
        }
        char target[32] = "-";
        if (c.memoryTarget > 0) {
            std::snprintf(target, sizeof target, "< %.0f", c.memoryTarget);
        }
        std::printf("%-16s %10.3f / %8.3f %7s%.1f %10.3f / %8.3f %9.3f %10.0f %12s   (%zu people)\n",
                    c.label.c_str(), Min(paint), Median(paint), "< ", c.paintTarget, Min(done), Median(done),
                    Median(cpu), peak, target, people);
        std::fflush(stdout);
    }
    if (!keep) {
        std::filesystem::remove_all(dir);
    }
    return 0;
}
