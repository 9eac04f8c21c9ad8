// The GEDCOM writer, exact bytes and round trips through the reader, and
// the import of a file into a document: categories, cancelling, failures.
#include "interchange/CGedcomReader.h"
#include "interchange/CGedcomTransfer.h"
#include "interchange/CGedcomWriter.h"
#include "model/CCategoryTable.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CScratchDir.h"
#ifndef _WIN32
#include "support/core/ChildProcess.h"
#endif

#include <gtest/gtest.h>

#include <set>

namespace {

struct Date {
    int year;
    int month = -1;
    int day = -1;
    const char* note = "";
    bool uncertain = false;
};

CPerson Make(const std::string& name, std::optional<Date> birth, std::optional<Date> death, bool deadUnknown = false) {
    CPerson p;
    p.name = name;
    if (birth) {
        p.birth = CScaleYear(birth->year);
        p.birthMonth = birth->month;
        p.birthDay = birth->day;
        p.birthNote = birth->note;
        p.birthUncertain = birth->uncertain;
    } else {
        p.hideBirth = p.hideAge = p.birthUncertain = true;
    }
    if (death) {
        p.death = CScaleYear(death->year);
        p.deathMonth = death->month;
        p.deathDay = death->day;
        p.deathNote = death->note;
        p.deathUncertain = death->uncertain;
    } else if (deadUnknown) {
        p.hideDeath = p.hideAge = p.deathUncertain = true;
    }
    p.ageUncertain = p.birthUncertain || p.deathUncertain;
    return p;
}

std::string Text(const std::vector<const CPerson*>& people, CGedcomWriter::Version v) {
    std::string out;
    CGedcomWriter(v).Write(people, out);
    return out;
}

TEST(GedcomWriterTest, WritesTheStandardsLinesExactly) {
    CPerson p = Make("織田信長", Date{1534, 6, 23}, Date{1582, 6, 21, "[頃]", true});
    p.reading = "おだのぶなが";
    p.comment = "mail@home\r\n" + std::string(130, 'a') + " b";
    p.categoryName = "戦国";
    EXPECT_EQ(Text({&p}, CGedcomWriter::Version::V551),
              "0 HEAD\n1 SOUR VITACHRON\n2 NAME Vitachron\n1 SUBM @U1@\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n"
              "1 CHAR UTF-8\n0 @U1@ SUBM\n1 NAME Vitachron\n"
              "0 @I1@ INDI\n1 NAME 織田信長\n2 FONE おだのぶなが\n3 TYPE kana\n1 BIRT\n2 DATE 23 JUN 1534\n"
              "1 DEAT\n2 DATE ABT 21 JUN 1582\n1 NOTE mail@@home\n2 CONT " +
                  std::string(120, 'a') + "\n2 CONC " + std::string(10, 'a') + " b\n1 _VCCAT 戦国\n0 TRLR\n");
    // 7.0: the version first, TRAN with a language, no CONC, BCE, "@" doubled only in front.
    CPerson q = Make("@Caesar", Date{-100, 7, 12}, Date{-44, 3, 15, "[旧暦]"});
    q.reading = "かえさる";
    q.comment = std::string(300, 'z');
    EXPECT_EQ(Text({&q}, CGedcomWriter::Version::V70),
              "0 HEAD\n1 GEDC\n2 VERS 7.0\n1 SOUR VITACHRON\n2 NAME Vitachron\n"
              "0 @I1@ INDI\n1 NAME @@Caesar\n2 TRAN かえさる\n3 LANG ja-Hrkt\n1 BIRT\n2 DATE 12 JUL 100 BCE\n"
              "1 DEAT\n2 DATE 15 MAR 44 BCE\n2 _VCDATE -44/3/15[旧暦]\n1 NOTE " +
                  std::string(300, 'z') + "\n0 TRLR\n");
    // 5.5.1 keeps every line of the file within its 255 bytes.
    CPerson r = Make(std::string(400, '@'), Date{1900}, std::nullopt);
    const std::string long551 = Text({&r}, CGedcomWriter::Version::V551);
    std::size_t start = 0;
    for (std::size_t end = long551.find('\n'); end != std::string::npos; end = long551.find('\n', start)) {
        EXPECT_LE(end - start, 255u);
        start = end + 1;
    }
}

// Everything the writer carries comes back as it was, in both versions.
TEST(GedcomWriterTest, RoundTripGivesTheSamePeople) {
    std::vector<CPerson> people;
    people.push_back(Make("John Smith", Date{1901, 3, 3}, Date{1980}));
    people.push_back(Make("坂本龍馬", Date{1836, 1, 3, "[旧暦]"}, Date{1867, 12, 10}));
    people.push_back(Make("Uncertain", Date{1600, -1, -1, "", true}, Date{1650, 5, -1, "[以前]", true}));
    people.push_back(Make("Qualified", Date{1600, -1, -1, "[推定]", true}, Date{1700, -1, -1, "[～1710]", true}));
    people.push_back(Make("Ancient", Date{-660}, Date{-585, 3, 11, "[伝]", true}));
    people.push_back(Make("DeadUnknown", Date{1950}, std::nullopt, true));
    people.push_back(Make("Living", Date{1990, 4, 1}, std::nullopt));
    people.push_back(Make("OnlyDeath", std::nullopt, Date{1800, 1, 1, "[埋葬]", true}));
    people.push_back(Make("OddMonth", Date{1900, 13, 40}, Date{1950, -1, -1, "[a(b)c]"}));
    people.push_back(Make("Old living", Date{1700}, std::nullopt));
    people[1].reading = "さかもとりょうま";
    people[1].comment = "土佐藩士\r\n\r\n" + std::string(500, 'x') + " @ " + std::string(3, ' ');
    people[2].categoryName = "分類 A";
    for (const auto version : {CGedcomWriter::Version::V551, CGedcomWriter::Version::V70}) {
        std::vector<const CPerson*> pointers;
        for (const CPerson& p : people) {
            pointers.push_back(&p);
        }
        const std::string text = Text(pointers, version);
        CGedcomReader reader(2026);
        ASSERT_TRUE(reader.ReadBytes(text, 97)) << reader.FailureText();
        EXPECT_TRUE(reader.FromThisProgram());
        EXPECT_EQ(reader.ReportText(), "");
        ASSERT_EQ(reader.People().size(), people.size());
        for (std::size_t i = 0; i < people.size(); ++i) {
            const CPerson& a = people[i];
            const CPerson& b = *reader.People()[i].person;
            SCOPED_TRACE(a.name);
            EXPECT_EQ(b.name, a.name);
            EXPECT_EQ(b.reading, a.reading);
            EXPECT_EQ(b.comment, a.comment);
            EXPECT_EQ(reader.People()[i].category, a.categoryName);
            EXPECT_EQ(b.FormatBirthText(false), a.FormatBirthText(false));
            EXPECT_EQ(b.FormatDeathText(false), a.FormatDeathText(false));
            EXPECT_TRUE(b.birth.SameFields(a.birth));
            EXPECT_TRUE(b.death.SameFields(a.death));
            EXPECT_EQ(b.birthUncertain, a.birthUncertain);
            EXPECT_EQ(b.deathUncertain, a.deathUncertain);
            EXPECT_EQ(b.ageUncertain, a.ageUncertain);
            EXPECT_EQ(b.hideBirth, a.hideBirth);
            EXPECT_EQ(b.hideDeath, a.hideDeath);
            EXPECT_EQ(b.BirthKey(), a.BirthKey());
            EXPECT_EQ(b.DeathKey(), a.DeathKey());
        }
    }
}

class GedcomTransferTest : public ::testing::Test {
protected:
    std::filesystem::path File(const std::string& name, const std::string& body) {
        return dir.Write(name, "0 HEAD\n1 CHAR UTF-8\n" + body + "0 TRLR\n");
    }
    CScratchDir dir;
    CRecordingHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
};

TEST_F(GedcomTransferTest, GroupsIntoCategoriesOfDistinctColours) {
    std::string body;
    for (int i = 0; i < 200; ++i) {
        body += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME G /S" + std::to_string(i % 100) + "/\n1 SEX " +
                (i % 3 == 0 ? "M" : i % 3 == 1 ? "F" : "U") + "\n1 BIRT\n2 DATE 1900\n";
    }
    const auto file = File("family.ged", body);
    const std::size_t before = doc.CategoryTable().Size();
    CGedcomImportOptions options;
    options.kazoe = true;
    CGedcomImportResult r = CGedcomTransfer::Import(doc, file, options);
    ASSERT_TRUE(r.read);
    EXPECT_EQ(r.added, 200u);
    EXPECT_EQ(doc.People()[0]->category->name, "family");
    EXPECT_TRUE(doc.People()[0]->kazoe);
    EXPECT_EQ(doc.CategoryTable().Size(), before + 1);

    options.grouping = GedcomGrouping::Sex;
    options.kazoe = false;
    r = CGedcomTransfer::Import(doc, file, options);
    EXPECT_EQ(doc.People()[200]->category->name, "男性");
    EXPECT_EQ(doc.People()[201]->category->name, "女性");
    EXPECT_EQ(doc.People()[202]->category->name, "性別不明");
    EXPECT_FALSE(doc.People()[200]->kazoe);

    // By surname: the most frequent ones each, the rest together.
    options.grouping = GedcomGrouping::Surname;
    r = CGedcomTransfer::Import(doc, file, options);
    std::set<std::string> names;
    for (std::size_t i = 400; i < 600; ++i) {
        names.insert(doc.People()[i]->category->name);
    }
    EXPECT_EQ(names.size(), CGedcomTransfer::kMaxSurnameCategories);
    EXPECT_EQ(names.count("その他の姓"), 1u);
    // Every new category its own colour, none an old category's.
    std::set<std::uint32_t> colors;
    for (std::size_t i = 0; i < doc.CategoryTable().Size(); ++i) {
        const std::uint32_t c = doc.CategoryTable().At(i)->color;
        EXPECT_TRUE(i < before || colors.count(c) == 0) << i;
        colors.insert(c);
    }
}

TEST_F(GedcomTransferTest, FailuresAndCancellingAddNothing) {
    doc.AppendPerson(std::make_unique<CPerson>(Make("kept", Date{1900}, std::nullopt)));
    const auto notGedcom = dir.Write("x.ged", "name,birth\n");
    CGedcomImportResult r = CGedcomTransfer::Import(doc, notGedcom, {});
    EXPECT_FALSE(r.read);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "GEDCOMファイルの読み込みに失敗しました\n"
                                "GEDCOMファイルではありません（最初の行が「0 HEAD」ではありません）。");
    r = CGedcomTransfer::Import(doc, dir.Path() / "missing.ged", {});
    EXPECT_FALSE(r.read);
    std::string body;
    for (int i = 0; i < 30000; ++i) {
        body += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME P" + std::to_string(i) + "\n1 BIRT\n2 DATE 1900\n";
    }
    const auto big = File("big.ged", body);
    for (const std::uint64_t stopAt : {0ull, 400ull, 800ull}) {
        std::uint64_t last = 0;
        r = CGedcomTransfer::Import(doc, big, {}, [&](std::uint64_t done, std::uint64_t total) {
            EXPECT_EQ(total, CGedcomTransfer::kProgressScale);
            EXPECT_GE(done, last);
            last = done;
            return stopAt == 0 || done < stopAt;
        });
        if (stopAt == 0) {
            EXPECT_EQ(r.added, 30000u);
            EXPECT_EQ(last, CGedcomTransfer::kProgressScale);
            doc.TakeLastPeople(30000);
        } else {
            EXPECT_TRUE(r.cancelled);
            EXPECT_EQ(r.added, 0u);
        }
        EXPECT_EQ(doc.People().size(), 1u);
    }
}

