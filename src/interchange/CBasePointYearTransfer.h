// People and base-point year (.lby) records, both ways, and the two file
// loops of the Annalix exchange below their dialogs: many files into a
// document, chosen people into one file each.
//
//   person           record         person -> file          file -> person
//   name             title          copied                  copied
//   birth            spanStart      plain years, 2147483647 set (2147483647:
//                                   when unknown            unknown)
//   death            spanEnd        plain years, 2147483647 set; later than the
//                                   when unknown (living)   current year: unknown
//   kazoe            countFromOne   copied                  copied
//   comment          comment        copied                  copied
#pragma once

#include "interchange/CBasePointYear.h"
#include "interchange/ProgressCallback.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CDocHost;
class CPerson;
class CVitachronDoc;

// One file of a conversion: who goes into it and where.
struct CBasePointYearTarget {
    const CPerson* person = nullptr;
    std::string path;
    // The name holds a path separator, so the proposed path would lead out of
    // the chosen folder (or into another one). The target then fails like a
    // file that cannot be written, until it is given a path of its own.
    bool nameNotFileName = false;

    void SetPath(std::string newPath) {
        path = std::move(newPath);
        nameNotFileName = false;
    }
};

struct CBasePointYearImportResult {
    std::size_t added = 0;
    std::size_t failed = 0;  // files that could not be loaded (each reported)
    bool cancelled = false;  // stopped through the progress callback: nothing was added
};

struct CBasePointYearExportResult {
    std::size_t written = 0;
    std::size_t failed = 0;  // files that could not be written (each reported)
    bool cancelled = false;  // stopped through the progress callback after the files written
};

class CBasePointYearTransfer {
public:
    enum class MapResult { Ok, BirthOutOfRange, DeathOutOfRange };

    // A year with more digits than the file's 32 bits hold cannot be mapped.
    static MapResult ToRecord(const CPerson& person, CBasePointYear& record);
    // The person has no category yet; the import gives it the document's default.
    static std::unique_ptr<CPerson> ToPerson(const CBasePointYear& record, int currentYear);

    // Loads every file in order and appends one person per file that loads;
    // the others have reported themselves and are skipped. The document is
    // refreshed (and so marked modified) also when no file could be read.
    static CBasePointYearImportResult Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files,
                                        int currentYear);
    static CBasePointYearImportResult Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files);
    // The same, telling progress the files done. Every file is read before
    // the first person is added, so a stop asked for by progress leaves the
    // document as it was (no refresh either).
    static CBasePointYearImportResult Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files,
                                        int currentYear, const ProgressCallback& progress);

    // For each person: folder, separator, the name as it stands, ".lby".
    static std::vector<CBasePointYearTarget> ProposeTargets(const std::vector<const CPerson*>& people,
                                                       const std::filesystem::path& folder);
    // Writes each target, an existing file overwritten without asking; a
    // failing file is reported and the next one goes on. Ends with the
    // completion message, also when some files failed.
    static CBasePointYearExportResult Export(CDocHost& messages, const std::vector<CBasePointYearTarget>& targets);
    // The same, telling progress the files done. A stop asked for by progress
    // keeps the files already written and skips the completion message.
    static CBasePointYearExportResult Export(CDocHost& messages, const std::vector<CBasePointYearTarget>& targets,
                                        const ProgressCallback& progress);
};
