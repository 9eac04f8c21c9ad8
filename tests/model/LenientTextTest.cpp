#include "model/LenientText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

}  // namespace

TEST(LenientText, WhiteSpaceIsTheCLocalesSixCharactersAndNothingElse) {
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
        EXPECT_TRUE(IsCSpace(c)) << static_cast<int>(c);
    }
    // Neighbours of the range, the NUL and a byte with the top bit set (half
    // of a code page 932 character) are not white space.
    for (const char c : {'\0', '\x08', '\x0e', '\x1f', '!', '\xa0', '\x81'}) {
        EXPECT_FALSE(IsCSpace(c)) << static_cast<int>(c);
    }
    EXPECT_EQ(TrimCSpace(" \t武将 名\r\n\v\f"), "武将 名");
    EXPECT_EQ(TrimCSpace("a"), "a");
    EXPECT_EQ(TrimCSpace(" \r\n "), "");
    EXPECT_EQ(TrimCSpace(""), "");
    EXPECT_EQ(TrimCSpace("\x81\x40"), "\x81\x40");  // the full-width space stays
}

TEST(LenientText, ReadsTheLeadingIntegerAndGivesZeroWithoutDigits) {
    EXPECT_EQ(LeadingInt32("  +42abc"), 42);
    EXPECT_EQ(LeadingInt32("\n\t-17/3"), -17);
    EXPECT_EQ(LeadingInt32("007"), 7);
    EXPECT_EQ(LeadingInt32("abc"), 0);
    EXPECT_EQ(LeadingInt32("- 5"), 0) << "the sign must touch the digits";
    EXPECT_EQ(LeadingInt32("+-5"), 0);
    EXPECT_EQ(LeadingInt32(""), 0);
    EXPECT_EQ(LeadingUint32(" 12abc"), 12u);
    EXPECT_EQ(LeadingInt64("  -12abc", 1000), -12);
}

TEST(LenientText, TheThirtyTwoBitReadingClampsAtBothEnds) {
    EXPECT_EQ(LeadingInt32("2147483647"), kIntMax);
    EXPECT_EQ(LeadingInt32("2147483648"), kIntMax);
    EXPECT_EQ(LeadingInt32("-2147483648"), kIntMin);
    EXPECT_EQ(LeadingInt32("-2147483649"), kIntMin);
    EXPECT_EQ(LeadingInt32("4294967338"), kIntMax) << "not wrapped to 42";
    EXPECT_EQ(LeadingInt32("99999999999999999999999999"), kIntMax);
    EXPECT_EQ(LeadingInt32("-99999999999999999999999999"), kIntMin);
}

TEST(LenientText, ThePositionMovesPastTheDigitsOnlyWhenThereAreAny) {
    std::size_t pos = 5;
    EXPECT_EQ(LeadingInt32("1868-10-23", &pos), 10);
    EXPECT_EQ(pos, 7u);
    pos = 0;
    EXPECT_EQ(LeadingInt32(" \t99999999999x", &pos), kIntMax);
    EXPECT_EQ(pos, 13u) << "every digit counts as read, even past the range";
    pos = 4;
    EXPECT_EQ(LeadingInt32("1868 - x", &pos), 0);
    EXPECT_EQ(pos, 4u) << "blanks and a sign alone are not read";
    pos = 4;
    EXPECT_EQ(LeadingInt32("1868", &pos), 0);
    EXPECT_EQ(pos, 4u);
}

TEST(LenientText, TheUnsignedReadingWrapsNegativesAndSaturatesPastThirtyTwoBits) {
    EXPECT_EQ(LeadingUint32("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(LeadingUint32("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(LeadingUint32("-4294967295"), 1u);
    EXPECT_EQ(LeadingUint32("-2147483648"), 0x80000000u);
    EXPECT_EQ(LeadingUint32("4294967296"), 0xFFFFFFFFu);
    EXPECT_EQ(LeadingUint32("-4294967296"), 0xFFFFFFFFu) << "too large saturates whatever the sign";
    EXPECT_EQ(LeadingUint32("99999999999999999999999999"), 0xFFFFFFFFu);
}

TEST(LenientText, TheWideReadingHoldsTheSizeToItsLimit) {
    constexpr std::int64_t kLimit = 1'000'000'000'000'000'000LL;
    EXPECT_EQ(LeadingInt64("999999999999999999", kLimit), 999'999'999'999'999'999LL);
    EXPECT_EQ(LeadingInt64("1000000000000000001", kLimit), kLimit);
    // Past 64 bits the digits must not wrap around to a small or negative number.
    EXPECT_EQ(LeadingInt64("18446744073709551617", kLimit), kLimit);
    EXPECT_EQ(LeadingInt64("-99999999999999999999999999", kLimit), -kLimit);
    EXPECT_EQ(LeadingInt64("-5", 3), -3);
    EXPECT_EQ(LeadingInt64("9223372036854775807", std::numeric_limits<std::int64_t>::max()),
              std::numeric_limits<std::int64_t>::max());
}
