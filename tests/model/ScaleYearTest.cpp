#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CFormatError.h"
#include "model/CScaleYear.h"

#include <gtest/gtest.h>

namespace {

CScaleYear Parse(std::string_view text) { return CScaleYear::ParseYearText(text).year; }

void ExpectFields(const CScaleYear& y, std::int32_t value, std::uint32_t unit) {
    EXPECT_EQ(y.value, value);
    EXPECT_EQ(y.unit, unit);
}

}  // namespace

TEST(CScaleYear, NewNumberIsTheUnknownYear) {
    const CScaleYear y;
    ExpectFields(y, 2147483647, 1);
    EXPECT_TRUE(y.IsUnknown());
    EXPECT_FALSE(CScaleYear(1900).IsUnknown());
}

// The unknown year is the exact pair (2147483647, 1), not whatever compares
// equal to it once the units are aligned: a death of 2147483648 years is a death.
TEST(CScaleYear, OnlyTheExactFieldsAreTheUnknownYear) {
    EXPECT_FALSE(CScaleYear(214748364, 10).IsUnknown());
    EXPECT_FALSE(Parse("2147483648").IsUnknown());
    EXPECT_FALSE(CScaleYear(21474836, 100).IsUnknown());
    EXPECT_TRUE(Parse("2147483647").IsUnknown());
}

TEST(CScaleYear, ParsesSignsDigitsAndStopsAtTheFirstNonDigit) {
    ExpectFields(Parse("-660"), -660, 1);
    ExpectFields(Parse("+15"), 15, 1);
    ExpectFields(Parse(""), 0, 1);
    ExpectFields(Parse("abc"), 0, 1);
    const auto r = CScaleYear::ParseYearText("1234/2/4");
    ExpectFields(r.year, 1234, 1);
    EXPECT_EQ(r.end, 4u);
    EXPECT_EQ(CScaleYear::ParseYearText("-x").end, 1u);  // after the sign when there is no digit
}

TEST(CScaleYear, CarriesDigitsBeyondThe32BitLimitInTheUnit) {
    ExpectFields(Parse("1234567891234"), 1234567891, 1000);
    ExpectFields(Parse("39999999999"), 399999999, 100);  // nine digits when the number starts above 2
    ExpectFields(Parse("2147483647"), 2147483647, 1);
    // Would overflow 32 bits: the last digit moves into the unit instead of wrapping.
    ExpectFields(Parse("2999999999"), 299999999, 10);
    ExpectFields(Parse("-2999999999"), -299999999, 10);
    ExpectFields(Parse("29999999999"), 299999999, 100);
    // Leading zeros are not significant digits.
    ExpectFields(Parse("0000000001234"), 1234, 1);
}

TEST(CScaleYear, FormatsBackToTheSameNumber) {
    EXPECT_EQ(CScaleYear(5, 10).FormatYearText(), "50");
    EXPECT_EQ(CScaleYear(123, 1000).FormatYearText(), "123000");
    EXPECT_EQ(CScaleYear(-660, 1).FormatYearText(), "-660");
    EXPECT_EQ(Parse("39999999999").FormatYearText(), "39999999900");
    for (const char* text : {"1", "-1", "1995", "123000", "-2000000000", "39999999900"}) {
        EXPECT_EQ(Parse(Parse(text).FormatYearText()), Parse(text)) << text;
    }
}

TEST(CScaleYear, MixedUnitsAlignToTheCoarserUnit) {
    const CScaleYear a(1995, 1);
    const CScaleYear b(200, 10);
    EXPECT_TRUE(a < b);  // 199 < 200 in tens
    EXPECT_FALSE(b < a);
    const CScaleYear d = a - b;
    ExpectFields(d, -1, 10);
    ExpectFields(b - a, 1, 10);
    ExpectFields(a + b, 399, 10);
    EXPECT_TRUE(CScaleYear(1990, 1) == CScaleYear(199, 10));
    EXPECT_TRUE(CScaleYear(1900) >= CScaleYear(1900));
    EXPECT_TRUE(CScaleYear(1901) > CScaleYear(1900));
}

TEST(CScaleYear, ValueInAnotherUnit) {
    const auto coarse = CScaleYear(5, 100).ValueIn(1);
    EXPECT_EQ(coarse.value, 5);
    EXPECT_EQ(coarse.multiplier, 100u);
    const auto fine = CScaleYear(1995, 1).ValueIn(10);
    EXPECT_EQ(fine.value, 199);
    EXPECT_EQ(fine.multiplier, 1u);
    EXPECT_EQ(CScaleYear(-1995, 1).ValueIn(10).value, -199);  // truncates toward zero
}

TEST(CScaleYear, StepsOnlyWhenCountedInSingleYears) {
    ExpectFields(CScaleYear(5, 10).Incremented(), 5, 10);
    ExpectFields(CScaleYear(5, 10).Decremented(), 5, 10);
    ExpectFields(CScaleYear(-1, 1).Incremented(), 0, 1);
    ExpectFields(CScaleYear(0, 1).Decremented(), -1, 1);
}

TEST(CScaleYear, DifferencesBeyond32BitsMoveDigitsIntoTheUnit) {
    const CScaleYear d = CScaleYear(2000000000) - CScaleYear(-2000000000);
    EXPECT_EQ(static_cast<std::int64_t>(d.value) * d.unit, 4000000000LL);
}

TEST(CScaleYear, FileFormIsValueThenUnitLittleEndian) {
    CArchiveWriter w;
    CScaleYear(-2, 100).Write(w);
    EXPECT_EQ(w.Bytes(), std::string("\xFE\xFF\xFF\xFF\x64\x00\x00\x00", 8));
    CArchiveReader r(w.Bytes());
    ExpectFields(CScaleYear::Read(r), -2, 100);
}

TEST(CScaleYear, AUnitThatIsNotAPowerOfTenIsADamagedFile) {
    for (const std::uint32_t unit : {0u, 7u, 110u}) {
        CArchiveWriter w;
        w.WriteInt32(5);
        w.WriteUInt32(unit);
        CArchiveReader r(w.Bytes());
        EXPECT_THROW(CScaleYear::Read(r), CFormatError) << unit;
    }
}
