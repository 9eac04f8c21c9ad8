// Opening small files made to be slow: a document of 1,000,000 categories,
// 100,000 people each with a colour of their own, a "color.tbl" of 300,000
// lines and a CSV import of 100,000 distinct category names. Each must open
// in under a second. Prints figures beside the target; asserts nothing.
//   hostile_bench
#include "interchange/CCsvTransfer.h"
#include "model/CCp932.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Seconds {
    double wall;
    double cpu;  // this process's own time: what a shared, busy machine does not inflate
};

Seconds SecondsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    step();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

void Report(const char* what, Seconds s, std::size_t categories) {
    std::printf("  %-50s %6.3f s (processor %6.3f s)  target < 1 s: %s; %zu categories\n", what, s.wall, s.cpu,
                s.wall < 1 ? "ok" : (s.cpu < 1 ? "ok in processor time" : "SLOW"), categories);
}

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / "vitachron-hostile-bench";
    fs::create_directories(dir);
    CNullDocHost host;
    CMemoryProfile profile;
    std::printf("Hostile inputs\n");

    {
        // The 5 MB document: a million distinct colours without names.
        CVitachronDoc doc(host, profile, {});
        for (std::uint32_t i = 0; i < 1000000; ++i) {
            doc.CategoryTable().Add(i + 0x01000000, std::string(), false);
        }
        const fs::path file = dir / "categories.vtc";
        doc.SaveFile(file);
        CVitachronDoc opened(host, profile, {});
        const Seconds seconds = SecondsOf([&] { opened.OpenFile(file); });
        std::printf("  document of %.1f MB\n", static_cast<double>(fs::file_size(file)) / 1e6);
        Report("open a document of 1,000,000 categories", seconds, opened.CategoryTable().Size());
    }
    {
        CVitachronDoc doc(host, profile, {});
        for (std::uint32_t i = 0; i < 100000; ++i) {
            auto p = std::make_unique<CPerson>();
            p->name = "人" + std::to_string(i);
            p->SetBirth(CScaleYear(static_cast<std::int32_t>(1000 + i % 1000)));
            p->category = doc.CategoryTable().Add(i, std::string(), false);
            doc.AppendPerson(std::move(p));
        }
        const fs::path file = dir / "colours.vtc";
        doc.SaveFile(file);
        CVitachronDoc opened(host, profile, {});
        const Seconds seconds = SecondsOf([&] { opened.OpenFile(file); });
        Report("open 100,000 people with a colour each", seconds, opened.CategoryTable().Size());
    }
    {
        std::string table;
        for (int i = 0; i < 300000; ++i) {
            table += std::to_string(i) + ",分類" + std::to_string(i) + "\r\n";
        }
        std::string bytes;
        CCp932::Encode(table, bytes);
        const fs::path file = dir / "color.tbl";
        WriteFile(file, bytes);
        std::size_t size = 0;
        // The table is read when the document starts and again at File-New.
        const Seconds seconds = SecondsOf([&] {
            CVitachronDoc doc(host, profile, file);
            doc.OnNewDocument();
            size = doc.CategoryTable().Size();
        });
        Report("start with a color.tbl of 300,000 lines, then File-New", seconds, size);
    }
    {
        std::string csv;
        for (int i = 0; i < 100000; ++i) {
            csv += "1900,1950,名" + std::to_string(i) + ",,分類" + std::to_string(i) + ",\r\n";
        }
        std::string bytes;
        CCp932::Encode(csv, bytes);
        const fs::path file = dir / "categories.csv";
        WriteFile(file, bytes);
        CVitachronDoc doc(host, profile, {});
        std::size_t added = 0;
        const Seconds seconds = SecondsOf([&] { added = CCsvTransfer::Import(doc, file, false).added; });
        std::printf("  %zu people imported\n", added);
        Report("import 100,000 CSV lines of distinct categories", seconds, doc.CategoryTable().Size());
    }
    fs::remove_all(dir);
    return 0;
}
