#include "interchange/CGedcomDate.h"

#include "model/FormatText.h"
#include "res/Strings.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

enum class Calendar { Gregorian, Julian, Hebrew, French, Unknown };

constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                      "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<std::string_view, 13> kFrenchMonths = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
                                                            "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};
constexpr std::array<std::string_view, 13> kHebrewMonths = {"TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS",
                                                            "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"};
// The first day of years I to XIV of the French Republican calendar, the
// years it was in use, as Gregorian September days.
constexpr std::array<int, 14> kFrenchYearStart = {22, 22, 22, 23, 22, 22, 22, 23, 23, 23, 23, 24, 23, 23};

// Nine digits always fit the 32-bit year; longer years are no family tree's.
constexpr std::size_t kMaxYearDigits = 9;

// The words of a date, upper-cased, as views into one buffer: dates are
// read for every event of every person, and no word needs a string of its own.
class Tokens {
public:
    static constexpr std::size_t kMax = 16;  // no date has more words; more is not a date

    explicit Tokens(std::string_view text) : upper_(text) {
        for (char& c : upper_) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
        const std::string_view u = upper_;
        std::size_t i = 0;
        while (i < u.size()) {
            while (i < u.size() && (u[i] == ' ' || u[i] == '\t')) {
                ++i;
            }
            const std::size_t start = i;
            while (i < u.size() && u[i] != ' ' && u[i] != '\t') {
                ++i;
            }
            if (i > start) {
                if (count_ == kMax) {
                    overflow_ = true;
                    return;
                }
                items_[count_++] = u.substr(start, i - start);
            }
        }
    }

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool overflow() const { return overflow_; }
    std::string_view operator[](std::size_t i) const { return items_[i]; }

private:
    std::string upper_;
    std::array<std::string_view, kMax> items_{};
    std::size_t count_ = 0;
    bool overflow_ = false;
};

std::int64_t DigitsValue(std::string_view digits) {
    std::int64_t v = 0;
    for (const char c : digits) {
        v = v * 10 + (c - '0');
    }
    return v;
}

bool AllDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

template <std::size_t N>
int IndexIn(const std::array<std::string_view, N>& names, std::string_view token) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == token) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

// One date of a GEDCOM date value, as written, before any conversion.
struct Single {
    Calendar calendar = Calendar::Gregorian;
    std::int64_t year = 0;  // the program's year: negative before Christ, never 0
    int month = -1;
    int day = -1;
    std::string dual;  // "1700/01" as written, when there was one
};

bool IsEpoch(std::string_view t) { return t == "B.C." || t == "BC" || t == "BCE" || t == "B.C" || t == "(B.C.)"; }

