#include "model/CPerson.h"

#include <gtest/gtest.h>

namespace {

CPerson Person(const char* birth, const char* death = nullptr) {
    CPerson p;
    const auto b = CPerson::ParseDateText(birth);
    p.birthMonth = b.month;
    p.birthDay = b.day;
    p.birthNote = b.note;
    p.SetBirth(b.year);
    if (death != nullptr) {
        const auto d = CPerson::ParseDateText(death);
        p.deathMonth = d.month;
        p.deathDay = d.day;
        p.deathNote = d.note;
        p.SetDeath(d.year);
    }
    return p;
}

std::int64_t AgeValue(const CPerson& p, std::optional<CScaleYear> at, int now = 2026) {
    const auto age = p.AgeAt(at, now);
    EXPECT_TRUE(age.has_value());
    return age ? static_cast<std::int64_t>(age->value) * age->unit : 0;
}

}  // namespace

TEST(CPersonDateText, SplitsYearMonthDayAtAnySeparator) {
    auto d = CPerson::ParseDateText("1234/2/4");
    EXPECT_EQ(d.year, CScaleYear(1234));
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 4);
    d = CPerson::ParseDateText("1234/2");
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, -1);
    d = CPerson::ParseDateText("1234");
    EXPECT_EQ(d.month, -1);
    EXPECT_EQ(d.day, -1);
    d = CPerson::ParseDateText("1234.");
    EXPECT_EQ(d.month, 0);
    EXPECT_EQ(d.day, -1);
    d = CPerson::ParseDateText("1868-10-23");
    EXPECT_EQ(d.month, 10);
    EXPECT_EQ(d.day, 23);
    d = CPerson::ParseDateText("-660");
    EXPECT_EQ(d.year, CScaleYear(-660));
    EXPECT_EQ(CPerson::ParseDateText("昔").year.value, 0);
}

TEST(CPersonDateText, KeepsABracketedNoteApartWhereverItStands) {
    auto d = CPerson::ParseDateText("1600[頃]/3");
    EXPECT_EQ(d.year, CScaleYear(1600));
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.note, "[頃]");
    d = CPerson::ParseDateText("[推定]1600/5");
    EXPECT_EQ(d.year, CScaleYear(1600));
    EXPECT_EQ(d.month, 5);
    EXPECT_EQ(d.note, "[推定]");
    d = CPerson::ParseDateText("1600[頃");
    EXPECT_EQ(d.note, "[頃");  // runs to the end without "]"
    EXPECT_EQ(d.month, -1);
}

// A "]" before the "[" closes nothing: the note runs to the first "]" after
// its "[", or to the end, and the stray "]" stays in the date part.
TEST(CPersonDateText, AClosingBracketBeforeTheOpeningOneIsNotTheNotesEnd) {
    auto d = CPerson::ParseDateText("1600/3/4][頃]");
    EXPECT_EQ(d.note, "[頃]");
    EXPECT_EQ(d.year, CScaleYear(1600));
    EXPECT_EQ(d.month, 3);
    EXPECT_EQ(d.day, 4);
    d = CPerson::ParseDateText("1600/3/4][頃");
    EXPECT_EQ(d.note, "[頃");
    EXPECT_EQ(d.day, 4);
    d = CPerson::ParseDateText("]1600[頃]");
    EXPECT_EQ(d.note, "[頃]");
    EXPECT_EQ(d.year, CScaleYear(0)) << "the year stops at the stray bracket";
}

TEST(CPersonDateText, FormatsWithNoteAndYearOnly) {
    CPerson p = Person("1600[頃]/3");
    EXPECT_EQ(p.FormatBirthText(false), "1600/3[頃]");
    EXPECT_EQ(p.FormatBirthText(true), "1600[頃]");
    p = Person("1234/2/4");
    EXPECT_EQ(p.FormatBirthText(false), "1234/2/4");
    CPerson unknown;
    unknown.birthNote = "[不明]";
    EXPECT_EQ(unknown.FormatBirthText(false), "[不明]");  // the note alone
    EXPECT_EQ(CPerson().FormatDeathText(false), "");
    p = Person("1", "39999999999");
    EXPECT_EQ(p.FormatDeathText(false), "39999999900");
}

