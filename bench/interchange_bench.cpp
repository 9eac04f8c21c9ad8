// Times the interchange operations on fixed generated inputs: importing and
// exporting a 100,000-line CSV file with quoted multi-line comments, and
// writing and reading 1,000 base-point year files. Prints the best and the
// median of several runs; asserts nothing.
//   interchange_bench [RUNS]
#include "BenchCsv.h"
#include "interchange/CBasePointYearTransfer.h"
#include "interchange/CCsvTransfer.h"
#include "interchange/CImportCSV.h"
#include "model/CCp932.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kCsvLines = 100000;
constexpr int kLbyFiles = 1000;

struct Figures {
    double best;
    double median;
    double cpuBest;  // processor time of this process: less disturbed by other load on the machine
};

Figures Time(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> seconds;
    std::vector<double> cpu;
    for (int r = 0; r < runs; ++r) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        work();
        cpu.push_back(static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(cpu.begin(), cpu.end());
    return {seconds.front(), seconds[seconds.size() / 2], cpu.front()};
}

void Print(const char* what, const Figures& f, const char* target) {
    std::printf("%-40s wall best %7.1f ms  median %7.1f ms  cpu best %7.1f ms  %s\n", what, f.best * 1000,
                f.median * 1000, f.cpuBest * 1000, target);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string pattern = (std::filesystem::temp_directory_path() / "vitachron-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path dir = pattern;
    CNullDocHost host;
    CMemoryProfile profile;

    const std::string csv = MakeBenchCsv(kCsvLines);
    const auto csvFile = dir / "people.csv";
    std::ofstream(csvFile, std::ios::binary).write(csv.data(), static_cast<std::streamsize>(csv.size()));
    std::printf("CSV: %d lines, %.1f MB, every third with a quoted three-line comment; %d runs\n", kCsvLines,
                static_cast<double>(csv.size()) / 1e6, runs);

    Print("read and split (CImportCSV::Read)", Time(runs, [] {}, [&] {
              CImportCSV reader(csvFile);
              reader.Read();
          }),
          "");

    std::unique_ptr<CVitachronDoc> doc;
    std::size_t added = 0;
    Print("import into an empty document", Time(runs, [&] { doc = std::make_unique<CVitachronDoc>(host, profile, std::filesystem::path()); }, [&] {
              added = CCsvTransfer::Import(*doc, csvFile, false).added;
          }),
          "(target < 500 ms)");
    if (added != static_cast<std::size_t>(kCsvLines)) {
        std::printf("  unexpected: %zu people imported\n", added);
    }

    const auto outFile = dir / "out.csv";
    Print("export to code page 932", Time(runs, [] {}, [&] { CCsvTransfer::Export(*doc, outFile, CsvEncoding::Cp932); }),
          "(target < 300 ms)");
    Print("export to UTF-8", Time(runs, [] {}, [&] { CCsvTransfer::Export(*doc, outFile, CsvEncoding::Utf8WithBom); }),
          "");

    // 1,000 base-point year files: the first thousand people, one file each.
    std::vector<const CPerson*> chosen;
    for (int i = 0; i < kLbyFiles; ++i) {
        chosen.push_back(doc->People()[static_cast<std::size_t>(i)].get());
    }
    const auto lbyDir = dir / "lby";
    std::filesystem::create_directory(lbyDir);
    const auto targets = CBasePointYearTransfer::ProposeTargets(chosen, lbyDir);
    std::printf("\n.lby: %d files\n", kLbyFiles);
    Print("convert people to files", Time(runs, [] {}, [&] { CBasePointYearTransfer::Export(host, targets); }), "");

    std::vector<std::filesystem::path> files;
    for (const auto& t : targets) {
        files.push_back(t.path);
    }
    std::unique_ptr<CVitachronDoc> lbyDoc;
    Print("import files into an empty document", Time(runs, [&] { lbyDoc = std::make_unique<CVitachronDoc>(host, profile, std::filesystem::path()); }, [&] {
              CBasePointYearTransfer::Import(*lbyDoc, files);
          }),
          "");

    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return 0;
}
