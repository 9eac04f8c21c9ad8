// The CSV commands below their dialogs: a whole file into a document, a
// whole document into a file. Messages go through the document's host; the
// caller shows the rejected lines, as only it knows how.
#pragma once

#include "interchange/CExportCSV.h"

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
};

class CCsvTransfer {
public:
    // Appends one person per line (each through FromCsvFields and the
    // document's category lookup, with kazoe set when asked), then refreshes
    // the document. A file that cannot be read adds nothing and changes nothing.
    static CCsvImportResult Import(CVitachronDoc& doc, const std::filesystem::path& file, bool kazoe);
    // The same for a file already read.
    static CCsvImportResult ImportLines(CVitachronDoc& doc, CImportCSV& csv, bool kazoe);

    // Every person in stored order. Text the encoding cannot hold stops the
    // export before anything is written, with a message naming the person
    // and the column. The document is not changed.
    static bool Export(const CVitachronDoc& doc, const std::filesystem::path& file, CsvEncoding encoding);
    // The whole file as Export would write it; false with the message raised.
    static bool ExportBytes(const CVitachronDoc& doc, CExportCSV& out);

    // The name the save dialog proposes: the document's path with the
    // extension "csv"; empty for a document never saved.
    static std::filesystem::path ProposedPath(const std::filesystem::path& documentPath);
};
