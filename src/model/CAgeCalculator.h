// The age calculator's arithmetic: the missing year of a life from the other
// one and the age reached, in ordinary or traditional (数え年) counting.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CAgeCalculator {
public:
    struct Result {
        const char* message = nullptr;  // set when nothing could be computed
        std::string birthText;
        std::string deathText;
    };

    // With a birth the death is computed (even over a given death); with only a
    // death the birth is; with neither the texts stay as they are. The date
    // texts count by their leading integer, so "1900/5/3" counts as 1900 and
    // keeps its month and day while the computed year has none. Counting
    // across the common era skips the year 0 that does not exist, so the age
    // the timeline shows for the result is the age typed.
    static Result Calculate(std::string_view ageText, std::string birthText, std::string deathText, bool kazoe);

    // Blanks, an optional sign, then digits up to the first other character;
    // no digits gives 0. Saturates far beyond any year instead of overflowing.
    static std::int64_t LeadingInteger(std::string_view text);

    // The results must stay 32-bit years, and not the value that means "unknown".
    static constexpr std::int64_t kSmallestResult = -2147483647LL - 1;
    static constexpr std::int64_t kLargestResult = 2147483646LL;
};
