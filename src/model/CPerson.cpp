#include "model/CPerson.h"

#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CCategory.h"
#include "model/LenientText.h"
#include "model/LocalTime.h"

CPerson::DateText CPerson::ParseDateText(std::string_view text) {
    DateText r;
    std::string rest(text);
    if (const auto open = rest.find('['); open != std::string::npos) {
        // The note runs to the first "]" after the "[" (to the end without one).
        const auto close = rest.find(']', open);
        if (close == std::string::npos) {
            r.note = rest.substr(open);
            rest.erase(open);
        } else {
            r.note = rest.substr(open, close - open + 1);
            rest.erase(open, close - open + 1);
        }
    }
    const auto year = CScaleYear::ParseYearText(rest);
    r.year = year.year;
    std::size_t pos = year.end;
    if (pos >= rest.size()) {
        return r;
    }
    ++pos;  // one separator of any kind
    r.month = LeadingInt32(rest, &pos);
    if (pos >= rest.size()) {
        return r;
    }
    ++pos;
    r.day = LeadingInt32(rest, &pos);
    return r;
}

std::string CPerson::FormatDate(const CScaleYear& year, std::int32_t month, std::int32_t day,
                                std::string_view note, bool yearOnly) {
    std::string text;
    if (!year.IsUnknown()) {
        text = year.FormatYearText();
        if (!yearOnly && month != -1) {
            text += "/" + std::to_string(month);
            if (day != -1) {
                text += "/" + std::to_string(day);
            }
        }
    }
    text += note;
    return text;
}

std::string CPerson::FormatBirthText(bool yearOnly) const {
    return FormatDate(birth, birthMonth, birthDay, birthNote, yearOnly);
}

std::string CPerson::FormatDeathText(bool yearOnly) const {
    return FormatDate(death, deathMonth, deathDay, deathNote, yearOnly);
}

std::int64_t CPerson::DateKey(const CScaleYear& year, std::int32_t month, std::int32_t day) {
    if (year.IsUnknown()) {
        return kLargestKey;
    }
    // The raw value, unit not applied; 64 bits so that no year overflows.
    const std::int64_t m = month == -1 ? 0 : month;
    const std::int64_t d = day == -1 ? 0 : day;
    return (static_cast<std::int64_t>(year.value) * 100 + m) * 100 + d;
}

std::optional<CScaleYear> CPerson::AgeAt(const std::optional<CScaleYear>& target, int currentYear) const {
    CScaleYear reference = target ? *target : death;
    if (reference.IsUnknown()) {
        reference = CScaleYear(currentYear, 1);  // the unknown year also means "still living" for a death
    }
    if (birth.IsUnknown()) {
        return std::nullopt;
    }
    CScaleYear age = reference - birth;
    if (kazoe && reference >= birth) {
        age = age.Incremented();
    }
    if (deathMonth != -1 && birthMonth != -1 && (deathMonth < birthMonth || (deathMonth == birthMonth && deathDay < birthDay))) {
        age = age.Decremented();
    }
    // There is no year 0 between 1 BCE and 1 CE.
    if (birth < CScaleYear(0, 1) && reference > CScaleYear(0, 1)) {
        age = age.Decremented();
    }
    return age;
}

std::optional<CScaleYear> CPerson::AgeAt(const std::optional<CScaleYear>& target) const {
    return AgeAt(target, CurrentLocalYear());
}

bool CPerson::IsAgeHidden() const { return birth.IsUnknown() || hideAge; }

void CPerson::OwnTexts() {
    for (CText* text : {&name, &comment, &reading, &categoryName, &birthNote, &deathNote}) {
        text->Own();
    }
}

void CPerson::Write(CArchiveWriter& ar) const {
    ar.WriteInt32(kRecordVersion);
    birth.Write(ar);
    death.Write(ar);
    ar.WriteString(name);
    ar.WriteString(comment);
    // The current category, not what was last loaded.
    ar.WriteUInt32(category != nullptr ? category->color : categoryColor);
    ar.WriteFlag(reservedFlag1);
    ar.WriteFlag(reservedFlag2);
    ar.WriteFlag(kazoe);
    ar.WriteString(reading);
    ar.WriteFlag(birthUncertain);
    ar.WriteFlag(deathUncertain);
    ar.WriteFlag(ageUncertain);
    ar.WriteInt32(birthMonth);
    ar.WriteInt32(birthDay);
    ar.WriteInt32(deathMonth);
    ar.WriteInt32(deathDay);
    ar.WriteString(category != nullptr ? std::string_view(category->name) : categoryName.view());
    ar.WriteFlag(hideBirth);
    ar.WriteFlag(hideDeath);
    ar.WriteFlag(hideAge);
    ar.WriteString(birthNote);
    ar.WriteString(deathNote);
}

void CPerson::Read(CArchiveReader& ar) {
    const std::int32_t v = ar.ReadInt32();
    if (v >= 8) {
        birth = CScaleYear::Read(ar);
        death = CScaleYear::Read(ar);
    } else {
        birth = CScaleYear(ar.ReadInt32(), 1);
        death = CScaleYear(ar.ReadInt32(), 1);
    }
    ar.ReadText(name);
    ar.ReadText(comment);
    categoryColor = ar.ReadUInt32();
    reservedFlag1 = ar.ReadFlag();
    reservedFlag2 = ar.ReadFlag();
    kazoe = ar.ReadFlag();
    if (v >= 2) {
        ar.ReadText(reading);
    }
    if (v >= 3) {
        birthUncertain = ar.ReadFlag();
        deathUncertain = ar.ReadFlag();
        ageUncertain = ar.ReadFlag();
    }
    if (v >= 4) {
        birthMonth = ar.ReadInt32();
        birthDay = ar.ReadInt32();
        deathMonth = ar.ReadInt32();
        deathDay = ar.ReadInt32();
    }
    if (v >= 5) {
        ar.ReadText(categoryName);
    }
    if (v >= 6) {
        hideBirth = ar.ReadFlag();
        hideDeath = ar.ReadFlag();
        hideAge = ar.ReadFlag();
    }
    if (v >= 7) {
        ar.ReadText(birthNote);
        ar.ReadText(deathNote);
    }
}