// tokens[from, to) as one date; false when they are not one.
bool ParseSingle(const Tokens& tokens, std::size_t from, std::size_t to, Single& out) {
    std::size_t i = from;
    if (i < to) {
        const std::string_view t = tokens[i];
        if (t.substr(0, 3) == "@#D") {
            std::string escape(t);
            // "@#DFRENCH R@" is two tokens.
            while (escape.back() != '@' && i + 1 < to) {
                escape.append(" ").append(tokens[++i]);
            }
            ++i;
            if (escape == "@#DGREGORIAN@") {
                out.calendar = Calendar::Gregorian;
            } else if (escape == "@#DJULIAN@") {
                out.calendar = Calendar::Julian;
            } else if (escape == "@#DHEBREW@") {
                out.calendar = Calendar::Hebrew;
            } else if (escape == "@#DFRENCH R@") {
                out.calendar = Calendar::French;
            } else {
                out.calendar = Calendar::Unknown;
            }
        } else if (t == "GREGORIAN") {
            ++i;
        } else if (t == "JULIAN") {
            out.calendar = Calendar::Julian;
            ++i;
        } else if (t == "HEBREW") {
            out.calendar = Calendar::Hebrew;
            ++i;
        } else if (t == "FRENCH_R") {
            out.calendar = Calendar::French;
            ++i;
        }
    }
    bool bc = false;
    if (to > i && IsEpoch(tokens[to - 1])) {
        bc = true;
        --to;
    }
    if (to <= i || to - i > 3) {
        return false;
    }
    // The year, possibly dual: "1700/01".
    std::string_view yearText = tokens[to - 1];
    std::string_view dualTail;
    if (const auto slash = yearText.find('/'); slash != std::string_view::npos) {
        dualTail = yearText.substr(slash + 1);
        yearText = yearText.substr(0, slash);
        if (!AllDigits(dualTail) || dualTail.size() > 2) {
            return false;
        }
    }
    if (!AllDigits(yearText) || yearText.size() > kMaxYearDigits) {
        return false;
    }
    std::int64_t year = DigitsValue(yearText);
    if (year == 0) {
        return false;  // there is no year 0
    }
    if (!dualTail.empty()) {
        out.dual = std::string(tokens[to - 1]);
        year += 1;  // the later of the two, the year as it is counted now
    }
    out.year = bc ? -year : year;
    const std::size_t left = to - 1 - i;
    if (left >= 1) {
        const std::string_view m = tokens[to - 2];
        switch (out.calendar) {
        case Calendar::French:
            out.month = IndexIn(kFrenchMonths, m);
            break;
        case Calendar::Hebrew:
            out.month = IndexIn(kHebrewMonths, m);
            break;
        default:
            out.month = IndexIn(kMonths, m);
            break;
        }
        if (out.month == 0) {
            return false;
        }
    }
    if (left == 2) {
        const std::string_view d = tokens[i];
        if (!AllDigits(d) || d.size() > 2) {
            return false;
        }
        out.day = static_cast<int>(DigitsValue(d));
        if (out.day < 1 || out.day > 31) {
            return false;
        }
    }
    return true;
}

std::int64_t Astronomical(std::int64_t year) { return year < 0 ? year + 1 : year; }
std::int64_t FromAstronomical(std::int64_t year) { return year <= 0 ? year - 1 : year; }

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Far enough back for the day-number formulas; beyond it a year stays as written.
constexpr std::int64_t kEarliestConverted = -4000;

// The date in the Gregorian calendar, with the notes its conversion adds.
// False when the calendar is not one this program can read at all.
bool ToGregorian(Single& d, std::vector<std::string>& parts, bool& uncertain, std::string& problem,
                 std::string_view text) {
    switch (d.calendar) {
    case Calendar::Gregorian:
        return true;
    case Calendar::Julian:
        parts.emplace_back(Str::kGedNoteJulian);
        if (d.day > 0 && d.year > kEarliestConverted) {
            std::int64_t y = 0;
            int m = 0;
            int day = 0;
            CGedcomDate::DayNumberToGregorian(CGedcomDate::JulianToDayNumber(Astronomical(d.year), d.month, d.day), y,
                                              m, day);
            d.year = FromAstronomical(y);
            d.month = m;
            d.day = day;
        }
        return true;
    case Calendar::French:
        parts.emplace_back(Str::kGedNoteFrench);
        if (d.day > 0 && d.year >= 1 && d.year <= static_cast<std::int64_t>(kFrenchYearStart.size()) &&
            d.day <= 30 && (d.month < 13 || d.day <= 6)) {
            const std::int64_t start = CGedcomDate::GregorianToDayNumber(
                1791 + d.year, 9, kFrenchYearStart[static_cast<std::size_t>(d.year - 1)]);
            std::int64_t y = 0;
            int m = 0;
            int day = 0;
            CGedcomDate::DayNumberToGregorian(start + (d.month - 1) * 30 + (d.day - 1), y, m, day);
            d.year = y;
            d.month = m;
            d.day = day;
        } else {
            // The year began in September: most of year N lies in 1792 + N - 1 ... + 1.
            d.year = d.year + 1792;
            d.month = -1;
            d.day = -1;
            uncertain = true;
            problem = FormatText(Str::kGedFrenchApprox, {text});
        }
        return true;
    case Calendar::Hebrew:
        // The Hebrew year begins in the autumn; AM 5784 began in 2023.
        parts.emplace_back(Str::kGedNoteHebrew);
        d.year = d.year - 3761;
        if (d.year <= 0) {
            d.year -= 1;
        }
        d.month = -1;
        d.day = -1;
        uncertain = true;
        problem = FormatText(Str::kGedHebrewApprox, {text});
        return true;
    case Calendar::Unknown:
        break;
    }
    problem = FormatText(Str::kGedCalendarUnknown, {text});
    return false;
}

