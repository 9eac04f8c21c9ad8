// The GEDCOM commands below their dialogs: a whole family-tree file into a
// document, a whole document into a family-tree file. As with CSV, messages
// go through the document's host and the caller shows the report.
#pragma once

#include "interchange/CGedcomWriter.h"
#include "interchange/ProgressCallback.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

class CGedcomReader;
class CVitachronDoc;

// How the people read get their categories: one for the file (named after
// it), one per surname, or one per sex.
enum class GedcomGrouping { File, Surname, Sex };

struct CGedcomImportOptions {
    GedcomGrouping grouping = GedcomGrouping::File;
    bool kazoe = false;
    int currentYear = 0;  // 0: the local clock's
};

struct CGedcomImportResult {
    bool read = false;       // false: the file could not be read and nothing was added
    std::size_t added = 0;
    std::string reportText;  // what was not used, a line each with CR LF; empty when all was
    bool cancelled = false;  // stopped through progress: nothing was added
};

class CGedcomTransfer {
public:
    static constexpr std::uint64_t kProgressScale = 1000;
    // By surname, this many of the most frequent surnames get a category
    // each; the people of all others share one. A category list of
    // thousands helps nobody.
    static constexpr std::size_t kMaxSurnameCategories = 60;

    static CGedcomImportResult Import(CVitachronDoc& doc, const std::filesystem::path& file,
                                      const CGedcomImportOptions& options, const ProgressCallback& progress = {});
    // The people of a reader that has read a file, into the document;
    // fileCategory names the category of GedcomGrouping::File.
    static CGedcomImportResult AddPeople(CVitachronDoc& doc, CGedcomReader& reader, const std::string& fileCategory,
                                         const CGedcomImportOptions& options, const ProgressCallback& progress = {});

    // Every person in stored order. The document is not changed.
    static bool Export(const CVitachronDoc& doc, const std::filesystem::path& file, CGedcomWriter::Version version,
                       const ProgressCallback& progress = {});
    static std::string ExportText(const CVitachronDoc& doc, CGedcomWriter::Version version);

    // The document's path with the extension "ged"; empty for a document never saved.
    static std::filesystem::path ProposedPath(const std::filesystem::path& documentPath);

};
