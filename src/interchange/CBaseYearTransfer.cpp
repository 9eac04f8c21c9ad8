#include "interchange/CBaseYearTransfer.h"

#include "interchange/FormatText.h"
#include "model/CDocHost.h"
#include "model/CPerson.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "res/Strings.h"

#include <limits>

namespace {

// The year as a plain number of years; unknown as 2147483647. False when a
// known year does not fit, or would read back as unknown.
bool PlainYear(const CScaleYear& year, std::int32_t& out) {
    if (year.IsUnknown()) {
        out = CScaleYear::kUnknownValue;
        return true;
    }
    const std::int64_t years = static_cast<std::int64_t>(year.value) * year.unit;
    if (years < std::numeric_limits<std::int32_t>::min() || years >= CScaleYear::kUnknownValue) {
        return false;
    }
    out = static_cast<std::int32_t>(years);
    return true;
}

bool IsFileName(const std::string& name) {
#ifdef _WIN32
    return name.find_first_of(std::string("\\/:*?\"<>|\0", 10)) == std::string::npos;
#else
    return name.find_first_of(std::string("/\0", 2)) == std::string::npos;
#endif
}

}  // namespace

CBaseYearTransfer::MapResult CBaseYearTransfer::ToRecord(const CPerson& person, CBaseYear& record) {
    CBaseYear r;
    r.filePath = record.filePath;
    r.title = person.name;
    if (!PlainYear(person.birth, r.spanStart)) {
        return MapResult::BirthOutOfRange;
    }
    if (!PlainYear(person.death, r.spanEnd)) {
        return MapResult::DeathOutOfRange;
    }
    r.countFromOne = person.kazoe;
    r.comment = person.comment;
    r.modified = true;
    record = std::move(r);
    return MapResult::Ok;
}

std::unique_ptr<CPerson> CBaseYearTransfer::ToPerson(const CBaseYear& record, int currentYear) {
    auto person = std::make_unique<CPerson>();
    person->name = record.title;
    person->SetBirth(CScaleYear(record.spanStart, 1));
    // Annalix keeps spans running into the future; a person cannot have died there.
    person->SetDeath(record.spanEnd > currentYear ? CScaleYear::Unknown() : CScaleYear(record.spanEnd, 1));
    person->kazoe = record.countFromOne;
    person->comment = record.comment;
    return person;
}

CBaseYearImportResult CBaseYearTransfer::Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files,
                                                int currentYear) {
    CBaseYearImportResult result;
    for (const auto& file : files) {
        CBaseYear record;
        if (!record.Load(file, doc.Host())) {
            ++result.failed;
            continue;
        }
        auto person = ToPerson(record, currentYear);
        person->category = doc.DefaultCategory();
        doc.AppendPerson(std::move(person));
        ++result.added;
    }
    doc.Refresh();
    return result;
}

CBaseYearImportResult CBaseYearTransfer::Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files) {
    return Import(doc, files, CurrentLocalYear());
}

std::vector<CBaseYearTarget> CBaseYearTransfer::ProposeTargets(const std::vector<const CPerson*>& people,
                                                               const std::filesystem::path& folder) {
    std::vector<CBaseYearTarget> targets;
    targets.reserve(people.size());
    std::string prefix = folder.string();
    if (prefix.empty() || prefix.back() != std::filesystem::path::preferred_separator) {
        prefix += static_cast<char>(std::filesystem::path::preferred_separator);
    }
    for (const CPerson* person : people) {
        targets.push_back({person, prefix + person->name + ".lby", !IsFileName(person->name)});
    }
    return targets;
}

CBaseYearExportResult CBaseYearTransfer::Export(CDocHost& messages, const std::vector<CBaseYearTarget>& targets) {
    CBaseYearExportResult result;
    for (const CBaseYearTarget& target : targets) {
        const std::string failed = FormatText(Str::kLbyWriteFailed, {target.path});
        if (target.nameNotFileName) {
            messages.ShowMessage(failed + "\n" + Str::kLbyNameNotFileName, CDocHost::MessageKind::Error);
            ++result.failed;
            continue;
        }
        CBaseYear record;
        record.filePath = target.path;
        const MapResult mapped = ToRecord(*target.person, record);
        if (mapped != MapResult::Ok) {
            const char* field = mapped == MapResult::BirthOutOfRange ? Str::kFieldBirth : Str::kFieldDeath;
            messages.ShowMessage(
                failed + "\n" + FormatText(Str::kLbyYearOutOfRange, {PersonLabel(target.person->name), field}),
                CDocHost::MessageKind::Error);
            ++result.failed;
            continue;
        }
        if (record.Save(messages)) {
            ++result.written;
        } else {
            ++result.failed;
        }
    }
    messages.ShowMessage(Str::kLbyConversionDone, CDocHost::MessageKind::Information);
    return result;
}
