#include "interchange/CBasePointYearTransfer.h"
#include "interchange/CImportCSV.h"
#include "interchange/CLineCSV.h"
#include "model/CCategory.h"
#include "model/CPerson.h"

#include <gtest/gtest.h>

namespace {

// A person read from one line of CSV text, as the import reads it.
std::optional<CPerson> FromText(const std::string& text) {
    CImportCSV csv("x.csv");
    if (!csv.ReadBytes("\xEF\xBB\xBF" + text + "\r\n") || csv.LineCount() != 1) {
        ADD_FAILURE() << "not one line: " << text;
        return std::nullopt;
    }
    CPerson p;
    if (!p.FromCsvFields(csv.Line(0))) {
        return std::nullopt;
    }
    return p;
}

std::string ToText(const CPerson& p) {
    CLineCSV line;
    p.ToCsvFields(line);
    return line.ToText();
}

}  // namespace

TEST(CPersonCsv, ReadsAllSixColumns) {
    const auto p = FromText("1900/10/1,1950/5/1,山田,やまだ,政治,\"first\\r\\nsecond\"");
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->birth.SameFields(CScaleYear(1900)));
    EXPECT_EQ(p->birthMonth, 10);
    EXPECT_EQ(p->birthDay, 1);
    EXPECT_TRUE(p->death.SameFields(CScaleYear(1950)));
    EXPECT_EQ(p->deathMonth, 5);
    EXPECT_EQ(p->deathDay, 1);
    EXPECT_EQ(p->BirthKey(), 19001001);
    EXPECT_EQ(p->DeathKey(), 19500501);
    EXPECT_EQ(p->name, "山田");
    EXPECT_EQ(p->reading, "やまだ");
    EXPECT_EQ(p->categoryName, "政治");
    EXPECT_EQ(p->comment, "first\r\nsecond");
    EXPECT_FALSE(p->birthUncertain || p->deathUncertain || p->ageUncertain || p->hideAge);
}

TEST(CPersonCsv, QuestionMarksMeanUnknownOrUncertain) {
    const auto unknownBirth = FromText("?,1950,a");
    ASSERT_TRUE(unknownBirth);
    EXPECT_TRUE(unknownBirth->birth.IsUnknown());
    EXPECT_EQ(unknownBirth->BirthKey(), CPerson::kLargestKey);
    EXPECT_TRUE(unknownBirth->hideBirth && unknownBirth->hideAge && unknownBirth->birthUncertain &&
                unknownBirth->ageUncertain);
    EXPECT_FALSE(unknownBirth->hideDeath);

    const auto unknownDeath = FromText("1900,?,a");
    ASSERT_TRUE(unknownDeath);
    EXPECT_TRUE(unknownDeath->death.IsUnknown());
    EXPECT_TRUE(unknownDeath->hideDeath && unknownDeath->deathUncertain && unknownDeath->hideAge);
    EXPECT_FALSE(unknownDeath->hideBirth || unknownDeath->birthUncertain);

    EXPECT_FALSE(FromText("?,?,a")) << "a person needs one of the two years";

    const auto uncertainLiving = FromText("1900?,,");
    ASSERT_TRUE(uncertainLiving);
    EXPECT_TRUE(uncertainLiving->birth.SameFields(CScaleYear(1900)));
    EXPECT_TRUE(uncertainLiving->birthUncertain && uncertainLiving->ageUncertain);
    EXPECT_FALSE(uncertainLiving->hideAge);
    EXPECT_TRUE(uncertainLiving->death.IsUnknown());
    EXPECT_EQ(uncertainLiving->name, "");

    // The mark may stand anywhere, also inside a note.
    const auto note = FromText("1600[頃]/3?,?16?50,a");
    ASSERT_TRUE(note);
    EXPECT_EQ(note->birthNote, "[頃]");
    EXPECT_EQ(note->birthMonth, 3);
    EXPECT_TRUE(note->death.SameFields(CScaleYear(1650)));
    EXPECT_TRUE(note->deathUncertain);
}

// A death year just past the 32-bit range keeps its leading digits and stays
// a death, here and when it leaves for Annalix.
TEST(CPersonCsv, ADeathPastThe32BitRangeIsNoLivingPerson) {
    const auto p = FromText("1900,2147483648,a");
    ASSERT_TRUE(p);
    EXPECT_FALSE(p->death.IsUnknown());
    EXPECT_EQ(ToText(*p), "1900,2147483640,a,,,");
    CBasePointYear record;
    ASSERT_EQ(CBasePointYearTransfer::ToRecord(*p, record), CBasePointYearTransfer::MapResult::Ok);
    EXPECT_EQ(record.spanEnd, 2147483640);
}

TEST(CPersonCsv, LinesWithoutTheRequiredColumnsAreRejected) {
    EXPECT_FALSE(FromText(",1950,x"));
    EXPECT_FALSE(FromText("1900,1950"));
    EXPECT_FALSE(FromText(""));
    EXPECT_FALSE(FromText("1900"));
    // A header is not recognised: it is someone born in the year 0.
    const auto header = FromText("生年,没年,名前");
    ASSERT_TRUE(header);
    EXPECT_TRUE(header->birth.SameFields(CScaleYear(0)));
    EXPECT_EQ(header->name, "名前");
}

TEST(CPersonCsv, WritesDatesNotesAndMarks) {
    CPerson p;
    p.SetBirth(CScaleYear(1900));
    p.birthMonth = 10;
    p.birthDay = 1;
    p.birthNote = "[頃]";
    p.birthUncertain = true;
    p.name = "Doe, John";
    p.deathNote = "[不明]";  // no death year: no note either
    EXPECT_EQ(ToText(p), "1900/10/1[頃]?,,\"Doe, John\",,,");

    CCategory category(0x123456, "政治", false);
    CPerson q;
    q.birthNote = "[推定]";  // written although the year is unknown
    q.birthUncertain = true;
    q.SetDeath(CScaleYear(-660));
    q.deathUncertain = true;
    q.categoryName = "stale";
    q.category = &category;
    q.comment = "a\r\nb";
    EXPECT_EQ(ToText(q), "[推定]?,-660?,,,政治,\"a\nb\"");
}

TEST(CPersonCsv, WrittenLinesReadBackToTheSamePerson) {
    CPerson p;
    p.SetBirth(CScaleYear(1534));
    p.birthMonth = 6;
    p.SetDeath(CScaleYear(1582));
    p.deathMonth = 6;
    p.deathDay = 21;
    p.deathNote = "[頃]";
    p.deathUncertain = true;
    p.name = "表ソ能ア \"the\" name, 〆";
    p.reading = "のぶ,\"なが\"";
    p.categoryName = "武将";
    p.comment = "one, \"1\"\r\ntwo\r\n\r\nfour 表\\";

    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes("\xEF\xBB\xBF" + ToText(p) + "\r\n"));
    CPerson back;
    ASSERT_TRUE(back.FromCsvFields(csv.Line(0)));
    EXPECT_EQ(back.FormatBirthText(false), p.FormatBirthText(false));
    EXPECT_EQ(back.FormatDeathText(false), p.FormatDeathText(false));
    EXPECT_EQ(back.deathUncertain, true);
    EXPECT_EQ(back.name, p.name);
    EXPECT_EQ(back.reading, p.reading);
    EXPECT_EQ(back.categoryName, p.categoryName);
    EXPECT_EQ(back.comment, p.comment);
}
