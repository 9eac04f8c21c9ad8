#include "interchange/CCsvTransfer.h"

#include "interchange/CImportCSV.h"
#include "interchange/FormatText.h"
#include "model/CDocHost.h"
#include "model/CFileError.h"
#include "model/CUtf8.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"

#include <memory>

namespace {

constexpr const char* kFieldNames[] = {Str::kFieldBirth,    Str::kFieldDeath,    Str::kFieldName,
                                       Str::kFieldReading, Str::kFieldCategory, Str::kFieldComment};

// At most this many line numbers are listed in one message.
constexpr std::size_t kListedLines = 10;

std::string LineList(const std::vector<std::size_t>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < kListedLines; ++i) {
        text += (i > 0 ? "、" : "") + std::to_string(lines[i]);
    }
    if (lines.size() > kListedLines) {
        text += "…";
    }
    return text;
}

}  // namespace

CCsvImportResult CCsvTransfer::Import(CVitachronDoc& doc, const std::filesystem::path& file, bool kazoe) {
    CImportCSV csv(file);
    if (!csv.Read()) {
        doc.Host().ShowMessage(csv.FailureText(), CDocHost::MessageKind::Error);
        return {};
    }
    return ImportLines(doc, csv, kazoe);
}

CCsvImportResult CCsvTransfer::ImportLines(CVitachronDoc& doc, CImportCSV& csv, bool kazoe) {
    CCsvImportResult result;
    result.read = true;
    if (!csv.UndecodableLines().empty()) {
        const char* encoding =
            csv.FileEncoding() == CImportCSV::Encoding::Utf8 ? Str::kEncodingUtf8 : Str::kEncodingCp932;
        doc.Host().ShowMessage(FormatText(Str::kCsvUndecodable, {LineList(csv.UndecodableLines()), encoding}),
                               CDocHost::MessageKind::Warning);
    }
    for (std::size_t i = 0; i < csv.LineCount(); ++i) {
        auto person = std::make_unique<CPerson>();
        if (!person->FromCsvFields(csv.Line(i))) {
            csv.RecordRejected(i);
            continue;
        }
        if (!doc.AssignImportedCategory(*person, static_cast<int>(i))) {
            continue;  // no category could be made: dropped without a word, as the line itself was fine
        }
        if (kazoe) {
            person->kazoe = true;
        }
        doc.AppendPerson(std::move(person));
        ++result.added;
    }
    doc.Refresh();
    result.rejected = csv.RejectedLines();
    csv.RejectedText(result.rejectedText);
    return result;
}

bool CCsvTransfer::ExportBytes(const CVitachronDoc& doc, CExportCSV& out) {
    const auto& people = doc.People();
    for (std::size_t i = 0; i < people.size(); ++i) {
        CLineCSV line;
        people[i]->ToCsvFields(line);
        CExportCSV::EncodeFailure failure;
        if (!out.WriteLine(line, &failure)) {
            std::string character;
            if (failure.character <= 0x10FFFF) {
                CUtf8::Append(character, failure.character);
            }
            const char* field = failure.field < std::size(kFieldNames) ? kFieldNames[failure.field] : "";
            doc.Host().ShowMessage(FormatText(Str::kUnencodableChar, {PersonLabel(people[i]->name, i + 1), field,
                                                                      character, CodePointText(failure.character)}) +
                                       "\n" + Str::kCsvNotWritten,
                                   CDocHost::MessageKind::Error);
            return false;
        }
    }
    return true;
}

bool CCsvTransfer::Export(const CVitachronDoc& doc, const std::filesystem::path& file, CsvEncoding encoding) {
    CExportCSV out(file, encoding);
    if (!ExportBytes(doc, out)) {
        return false;
    }
    try {
        out.Commit();
    } catch (const CFileError&) {
        doc.Host().ShowMessage(Str::kFileWriteFailed, CDocHost::MessageKind::Error);
        return false;
    }
    return true;
}

std::filesystem::path CCsvTransfer::ProposedPath(const std::filesystem::path& documentPath) {
    if (documentPath.empty()) {
        return {};
    }
    // Only the file name's extension: a dot in a folder name is not one, and
    // a name without any gets "csv" added rather than becoming the document itself.
    std::filesystem::path path = documentPath;
    return path.replace_extension("csv");
}
