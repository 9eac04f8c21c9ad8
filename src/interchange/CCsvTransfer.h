// The CSV commands below their dialogs: a whole file into a document, a
// whole document into a file. Messages go through the document's host; the
// caller shows the rejected lines, as only it knows how.
#pragma once

#include "interchange/CExportCSV.h"
#include "interchange/ProgressCallback.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

class CImportCSV;
class CVitachronDoc;

struct CCsvImportResult {
    bool read = false;  // false: the file could not be read and nothing was added
    std::size_t added = 0;
    std::vector<std::size_t> rejected;  // indices of the lines that gave no person
    std::string rejectedText;           // those lines as text, CR LF after each
    bool cancelled = false;             // stopped through the progress callback: nothing was added
};

enum class CCsvWriteStatus { Written, Unencodable, Cancelled };

class CCsvTransfer {
public:
    // Appends one person per line (each through FromCsvFields and the
    // document's category lookup, with kazoe set when asked), then refreshes
    // the document. A file that cannot be read adds nothing and changes nothing.
    static CCsvImportResult Import(CVitachronDoc& doc, const std::filesystem::path& file, bool kazoe);
    // The same for a file already read.
    static CCsvImportResult ImportLines(CVitachronDoc& doc, CImportCSV& csv, bool kazoe);
    // Both with progress on one scale of kProgressScale steps, reading the
    // file first, then making the people. Every person is made before the
    // first one is added, so a stop asked for by progress leaves the document
    // as it was (the result says cancelled).
    static constexpr std::uint64_t kProgressScale = 1000;
    static CCsvImportResult Import(CVitachronDoc& doc, const std::filesystem::path& file, bool kazoe,
                                   const ProgressCallback& progress);
    static CCsvImportResult ImportLines(CVitachronDoc& doc, CImportCSV& csv, bool kazoe,
                                        const ProgressCallback& progress);

    // Every person in stored order. Text the encoding cannot hold stops the
    // export before anything is written, with a message naming the person
    // and the column. The document is not changed.
    static bool Export(const CVitachronDoc& doc, const std::filesystem::path& file, CsvEncoding encoding);
    // The whole file as Export would write it; false with the message raised.
    static bool ExportBytes(const CVitachronDoc& doc, CExportCSV& out);
    // Every person's line into out, telling progress the people done. Text
    // the encoding cannot hold gives Unencodable and, in problem, the message
    // naming the person, the column and the character, for the caller to
    // show (perhaps with a choice of another encoding).
    static CCsvWriteStatus WriteLines(const CVitachronDoc& doc, CExportCSV& out, const ProgressCallback& progress,
                                      std::string& problem);

    // The name the save dialog proposes: the document's path with the
    // extension "csv"; empty for a document never saved.
    static std::filesystem::path ProposedPath(const std::filesystem::path& documentPath);
};
