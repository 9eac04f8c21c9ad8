// Times a GEDCOM import of 1,000,000 INDI records (target: under 2 s) and
// the export of the people read, and measures what hostile files cost: a
// 1 GB CONC chain and ten million records, fed to the reader as a file
// would be, with the growth of the process's peak memory. Asserts nothing.
//   gedcom_bench [RUNS]
#include "interchange/CGedcomReader.h"
#include "interchange/CGedcomTransfer.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kPeople = 1000000;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Processor time of this process: less disturbed by other load on the machine.
double CpuSeconds(std::clock_t since) { return static_cast<double>(std::clock() - since) / CLOCKS_PER_SEC; }

long PeakKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A tree as genealogy programs write them: names, sex, dated and placed
// events, some qualified, family links.
std::string Tree() {
    std::string text = "0 HEAD\n1 SOUR TREE\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int i = 1; i <= kPeople; ++i) {
        const int year = 1600 + i % 400;
        const std::string n = std::to_string(i);
        text += "0 @I" + n + "@ INDI\n1 NAME Given" + n + " /Surname" + std::to_string(i % 5000) + "/\n1 SEX " +
                (i % 2 ? "M" : "F") + "\n1 BIRT\n2 DATE " + (i % 7 == 0 ? "ABT " : std::to_string(1 + i % 28) + " ") +
                months[i % 12] + " " + std::to_string(year) + "\n2 PLAC Town" + std::to_string(i % 300) +
                "\n1 DEAT\n2 DATE " + std::to_string(year + 20 + i % 60) + "\n1 FAMC @F" + std::to_string(i / 3) +
                "@\n";
    }
    return text + "0 TRLR\n";
}

// Feeds count pieces of piece after the header, as a file read in buffers would come.
void Feed(CGedcomReader& reader, const std::string& start, const std::string& piece, std::size_t count) {
    reader.Feed("0 HEAD\n1 CHAR UTF-8\n" + start);
    for (std::size_t i = 0; i < count; ++i) {
        reader.Feed(piece);
    }
    reader.Feed("0 TRLR\n");
    reader.Finish();
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    // Hostile input first, while the process is small: what it costs in
    // time and in peak memory beyond the start.
    const long before = PeakKb();
    auto start = std::chrono::steady_clock::now();
    {
        CGedcomReader reader(2026);
        std::string piece;
        while (piece.size() < 1024 * 1024) {
            piece += "2 CONC 0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz\n";
        }
        Feed(reader, "0 @I1@ INDI\n1 NAME A\n1 BIRT\n2 DATE 1900\n1 NOTE x\n", piece, 1024);
        std::printf("1 GB CONC chain                           %6.0f ms  peak memory growth %ld KB   target bounded "
                    "(the %zu-byte text limit)\n",
                    Seconds(start) * 1000, PeakKb() - before, CGedcomReader::Limits{}.maxTextBytes);
    }
    start = std::chrono::steady_clock::now();
    const long before2 = PeakKb();
    {
        CGedcomReader reader(2026);
        std::string piece;
        for (int i = 0; i < 10000; ++i) {
            piece += "0 @F" + std::to_string(i) + "@ FAM\n1 HUSB @I1@\n";
        }
        Feed(reader, "", piece, 1000);
        std::printf("10,000,000 FAM records                    %6.0f ms  peak memory growth %ld KB   target bounded\n",
                    Seconds(start) * 1000, PeakKb() - before2);
    }
    const auto file = std::filesystem::temp_directory_path() / "vitachron-gedcom-bench.ged";
    {
        const std::string text = Tree();
        std::ofstream(file, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
        std::printf("tree: %d INDI records, %.1f MB\n", kPeople, static_cast<double>(text.size()) / 1e6);
    }
    std::vector<double> imports;
    std::vector<double> importsCpu;
    std::vector<double> reads;
    std::vector<double> exports;
    for (int r = 0; r < runs; ++r) {
        CNullDocHost host;
        CMemoryProfile profile;
        CVitachronDoc doc(host, profile, {});
        {
            const std::clock_t cpu = std::clock();
            CGedcomReader reader(2026);
            reader.ReadFile(file);
            reads.push_back(CpuSeconds(cpu));
        }
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpu = std::clock();
        const CGedcomImportResult result = CGedcomTransfer::Import(doc, file, {});
        imports.push_back(Seconds(start));
        importsCpu.push_back(CpuSeconds(cpu));
        if (result.added != static_cast<std::size_t>(kPeople)) {
            std::printf("imported %zu people, not %d\n", result.added, kPeople);
            return 1;
        }
        const auto exportStart = std::chrono::steady_clock::now();
        const std::string out = CGedcomTransfer::ExportText(doc, CGedcomWriter::Version::V551);
        exports.push_back(Seconds(exportStart));
    }
    std::filesystem::remove(file);
    for (auto* v : {&imports, &importsCpu, &reads, &exports}) {
        std::sort(v->begin(), v->end());
    }
    std::printf("import 1,000,000 INDI (file to document)  best %6.0f ms  median %6.0f ms  cpu best %6.0f ms   "
                "target < 2000 ms\n",
                imports.front() * 1000, imports[imports.size() / 2] * 1000, importsCpu.front() * 1000);
    std::printf("  of which reading the file               cpu best %6.0f ms\n", reads.front() * 1000);
    std::printf("export 1,000,000 people (5.5.1 text)      best %6.0f ms  median %6.0f ms\n", exports.front() * 1000,
                exports[exports.size() / 2] * 1000);

    return 0;
}
