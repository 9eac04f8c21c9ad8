#include "interchange/CCsvTransfer.h"

#include "interchange/CImportCSV.h"
#include "model/CDocHost.h"
#include "model/CFileError.h"
#include "model/CUtf8.h"
#include "model/CVitachronDoc.h"
#include "model/FormatText.h"
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

// How often the loops over lines tell their progress.
constexpr std::size_t kLinesPerReport = 1024;
// The part of the progress scale that reading the file takes; making the
// people takes the rest.
constexpr std::uint64_t kReadingShare = 700;

// done of total as a step between from and to.
std::uint64_t Scaled(std::uint64_t done, std::uint64_t total, std::uint64_t from, std::uint64_t to) {
    if (total == 0 || done >= total) {
        return to;
    }
    return from + static_cast<std::uint64_t>(static_cast<double>(done) / static_cast<double>(total) *
                                              static_cast<double>(to - from));
}

}  // namespace

CCsvImportResult CCsvTransfer::Import(CVitachronDoc& doc, const std::filesystem::path& file, bool kazoe) {
    return Import(doc, file, kazoe, ProgressCallback{});
}

CCsvImportResult CCsvTransfer::Import(CVitachronDoc& doc, const std::filesystem::path& file, bool kazoe,
                                      const ProgressCallback& progress) {
    CImportCSV csv(file);
    ProgressCallback reading;
    ProgressCallback making;
    if (progress) {
        reading = [&progress](std::uint64_t done, std::uint64_t total) {
            return progress(Scaled(done, total, 0, kReadingShare), kProgressScale);
        };
        making = [&progress](std::uint64_t done, std::uint64_t total) {
            return progress(Scaled(done, total, kReadingShare, kProgressScale), kProgressScale);
        };
    }
    if (!csv.Read(reading)) {
        if (csv.FailureKind() == CImportCSV::Failure::Cancelled) {
            CCsvImportResult result;
            result.cancelled = true;
            return result;
        }
        doc.Host().ShowMessage(csv.FailureText(), CDocHost::MessageKind::Error);
        return {};
    }
    return ImportLines(doc, csv, kazoe, making);
}

CCsvImportResult CCsvTransfer::ImportLines(CVitachronDoc& doc, CImportCSV& csv, bool kazoe) {
    return ImportLines(doc, csv, kazoe, ProgressCallback{});
}

CCsvImportResult CCsvTransfer::ImportLines(CVitachronDoc& doc, CImportCSV& csv, bool kazoe,
                                           const ProgressCallback& progress) {
    CCsvImportResult result;
    result.read = true;
    if (!csv.UndecodableLines().empty()) {
        const char* encoding =
            csv.FileEncoding() == CImportCSV::Encoding::Utf8 ? Str::kEncodingUtf8 : Str::kEncodingCp932;
        doc.Host().ShowMessage(FormatText(Str::kCsvUndecodable, {LineList(csv.UndecodableLines()), encoding}),
                               CDocHost::MessageKind::Warning);
    }
    // Made first, added afterwards: until the last line is through, the
    // user may still stop and find the document untouched.
    const std::size_t count = csv.LineCount();
    std::vector<std::unique_ptr<CPerson>> made(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (progress && i % kLinesPerReport == 0 && !progress(i, count)) {
            result.cancelled = true;
            return result;
        }
        auto person = std::make_unique<CPerson>();
        if (person->FromCsvFields(csv.Line(i))) {
            made[i] = std::move(person);
        }
    }
    if (progress && !progress(count, count)) {
        result.cancelled = true;
        return result;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!made[i]) {
            csv.RecordRejected(i);
            continue;
        }
        if (!doc.AssignImportedCategory(*made[i], static_cast<int>(i))) {
            continue;  // no category could be made: dropped without a word, as the line itself was fine
        }
        if (kazoe) {
            made[i]->kazoe = true;
        }
        doc.AppendPerson(std::move(made[i]));
        ++result.added;
    }
    doc.Refresh();
    result.rejected = csv.RejectedLines();
    csv.RejectedText(result.rejectedText);
    return result;
}

CCsvWriteStatus CCsvTransfer::WriteLines(const CVitachronDoc& doc, CExportCSV& out, const ProgressCallback& progress,
                                         std::string& problem) {
    const auto& people = doc.People();
    for (std::size_t i = 0; i < people.size(); ++i) {
        if (progress && i % kLinesPerReport == 0 && !progress(i, people.size())) {
            return CCsvWriteStatus::Cancelled;
        }
        CLineCSV line;
        people[i]->ToCsvFields(line);
        CExportCSV::EncodeFailure failure;
        if (!out.WriteLine(line, &failure)) {
            std::string character;
            if (failure.character <= 0x10FFFF) {
                CUtf8::Append(character, failure.character);
            }
            const char* field = failure.field < std::size(kFieldNames) ? kFieldNames[failure.field] : "";
            problem = FormatText(Str::kUnencodableChar, {PersonLabel(people[i]->name, i + 1), field, character,
                                                          CodePointText(failure.character)});
            return CCsvWriteStatus::Unencodable;
        }
    }
    if (progress && !progress(people.size(), people.size())) {
        return CCsvWriteStatus::Cancelled;
    }
    return CCsvWriteStatus::Written;
}

bool CCsvTransfer::ExportBytes(const CVitachronDoc& doc, CExportCSV& out) {
    std::string problem;
    if (WriteLines(doc, out, ProgressCallback{}, problem) != CCsvWriteStatus::Written) {
        doc.Host().ShowMessage(problem + "\n" + Str::kCsvNotWritten, CDocHost::MessageKind::Error);
        return false;
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
    } catch (const CFileError& e) {
        doc.Host().ShowMessage(std::string(Str::kFileWriteFailed) + "\n" + e.Reason(), CDocHost::MessageKind::Error);
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
