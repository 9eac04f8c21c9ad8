// GEDCOM dates (5.5, 5.5.1 and 7.0) both ways, as far as a person's birth or
// death holds them: a year, perhaps a month and a day, whether the date is
// uncertain, and a short note in brackets saying how ("[頃]", "[以前]",
// "[ユリウス暦]"). Qualified dates keep the year the timeline can draw and
// become uncertain; Julian and French Republican dates are turned into
// Gregorian ones; what cannot be turned (Hebrew dates) is approximated and
// said so in problem.
#pragma once

#include "model/CScaleYear.h"

#include <cstdint>
#include <string>
#include <string_view>

class CGedcomDate {
public:
    struct Value {
        CScaleYear year = CScaleYear::Unknown();
        std::int32_t month = -1;
        std::int32_t day = -1;
        bool uncertain = false;
        std::string note;  // "[...]" with its brackets, or empty

        friend bool operator==(const Value& a, const Value& b) {
            return a.year.SameFields(b.year) && a.month == b.month && a.day == b.day && a.uncertain == b.uncertain &&
                   a.note == b.note;
        }
    };

    struct Parsed {
        bool ok = false;       // a year was found
        Value value;
        std::string problem;   // why not, or what was only approximated; empty when all is well
    };

    static Parsed Parse(std::string_view text);

    // The DATE value for v, or empty when GEDCOM has no form for it (a year
    // beyond nine digits). exact is set when Parse gives v back from it.
    static std::string Format(const Value& v, bool gedcom7, bool& exact);

    // The notes the qualifiers give, between the brackets, joined by "・".
    static constexpr const char* kPartSeparator = "・";

    // Day numbers of the proleptic calendars (Julian day numbers), for the
    // conversions; years are astronomical (1 BC is 0).
    static std::int64_t JulianToDayNumber(std::int64_t year, int month, int day);
    static std::int64_t GregorianToDayNumber(std::int64_t year, int month, int day);
    static void DayNumberToGregorian(std::int64_t jdn, std::int64_t& year, int& month, int& day);
};
