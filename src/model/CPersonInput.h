// What the person dialog edits, as the texts and flags its controls hold, and
// the checks that turn them into a person record. Kept apart from the dialog
// so that the date rules can be tested without a display.
#pragma once

#include "model/CPerson.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CCategory;

class CPersonInput {
public:
    std::string name;
    std::string reading;
    std::string birthText;  // a date text: "1234/2/4", "-660", "1600[頃]/3"
    std::string deathText;  // empty: living, or death not known
    std::string note;       // CR LF between lines, as the record keeps them
    bool birthUncertain = false;
    bool deathUncertain = false;
    bool ageUncertain = false;
    bool hideBirth = false;
    bool hideDeath = false;
    bool hideAge = false;
    bool kazoe = false;

    // The values a record shows when it is opened for a change.
    static CPersonInput FromPerson(const CPerson& person);

    struct CheckResult {
        std::optional<CPerson> person;  // every check passed
        const char* message = nullptr;  // why not; none when the user declined the year-0 question
    };
    // Asked when a birth or death year reads as 0; false stops the checks quietly.
    using YearZeroQuestion = std::function<bool()>;

    // The checks, in the order users know them, stopping at the first failure.
    // A date that is only "?" or "？" first turns into an empty text with its
    // uncertainty mark, here in the input too. On success the result is `base`
    // with every field the dialog edits replaced and its sort keys recomputed.
    CheckResult Check(const CPerson& base, CCategory* category, const YearZeroQuestion& confirmYearZero);

    // "?" or the full-width "？" alone: an unknown, uncertain date.
    static bool IsUnknownMark(std::string_view text);
    // There is no year 0 between -1 and 1, so typing it is worth a question.
    static bool IsYearZero(const CScaleYear& year);
    // A month of 1..12 and a day of 1..31, each or both possibly absent (-1);
    // the day is deliberately not held against the month's length.
    static bool IsMonthDayValid(std::int32_t month, std::int32_t day);
    // More than three zeros behind the kept digits is beyond what the dialog takes.
    static constexpr std::uint32_t kLargestUnit = 1000;

    // Multi-line edit controls speak LF; the record keeps CR LF.
    static std::string NoteFromEdit(std::string_view text);
    static std::string NoteToEdit(std::string_view text);
};
