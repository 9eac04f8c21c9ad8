// Load, save, sort and search times of the core on generated documents of
// 100,000 and 1,000,000 people, wall and CPU seconds (the machine is shared:
// CPU time is the steadier figure), each beside its target. Prints figures;
// asserts nothing.
//   core_bench [--quick] [--keep DIR]
//     --quick: 10,000 and 100,000 people
//     --keep: the saved documents stay in DIR (core-<count>.vtc), so that
//             another build's output can be compared byte for byte
//   core_bench --resave IN OUT: loads IN, saves it to OUT, with the times
#include "BenchPeople.h"

#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace {

double CpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Wall and CPU seconds of one step.
struct CTimer {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double cpu = CpuSeconds();
    double Wall() const { return SecondsSince(wall); }
    double Cpu() const { return CpuSeconds() - cpu; }
};

const char* const kOrderNames[] = {"none", "name", "name reversed", "birth earliest", "birth latest",
                                   "death earliest", "death latest"};

void Run(std::size_t count, const std::filesystem::path& keepDir) {
    CNullDocHost host;
    CMemoryProfile profile;
    double before = 0;
    double peak = 0;
    ReadMemory(before, peak);
    CVitachronDoc doc(host, profile, {});
    auto start = std::chrono::steady_clock::now();
    FillDocument(doc, count);
    const double fill = SecondsSince(start);
    doc.Sort();
    double after = 0;
    ReadMemory(after, peak);
    std::printf("\n%zu people (generated in %.2f s), memory %.0f MB for the people\n", count, fill, after - before);

    const auto file = (keepDir.empty() ? std::filesystem::temp_directory_path() : keepDir) /
                      ("core-" + std::to_string(count) + ".vtc");
    CTimer t;
    doc.SaveFile(file);
    const double save = t.Wall();
    const double saveCpu = t.Cpu();
    t = CTimer();
    const std::size_t fileBytes = doc.SaveToBytes().size();  // not kept: not part of the peak
    const double serialise = t.Wall();
    const double serialiseCpu = t.Cpu();
    CVitachronDoc loaded(host, profile, {});
    t = CTimer();
    loaded.OpenFile(file);
    const double load = t.Wall();
    const double loadCpu = t.Cpu();
    const bool big = count >= 1000000;
    std::printf("  file %.1f MB, %zu people read back\n", static_cast<double>(fileBytes) / 1e6,
                loaded.People().size());
    std::printf("  %-22s %8s %8s   %s\n", "", "wall s", "cpu s", "target");
    std::printf("  %-22s %8.3f %8.3f   %s\n", "load from file", load, loadCpu, big ? "< 0.35" : "-");
    std::printf("  %-22s %8.3f %8.3f   %s\n", "save to memory", serialise, serialiseCpu, big ? "< 0.35" : "-");
    std::printf("  %-22s %8.3f %8.3f   %s (disk %.3f s)\n", "save to file", save, saveCpu,
                big ? "< 0.35 + disk" : "-", std::max(0.0, save - serialise));
    if (keepDir.empty()) {
        std::filesystem::remove(file);
    }
    ReadMemory(after, peak);
    std::printf("  peak resident memory with both documents %.0f MB\n", peak);

    for (int order = 0; order <= 6; ++order) {
        for (const bool group : {false, true}) {
            doc.Settings().sortOrder = order;
            doc.Settings().groupByCategory = group;
            start = std::chrono::steady_clock::now();
            doc.Sort();
            std::printf("  sort %-15s %-9s %.3f s\n", kOrderNames[order], group ? "grouped" : "", SecondsSince(start));
        }
    }

    doc.SetCurrentIndex(-1);
    start = std::chrono::steady_clock::now();
    const int miss = doc.FindNext("見つからない名前");
    const double findAll = SecondsSince(start);
    start = std::chrono::steady_clock::now();
    int found = 0;
    doc.SetCurrentIndex(-1);
    for (int row = doc.FindNext("田中山"); row >= 0 && found < 1000; row = doc.FindNext("田中山")) {
        doc.SetCurrentIndex(row);
        ++found;
    }
    std::printf("  FindNext across the whole list %.3f s (result %d); 1000 successive matches %.3f s (%d found)\n",
                findAll, miss, SecondsSince(start), found);
    ReadMemory(after, peak);
    std::printf("  peak resident memory %.0f MB\n", peak);
}

int Resave(const char* in, const char* out) {
    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc(host, profile, {});
    CTimer t;
    doc.OpenFile(in);
    std::printf("load %s: %.3f s wall, %.3f s cpu, %zu people\n", in, t.Wall(), t.Cpu(), doc.People().size());
    t = CTimer();
    doc.SaveFile(out);
    std::printf("save %s: %.3f s wall, %.3f s cpu\n", out, t.Wall(), t.Cpu());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--resave") == 0) {
        return Resave(argv[2], argv[3]);
    }
    bool quick = false;
    std::filesystem::path keepDir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            quick = true;
        } else if (std::strcmp(argv[i], "--keep") == 0 && i + 1 < argc) {
            keepDir = argv[++i];
            std::filesystem::create_directories(keepDir);
        }
    }
    Run(quick ? 10000 : 100000, keepDir);
    Run(quick ? 100000 : 1000000, keepDir);
    return 0;
}
