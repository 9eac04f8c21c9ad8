// Any bytes handed to the CSV reader either read or fail with a reason;
// nothing else may happen. Reading in small pieces must give what reading in
// one piece gives, the lines written back as text must read as the same
// lines, and importing and exporting the people must not go wrong.
#include "interchange/CCsvTransfer.h"
#include "interchange/CExportCSV.h"
#include "interchange/CImportCSV.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    CImportCSV whole("fuzz.csv");
    const bool ok = whole.ReadBytes(bytes);
    CImportCSV pieces("fuzz.csv");
    const std::size_t pieceSize = size > 0 ? data[size - 1] % 7 + 1 : 1;
    if (pieces.ReadBytes(bytes, pieceSize) != ok || pieces.FailureKind() != whole.FailureKind() ||
        pieces.FailureLine() != whole.FailureLine() || pieces.Lines() != whole.Lines() ||
        pieces.UndecodableLines() != whole.UndecodableLines()) {
        std::abort();
    }
    if (!ok) {
        return 0;
    }

    std::string text = "\xEF\xBB\xBF";
    for (const CLineCSV& line : whole.Lines()) {
        text += line.ToText();
        text += "\r\n";
    }
    CImportCSV again("again.csv");
    if (!again.ReadBytes(text) || again.Lines() != whole.Lines()) {
        std::abort();
    }

    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc(host, profile, {});
    const CCsvImportResult result = CCsvTransfer::ImportLines(doc, whole, (size & 1) != 0);
    if (result.added + result.rejected.size() != whole.LineCount() || doc.People().size() != result.added) {
        std::abort();
    }
    CExportCSV out("unused.csv", CsvEncoding::Utf8WithBom);
    if (!CCsvTransfer::ExportBytes(doc, out)) {
        std::abort();  // UTF-8 holds everything
    }
    CExportCSV cp932("unused.csv", CsvEncoding::Cp932);
    CCsvTransfer::ExportBytes(doc, cp932);
    return 0;
}