std::string YearText(std::int64_t year) { return std::to_string(year); }

std::string JoinNote(const std::vector<std::string>& parts) {
    if (parts.empty()) {
        return {};
    }
    std::string note = "[";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            note += CGedcomDate::kPartSeparator;
        }
        note += parts[i];
    }
    return note + "]";
}

}  // namespace

std::int64_t CGedcomDate::JulianToDayNumber(std::int64_t year, int month, int day) {
    const std::int64_t a = (14 - month) / 12;
    const std::int64_t y = year + 4800 - a;
    const std::int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - 32083;
}

std::int64_t CGedcomDate::GregorianToDayNumber(std::int64_t year, int month, int day) {
    const std::int64_t a = (14 - month) / 12;
    const std::int64_t y = year + 4800 - a;
    const std::int64_t m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) - 32045;
}

void CGedcomDate::DayNumberToGregorian(std::int64_t jdn, std::int64_t& year, int& month, int& day) {
    const std::int64_t a = jdn + 32044;
    const std::int64_t b = FloorDiv(4 * a + 3, 146097);
    const std::int64_t c = a - FloorDiv(146097 * b, 4);
    const std::int64_t d = FloorDiv(4 * c + 3, 1461);
    const std::int64_t e = c - FloorDiv(1461 * d, 4);
    const std::int64_t m = FloorDiv(5 * e + 2, 153);
    day = static_cast<int>(e - FloorDiv(153 * m + 2, 5) + 1);
    month = static_cast<int>(m + 3 - 12 * FloorDiv(m, 10));
    year = 100 * b + d - 4800 + FloorDiv(m, 10);
}

CGedcomDate::Parsed CGedcomDate::Parse(std::string_view text) {
    Parsed r;
    // A phrase in parentheses (INT ... (phrase), or the phrase alone) is
    // text, not tokens.
    std::string phrase;
    std::string_view datePart = text;
    if (const auto open = text.find('('); open != std::string_view::npos) {
        const auto close = text.rfind(')');
        if (close != std::string_view::npos && close > open) {
            phrase = std::string(text.substr(open + 1, close - open - 1));
            datePart = text.substr(0, open);
        }
    }
    const Tokens tokens(datePart);
    const auto unreadable = [&] {
        r.ok = false;
        if (r.problem.empty()) {
            r.problem = FormatText(Str::kGedDateUnreadable, {text});
        }
        return r;
    };
    if (tokens.empty() || tokens.overflow()) {
        return unreadable();
    }
    std::vector<std::string> parts;
    bool uncertain = false;
    std::size_t from = 0;
    std::size_t to = tokens.size();
    std::optional<std::size_t> rangeEnd;  // where the second date of a range starts
    const std::string_view q = tokens[0];
    const char* qualifier = nullptr;
    if (q == "ABT") {
        qualifier = Str::kGedNoteAbout;
    } else if (q == "CAL") {
        qualifier = Str::kGedNoteCalculated;
    } else if (q == "EST") {
        qualifier = Str::kGedNoteEstimated;
    } else if (q == "BEF") {
        qualifier = Str::kGedNoteBefore;
    } else if (q == "AFT") {
        qualifier = Str::kGedNoteAfter;
    } else if (q == "TO") {
        qualifier = Str::kGedNoteTo;
    }
    if (qualifier != nullptr || q == "INT") {
        from = 1;
        uncertain = true;
    } else if (q == "BET" || q == "FROM") {
        from = 1;
        uncertain = true;
        const std::string_view joint = q == "BET" ? "AND" : "TO";
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            if (tokens[i] == joint) {
                rangeEnd = i + 1;
                to = i;
                break;
            }
        }
        if (!rangeEnd) {
            if (q == "BET") {
                return unreadable();
            }
            qualifier = Str::kGedNoteFrom;
        }
    }
    Single d;
    if (!ParseSingle(tokens, from, to, d)) {
        return unreadable();
    }
    if (!ToGregorian(d, parts, uncertain, r.problem, text)) {
        return unreadable();
    }
    if (!d.dual.empty()) {
        parts.push_back(d.dual);
    }
    if (qualifier != nullptr) {
        parts.emplace_back(qualifier);
    }
    if (rangeEnd) {
        Single end;
        std::vector<std::string> endParts;
        bool endUncertain = false;
        std::string endProblem;
        if (!ParseSingle(tokens, *rangeEnd, tokens.size(), end) ||
            !ToGregorian(end, endParts, endUncertain, endProblem, text)) {
            return unreadable();
        }
        parts.push_back(FormatText(Str::kGedNoteUntil, {YearText(end.year)}));
    }
    if (q == "INT" && !phrase.empty()) {
        // Brackets would end the date text's note early: the full-width ones say the same.
        std::string kept;
        for (const char c : phrase) {
            kept += c == '[' ? std::string("［") : c == ']' ? std::string("］") : std::string(1, c);
        }
        parts.push_back(std::move(kept));
    }
    r.ok = true;
    r.value.year = CScaleYear(static_cast<std::int32_t>(d.year), 1);
    r.value.month = d.month;
    r.value.day = d.day;
    r.value.uncertain = uncertain;
    r.value.note = JoinNote(parts);
    return r;
}