TEST(CPersonKeys, OrderByYearThenMonthThenDayWithMissingPartsFirst) {
    const CPerson year = Person("1900");
    const CPerson january1 = Person("1900/1/1");
    const CPerson february = Person("1900/2");
    EXPECT_LT(year.BirthKey(), january1.BirthKey());
    EXPECT_LT(january1.BirthKey(), february.BirthKey());
    EXPECT_EQ(year.BirthKey(), 190000 * 100LL);
    EXPECT_EQ(CPerson().BirthKey(), CPerson::kLargestKey);
    EXPECT_EQ(CPerson().DeathKey(), CPerson::kLargestKey);
    // The raw value is used, its unit ignored; wide enough not to overflow.
    const CPerson far = Person("-2000000000");
    EXPECT_LT(far.BirthKey(), year.BirthKey());
    EXPECT_EQ(far.BirthKey(), -2000000000LL * 10000);
}

TEST(CPersonAge, CompletedYearsWithMonthAndDayCorrection) {
    const CPerson p = Person("1900/10/1", "1950/5/1");
    EXPECT_EQ(AgeValue(p, std::nullopt), 49);
    EXPECT_EQ(AgeValue(p, CScaleYear(1960)), 59);  // the death's month and day still count
    EXPECT_EQ(AgeValue(Person("1900/5/10", "1950/5/9"), std::nullopt), 49);
    EXPECT_EQ(AgeValue(Person("1900/5/10", "1950/5/10"), std::nullopt), 50);
    EXPECT_EQ(AgeValue(Person("1900/5", "1950"), std::nullopt), 50);  // no death month: no correction
}

TEST(CPersonAge, ThereIsNoYearZero) {
    EXPECT_EQ(AgeValue(Person("-10"), CScaleYear(10)), 19);
    EXPECT_EQ(AgeValue(Person("-10"), CScaleYear(-1)), 9);
    EXPECT_EQ(AgeValue(Person("1"), CScaleYear(10)), 9);
}

TEST(CPersonAge, KazoeAddsOneFromTheBirthYearOn) {
    CPerson p = Person("1900");
    p.kazoe = true;
    EXPECT_EQ(AgeValue(p, CScaleYear(1900)), 1);
    EXPECT_EQ(AgeValue(p, CScaleYear(1899)), -1);
    EXPECT_EQ(AgeValue(p, CScaleYear(1950)), 51);
}

TEST(CPersonAge, LivingPeopleAreMeasuredAtTheCurrentYear) {
    const CPerson living = Person("1950/4/1");
    EXPECT_EQ(AgeValue(living, std::nullopt, 2026), 76);
    EXPECT_EQ(AgeValue(living, std::nullopt, 2030), 80);
    EXPECT_FALSE(living.IsAgeHidden());
}

TEST(CPersonAge, UnknownBirthHasNoAgeAndHidesIt) {
    CPerson p;
    p.SetDeath(CScaleYear(1950));
    EXPECT_FALSE(p.AgeAt(std::nullopt, 2026).has_value());
    EXPECT_FALSE(p.AgeAtYear(1940).has_value());
    EXPECT_TRUE(p.IsAgeHidden());
    CPerson hidden = Person("1900");
    hidden.hideAge = true;
    EXPECT_TRUE(hidden.IsAgeHidden());
}

TEST(CPersonAge, CoarseYearsSkipTheSingleYearSteps) {
    CPerson p;
    p.SetBirth(CScaleYear(-5, 100000));  // about 500,000 years ago
    p.kazoe = true;
    const auto age = p.AgeAt(CScaleYear(2000), 2026);
    ASSERT_TRUE(age.has_value());
    EXPECT_EQ(age->unit, 100000u);
    EXPECT_EQ(age->value, 5);  // 2000 aligned to 100000 is 0; no kazoe or year-0 step in that unit
}
