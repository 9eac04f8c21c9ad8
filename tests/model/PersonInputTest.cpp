#include "model/CPersonInput.h"

#include "model/CCategory.h"

#include <gtest/gtest.h>

namespace {

CPersonInput Dates(const char* birth, const char* death) {
    CPersonInput in;
    in.name = "人";
    in.birthText = birth;
    in.deathText = death;
    return in;
}

// Runs the checks with a year-0 question that must not come up.
CPersonInput::CheckResult CheckNoQuestion(CPersonInput& in) {
    return in.Check(CPerson{}, nullptr, [] {
        ADD_FAILURE() << "year-0 question asked";
        return false;
    });
}

std::string Refusal(const char* birth, const char* death) {
    CPersonInput in = Dates(birth, death);
    const auto r = CheckNoQuestion(in);
    EXPECT_FALSE(r.person.has_value()) << birth << " / " << death;
    return r.message != nullptr ? r.message : "";
}

}  // namespace

// The window tests cover the birth side of these; here the death side and
// what the dialog cannot show.
TEST(CPersonInput, QuestionMarkAloneMeansAnUnknownUncertainDate) {
    CPersonInput in = Dates("1800", "?");
    const auto r = CheckNoQuestion(in);
    ASSERT_TRUE(r.person);
    EXPECT_TRUE(r.person->death.IsUnknown());
    EXPECT_TRUE(r.person->deathUncertain);
    EXPECT_TRUE(in.deathUncertain) << "the input shows the mark too";
    EXPECT_EQ(in.deathText, "");
    EXPECT_FALSE(CPersonInput::IsUnknownMark("1900?"));
}

TEST(CPersonInput, MonthAndDayMustBeInRangeButTheDayIsNotHeldAgainstTheMonth) {
    for (const char* bad : {"500/13", "500/0", "500.", "500/1/32", "500/1/0"}) {
        EXPECT_EQ(Refusal(bad, ""), "月日の設定が間違っています") << bad;
    }
    EXPECT_EQ(Refusal("500", "600/12/40"), "月日の設定が間違っています");
    CPersonInput in = Dates("500/2/31", "500/12");
    EXPECT_TRUE(CheckNoQuestion(in).person);
}

TEST(CPersonInput, DeathYearZeroIsAskedAboutOnlyAfterTheOrderOfTheYears) {
    int asked = 0;
    CPersonInput in = Dates("-5", "0");
    const auto r = in.Check(CPerson{}, nullptr, [&] { return ++asked, false; });
    EXPECT_FALSE(r.person);
    EXPECT_EQ(r.message, nullptr) << "declining needs no further message";
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Refusal("5", "0"), "没年の方が生年よりも早い年となっています");
}

TEST(CPersonInput, YearsNeedingMoreThanThreeZerosAreRefused) {
    EXPECT_EQ(Refusal("100", "12345678901234"), "没年数値が大きするか、小さすぎます");
    // This one reads as the value that means "not known": never silently.
    EXPECT_EQ(Refusal("2147483647", ""), "生年数値が大きするか、小さすぎます");
    // Only that exact value: one digit more is a year like any other, kept to its leading digits.
    CPersonInput in = Dates("1900", "2147483649");
    const auto r = CheckNoQuestion(in);
    ASSERT_TRUE(r.person);
    EXPECT_FALSE(r.person->death.IsUnknown());
    EXPECT_EQ(r.person->FormatDeathText(false), "2147483640");
}

TEST(CPersonInput, OneYearMustBeKnown) {
    CPersonInput in = Dates("", "");
    in.birthUncertain = true;
    EXPECT_EQ(CheckNoQuestion(in).message, std::string("少なくとも生年または没年のどちらかは入れてください"));
    in = Dates("", "1900");
    in.birthUncertain = true;
    EXPECT_TRUE(CheckNoQuestion(in).person);
}

TEST(CPersonInput, DeathBeforeBirthIsJudgedInTheCoarserUnit) {
    EXPECT_EQ(Refusal("1995", "1990"), "没年の方が生年よりも早い年となっています");
    // 1234567890123 keeps 1234567890 thousands: 1234567890000 is the same year.
    CPersonInput in = Dates("1234567890123", "1234567890000");
    EXPECT_TRUE(CheckNoQuestion(in).person);
    EXPECT_EQ(Refusal("1234567890123", "1234567889000"), "没年の方が生年よりも早い年となっています");
}

TEST(CPersonInput, AcceptedRecordReplacesEditedFieldsAndKeepsTheRest) {
    CPerson base;
    base.categoryColor = 0x123456;
    base.categoryName = "old";
    base.reservedFlag1 = false;
    base.name = "before";
    CCategory category(0x00FF00, "武将", false);

    CPersonInput in = Dates("1600[頃]/3", "1650/10/2");
    in.name = "信長";
    in.reading = "のぶなが";
    in.note = "一行目\r\n二行目";
    in.kazoe = true;
    in.ageUncertain = true;
    in.hideDeath = true;
    const auto r = CheckNoQuestion(in);
    ASSERT_TRUE(r.person);
    const CPerson& p = *r.person;
    EXPECT_EQ(p.name, "信長");
    EXPECT_EQ(p.reading, "のぶなが");
    EXPECT_EQ(p.comment, "一行目\r\n二行目");
    EXPECT_TRUE(p.birth.SameFields(CScaleYear(1600, 1)));
    EXPECT_EQ(p.birthMonth, 3);
    EXPECT_EQ(p.birthDay, -1);
    EXPECT_EQ(p.birthNote, "[頃]");
    EXPECT_EQ(p.BirthKey(), (1600LL * 100 + 3) * 100);
    EXPECT_EQ(p.DeathKey(), (1650LL * 100 + 10) * 100 + 2);
    EXPECT_TRUE(p.kazoe && p.ageUncertain && p.hideDeath);
    EXPECT_FALSE(p.birthUncertain || p.hideBirth || p.hideAge);

    const auto withCategory = Dates("1600", "").Check(base, &category, [] { return false; });
    ASSERT_TRUE(withCategory.person);
    EXPECT_EQ(withCategory.person->category, &category);
    EXPECT_EQ(withCategory.person->categoryColor, 0x123456u);
    EXPECT_FALSE(withCategory.person->reservedFlag1);
    EXPECT_TRUE(withCategory.person->death.IsUnknown());
    EXPECT_EQ(withCategory.person->DeathKey(), CPerson::kLargestKey);
}

TEST(CPersonInput, OpeningARecordShowsItsDatesAndHidesTheAgeWithoutABirth) {
    CPerson p;
    p.name = "名";
    p.SetBirth(CScaleYear(1900));
    p.birthMonth = 10;
    p.birthDay = 1;
    p.birthNote = "[頃]";
    p.deathNote = "[不明]";
    p.comment = "a\r\nb";
    CPersonInput in = CPersonInput::FromPerson(p);
    EXPECT_EQ(in.birthText, "1900/10/1[頃]");
    EXPECT_EQ(in.deathText, "") << "no death year: empty, note or not";
    EXPECT_FALSE(in.hideAge);

    p.SetBirth(CScaleYear::Unknown());
    in = CPersonInput::FromPerson(p);
    EXPECT_EQ(in.birthText, "[頃]");
    EXPECT_TRUE(in.hideAge);

    EXPECT_EQ(CPersonInput::NoteFromEdit("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(CPersonInput::NoteToEdit("a\r\nb\r\n"), "a\nb\n");
}
