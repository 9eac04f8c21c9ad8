// Load, save, sort and search times of the core on generated documents of
// 100,000 and 1,000,000 people. Prints figures; asserts nothing.
//   core_bench [--quick]   (--quick: 10,000 and 100,000 people)
#include "BenchPeople.h"

#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

const char* const kOrderNames[] = {"none", "name", "name reversed", "birth earliest", "birth latest",
                                   "death earliest", "death latest"};

void Run(std::size_t count) {
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

    const auto file = std::filesystem::temp_directory_path() / "vitachron-core-bench.vtc";
    start = std::chrono::steady_clock::now();
    doc.SaveFile(file);
    const double save = SecondsSince(start);
    start = std::chrono::steady_clock::now();
    const std::string bytes = doc.SaveToBytes();
    const double serialise = SecondsSince(start);
    CVitachronDoc loaded(host, profile, {});
    start = std::chrono::steady_clock::now();
    loaded.OpenFile(file);
    const double load = SecondsSince(start);
    std::printf("  save %.3f s (to memory %.3f s), load %.3f s, file %.1f MB\n", save, serialise, load,
                static_cast<double>(bytes.size()) / 1e6);
    std::filesystem::remove(file);

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

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    Run(quick ? 10000 : 100000);
    Run(quick ? 100000 : 1000000);
    return 0;
}