std::string CGedcomDate::Format(const Value& v, bool gedcom7, bool& exact) {
    exact = false;
    if (v.year.IsUnknown() || v.year.unit != 1 || v.year.value == 0 ||
        std::llabs(static_cast<long long>(v.year.value)) >= 1000000000LL) {
        return {};
    }
    std::string core;
    if (v.month >= 1 && v.month <= 12) {
        if (v.day >= 1 && v.day <= 31) {
            core = std::to_string(v.day) + " ";
        }
        core += std::string(kMonths[static_cast<std::size_t>(v.month - 1)]) + " ";
    }
    core += std::to_string(std::llabs(static_cast<long long>(v.year.value)));
    if (v.year.value < 0) {
        core += gedcom7 ? " BCE" : " B.C.";
    }
    std::string inner;
    if (v.note.size() >= 2 && v.note.front() == '[' && v.note.back() == ']') {
        inner = v.note.substr(1, v.note.size() - 2);
    }
    std::string text = core;
    if (v.uncertain) {
        text = "ABT " + core;
        const std::pair<const char*, const char*> single[] = {
            {Str::kGedNoteAbout, "ABT "},  {Str::kGedNoteCalculated, "CAL "}, {Str::kGedNoteEstimated, "EST "},
            {Str::kGedNoteBefore, "BEF "}, {Str::kGedNoteAfter, "AFT "},      {Str::kGedNoteTo, "TO "},
            {Str::kGedNoteFrom, "FROM "}};
        for (const auto& [note, word] : single) {
            if (inner == note) {
                text = word + core;
            }
        }
        // "～1710": a range up to that year.
        const std::string until = FormatText(Str::kGedNoteUntil, {""});
        if (inner.rfind(until, 0) == 0 && AllDigits(inner.substr(until.size())) &&
            inner.size() - until.size() <= kMaxYearDigits) {
            text = "BET " + core + " AND " + inner.substr(until.size());
        }
    } else if (!gedcom7 && !inner.empty() && inner.find_first_of("()") == std::string::npos) {
        text = "INT " + core + " (" + inner + ")";
    }
    const Parsed back = Parse(text);
    exact = back.ok && back.value == v;
    return text;
}
