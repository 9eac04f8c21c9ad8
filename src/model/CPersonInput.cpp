#include "model/CPersonInput.h"

#include "res/Strings.h"

namespace {

struct CheckedDate {
    CScaleYear year;  // unknown unless a text was given
    std::int32_t month = -1;
    std::int32_t day = -1;
    std::string note;
};

enum class DateCheck { Passed, Refused, Declined };

// The part of the check both dates share once the text is known to be there.
DateCheck CheckDateText(const std::string& text, const char* tooLargeMessage, const CheckedDate* birth,
                        const CPersonInput::YearZeroQuestion& confirmYearZero, CheckedDate& out,
                        const char*& message) {
    const CPerson::DateText parsed = CPerson::ParseDateText(text);
    // A year that reads as the unknown year would silently turn into "not known".
    if (parsed.year.unit > CPersonInput::kLargestUnit || parsed.year.IsUnknown()) {
        message = tooLargeMessage;
        return DateCheck::Refused;
    }
    if (birth != nullptr && !birth->year.IsUnknown() && birth->year > parsed.year) {
        message = Str::kMsgDeathBeforeBirth;
        return DateCheck::Refused;
    }
    if (CPersonInput::IsYearZero(parsed.year) && !confirmYearZero()) {
        return DateCheck::Declined;
    }
    if (!CPersonInput::IsMonthDayValid(parsed.month, parsed.day)) {
        message = Str::kMsgMonthDayInvalid;
        return DateCheck::Refused;
    }
    out.year = parsed.year;
    out.month = parsed.month;
    out.day = parsed.day;
    out.note = parsed.note;
    return DateCheck::Passed;
}

}  // namespace

CPersonInput CPersonInput::FromPerson(const CPerson& person) {
    CPersonInput in;
    in.name = person.name;
    in.reading = person.reading;
    in.note = person.comment;
    in.birthText = person.FormatBirthText(false);
    in.deathText = person.death.IsUnknown() ? std::string() : person.FormatDeathText(false);
    in.birthUncertain = person.birthUncertain;
    in.deathUncertain = person.deathUncertain;
    in.ageUncertain = person.ageUncertain;
    in.hideBirth = person.hideBirth;
    in.hideDeath = person.hideDeath;
    // Without a birth there is no age to show, and the box says so.
    in.hideAge = person.birth.IsUnknown() || person.hideAge;
    in.kazoe = person.kazoe;
    return in;
}

CPersonInput::CheckResult CPersonInput::Check(const CPerson& base, CCategory* category,
                                              const YearZeroQuestion& confirmYearZero) {
    if (IsUnknownMark(birthText)) {
        birthUncertain = true;
        birthText.clear();
    }
    if (IsUnknownMark(deathText)) {
        deathUncertain = true;
        deathText.clear();
    }

    CheckResult result;
    CheckedDate birth;
    if (birthText.empty()) {
        if (!birthUncertain) {
            result.message = Str::kMsgBirthMissing;
            return result;
        }
    } else if (CheckDateText(birthText, Str::kMsgBirthTooLarge, nullptr, confirmYearZero, birth, result.message) !=
               DateCheck::Passed) {
        return result;
    }

    CheckedDate death;
    if (!deathText.empty() &&
        CheckDateText(deathText, Str::kMsgDeathTooLarge, &birth, confirmYearZero, death, result.message) !=
            DateCheck::Passed) {
        return result;
    }

    if (birth.year.IsUnknown() && death.year.IsUnknown()) {
        result.message = Str::kMsgNeitherYear;
        return result;
    }

    CPerson& p = result.person.emplace(base);
    p.name = name;
    p.reading = reading;
    p.comment = note;
    p.birthMonth = birth.month;
    p.birthDay = birth.day;
    p.birthNote = birth.note;
    p.SetBirth(birth.year);
    p.deathMonth = death.month;
    p.deathDay = death.day;
    p.deathNote = death.note;
    p.SetDeath(death.year);
    p.kazoe = kazoe;
    p.birthUncertain = birthUncertain;
    p.deathUncertain = deathUncertain;
    p.ageUncertain = ageUncertain;
    p.category = category;
    p.hideBirth = hideBirth;
    p.hideDeath = hideDeath;
    p.hideAge = hideAge;
    return result;
}

bool CPersonInput::IsUnknownMark(std::string_view text) { return text == "?" || text == "？"; }

bool CPersonInput::IsYearZero(const CScaleYear& year) { return year == CScaleYear(0, 1); }

bool CPersonInput::IsMonthDayValid(std::int32_t month, std::int32_t day) {
    const bool monthOk = month == -1 || (month >= 1 && month <= 12);
    const bool dayOk = day == -1 || (day >= 1 && day <= 31);
    return monthOk && dayOk;
}

std::string CPersonInput::NoteFromEdit(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string CPersonInput::NoteToEdit(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}