TEST_F(GedcomTransferTest, ExportWritesSafelyAndSaysWhyNot) {
    doc.AppendPerson(std::make_unique<CPerson>(Make("a", Date{1900}, std::nullopt)));
    const auto out = dir.Path() / "out.ged";
    ASSERT_TRUE(CGedcomTransfer::Export(doc, out, CGedcomWriter::Version::V551));
    EXPECT_EQ(CScratchDir::Read(out), CGedcomTransfer::ExportText(doc, CGedcomWriter::Version::V551));
    EXPECT_FALSE(CGedcomTransfer::Export(doc, dir.Path() / "no folder" / "x.ged", CGedcomWriter::Version::V551));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].find("GEDCOMファイルは書き出していません。"), std::string::npos);
#ifndef _WIN32
    GiveToUnprivileged(dir.Path());
    const auto locked = dir.Write("locked.ged", "old");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    GiveToUnprivileged(locked);
    EXPECT_EQ(RunInChild([&] { return CGedcomTransfer::Export(doc, locked, CGedcomWriter::Version::V70) ? "written" : "refused"; },
                         AsUnprivileged()),
              "refused");
    EXPECT_EQ(CScratchDir::Read(locked), "old");
#endif
    EXPECT_EQ(CGedcomTransfer::ProposedPath("/home/a/tree.vtc"), "/home/a/tree.ged");
    EXPECT_EQ(CGedcomTransfer::ProposedPath(""), "");
}

}  // namespace
