#include "interchange/CBasePointYearTransfer.h"

#include "model/CDocHost.h"
#include "model/CPerson.h"
#include "model/CVitachronDoc.h"
#include "model/FormatText.h"
#include "model/LocalTime.h"
#include "model/Utf8Path.h"
#include "res/Strings.h"

#include <algorithm>
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

#ifdef _WIN32
// The names Windows keeps for its devices, in every folder and with any
// extension ("CON.lby" is the console too).
bool IsDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    for (char& c : base) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" || base == "CONOUT$") {
        return true;
    }
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}
#endif

bool IsFileName(const std::string& name) {
#ifdef _WIN32
    // The name is followed by ".lby", so a trailing dot or space, which
    // Windows drops, would not be at the end.
    if (name.find_first_of(std::string("\\/:*?\"<>|\0", 10)) != std::string::npos || IsDeviceName(name)) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) { return c > 0 && c < 0x20; });
#else
    return name.find_first_of(std::string("/\0", 2)) == std::string::npos;
#endif
}

}  // namespace

CBasePointYearTransfer::MapResult CBasePointYearTransfer::ToRecord(const CPerson& person, CBasePointYear& record) {
    CBasePointYear r;
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
    record = std::move(r);
    return MapResult::Ok;
}

std::unique_ptr<CPerson> CBasePointYearTransfer::ToPerson(const CBasePointYear& record, int currentYear) {
    auto person = std::make_unique<CPerson>();
    person->name = record.title;
    person->SetBirth(CScaleYear(record.spanStart, 1));
    // Annalix keeps spans running into the future; a person cannot have died there.
    person->SetDeath(record.spanEnd > currentYear ? CScaleYear::Unknown() : CScaleYear(record.spanEnd, 1));
    person->kazoe = record.countFromOne;
    person->comment = record.comment;
    return person;
}

CBasePointYearImportResult CBasePointYearTransfer::Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files,
                                                int currentYear) {
    return Import(doc, files, currentYear, ProgressCallback{});
}

CBasePointYearImportResult CBasePointYearTransfer::Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files,
                                                int currentYear, const ProgressCallback& progress) {
    CBasePointYearImportResult result;
    std::vector<std::unique_ptr<CPerson>> people;
    people.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress(i, files.size())) {
            result.cancelled = true;
            return result;
        }
        CBasePointYear record;
        if (!record.Load(files[i], doc.Host())) {
            ++result.failed;
            continue;
        }
        people.push_back(ToPerson(record, currentYear));
    }
    if (progress && !progress(files.size(), files.size())) {
        result.cancelled = true;
        return result;
    }
    for (auto& person : people) {
        person->category = doc.DefaultCategory();
        doc.AppendPerson(std::move(person));
        ++result.added;
    }
    doc.Refresh();
    return result;
}

CBasePointYearImportResult CBasePointYearTransfer::Import(CVitachronDoc& doc, const std::vector<std::filesystem::path>& files) {
    return Import(doc, files, CurrentLocalYear());
}

std::vector<CBasePointYearTarget> CBasePointYearTransfer::ProposeTargets(const std::vector<const CPerson*>& people,
                                                               const std::filesystem::path& folder) {
    std::vector<CBasePointYearTarget> targets;
    targets.reserve(people.size());
    std::string prefix = Utf8FromPath(folder);
    if (prefix.empty() || prefix.back() != std::filesystem::path::preferred_separator) {
        prefix += static_cast<char>(std::filesystem::path::preferred_separator);
    }
    for (const CPerson* person : people) {
        targets.push_back({person, prefix + person->name + ".lby", !IsFileName(person->name)});
    }
    return targets;
}

CBasePointYearExportResult CBasePointYearTransfer::Export(CDocHost& messages, const std::vector<CBasePointYearTarget>& targets) {
    return Export(messages, targets, ProgressCallback{});
}

CBasePointYearExportResult CBasePointYearTransfer::Export(CDocHost& messages, const std::vector<CBasePointYearTarget>& targets,
                                                const ProgressCallback& progress) {
    CBasePointYearExportResult result;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (progress && !progress(i, targets.size())) {
            result.cancelled = true;
            return result;
        }
        const CBasePointYearTarget& target = targets[i];
        const std::string failed = FormatText(Str::kLbyWriteFailed, {target.path});
        if (target.nameNotFileName) {
            messages.ShowMessage(failed + "\n" + Str::kLbyNameNotFileName, CDocHost::MessageKind::Error);
            ++result.failed;
            continue;
        }
        CBasePointYear record;
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
    if (progress) {
        progress(targets.size(), targets.size());  // every file is through: nothing is left to stop
    }
    messages.ShowMessage(Str::kLbyConversionDone, CDocHost::MessageKind::Information);
    return result;
}
