#include "interchange/CCsvTransfer.h"
#include "interchange/CImportCSV.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CScratchDir.h"
#ifndef _WIN32
#include "support/core/ChildProcess.h"
#endif
#include "support/interchange/Cp932Text.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

class CsvTransferTest : public ::testing::Test {
protected:
    std::unique_ptr<CPerson> Person(const std::string& name, int birth, int death) {
        auto p = std::make_unique<CPerson>();
        p->name = name;
        p->SetBirth(CScaleYear(birth));
        if (death != 0) {
            p->SetDeath(CScaleYear(death));
        }
        p->category = doc.DefaultCategory();
        return p;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& p : doc.People()) {
            names.push_back(p->name);
        }
        return names;
    }

    CScratchDir dir;
    CRecordingHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
};

}  // namespace

TEST_F(CsvTransferTest, ImportAppendsPeopleWithCategoriesAndCollectsRejectedLines) {
    doc.AppendPerson(Person("already here", 1800, 1850));
    const auto file = dir.Write("in.csv", Cp932("1900/10/1,1950/5/1,山田,やまだ,政治,\"a\\r\\nb\"\r\n"
                                                "?,?,nobody\r\n"
                                                "\r\n"
                                                "1901,,鈴木,,政治\r\n"
                                                "1902,1960,佐藤,,文化\r\n"
                                                "1903,1970\r\n"));
    const int updatesBefore = host.updates;
    const CCsvImportResult r = CCsvTransfer::Import(doc, file, true);

    ASSERT_TRUE(r.read);
    EXPECT_EQ(r.added, 3u);
    EXPECT_EQ(r.rejected, (std::vector<std::size_t>{1, 2, 5}));
    EXPECT_EQ(r.rejectedText, "?,?,nobody\r\n\r\n1903,1970\r\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"already here", "山田", "鈴木", "佐藤"}));
    EXPECT_FALSE(doc.People()[0]->kazoe) << "people already there keep their own setting";
    EXPECT_TRUE(doc.People()[1]->kazoe && doc.People()[2]->kazoe && doc.People()[3]->kazoe);
    // One category per name, shared by everyone who names it.
    ASSERT_NE(doc.People()[1]->category, nullptr);
    EXPECT_EQ(doc.People()[1]->category->name, "政治");
    EXPECT_EQ(doc.People()[1]->category, doc.People()[2]->category);
    EXPECT_EQ(doc.People()[3]->category->name, "文化");
    EXPECT_NE(doc.People()[3]->category->color, doc.People()[1]->category->color);
    EXPECT_EQ(doc.DisplayOrder().size(), 4u);
    EXPECT_GT(host.updates, updatesBefore);
    EXPECT_TRUE(host.modified);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CsvTransferTest, AFileThatCannotBeReadAddsNothingAndSaysWhy) {
    doc.AppendPerson(Person("kept", 1800, 1850));
    doc.Refresh();
    host.modified = false;
    const std::size_t categories = doc.CategoryTable().Size();
    const int updates = host.updates;

    const std::vector<std::pair<std::string, std::string>> files = {
        {"quote.csv", "1900,1950,a,b,c,\"never closed\r\n1901,,b\r\n"},
        {"zeros.csv", std::string(1000, '\0')},  // not "nul.csv": that is a device on Windows
        {"utf16.csv", std::string("\xFF\xFE" "1\0" "9\0", 6)},
    };
    for (const auto& [name, bytes] : files) {
        host.messages.clear();
        const CCsvImportResult r = CCsvTransfer::Import(doc, dir.Write(name, bytes), false);
        EXPECT_FALSE(r.read) << name;
        ASSERT_EQ(host.messages.size(), 1u) << name;
        EXPECT_EQ(host.messages[0].rfind("ＣＳＶファイルの読み込みに失敗しました\n", 0), 0u) << host.messages[0];
    }
    host.messages.clear();
    EXPECT_FALSE(CCsvTransfer::Import(doc, dir / "missing.csv", false).read);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"ＣＳＶファイルの読み込みに失敗しました\nファイルまたはフォルダーが見つかりません。"}));

    EXPECT_EQ(Names(), (std::vector<std::string>{"kept"}));
    EXPECT_EQ(doc.CategoryTable().Size(), categories);
    EXPECT_EQ(host.updates, updates);
    EXPECT_FALSE(host.modified);
}

TEST_F(CsvTransferTest, UndecodableBytesAreImportedAndNamedByLine) {
    const auto file = dir.Write("in.csv", "1900,,ok\r\n1901,,\x81\x20\r\n1902,,\"two\r\nlines\",,,\"\xFD\"\r\n");
    const CCsvImportResult r = CCsvTransfer::Import(doc, file, false);
    ASSERT_TRUE(r.read);
    EXPECT_EQ(r.added, 3u);
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{"ＣＳＶファイルの2、3行目に、シフトJISとして読めない文字がありました。"
                                        "その文字は正しく表示されない場合があります。"}));
}

TEST_F(CsvTransferTest, ExportThenImportGivesTheSamePeople) {
    auto a = Person("表ソ能ア, \"quoted\"", 1534, 1582);
    a->birthMonth = 6;
    a->birthDay = 23;
    a->birthNote = "[頃]";
    a->birthUncertain = true;
    a->reading = "のぶなが";
    a->comment = "first, line\r\nsecond \"line\"\r\n";
    a->kazoe = true;
    a->categoryName = "武将";
    ASSERT_TRUE(doc.AssignImportedCategory(*a, 0));
    auto b = Person("unknown birth", 0, 1600);
    b->SetBirth(CScaleYear::Unknown());
    b->hideBirth = b->hideAge = b->birthUncertain = b->ageUncertain = true;
    auto c = Person("living", -660, 0);
    doc.AppendPerson(std::move(a));
    doc.AppendPerson(std::move(b));
    doc.AppendPerson(std::move(c));
    doc.Settings().sortOrder = 1;  // the stored order is what is written
    doc.Refresh();

    const auto file = dir / "out.csv";
    ASSERT_TRUE(CCsvTransfer::Export(doc, file, CsvEncoding::Cp932));
    EXPECT_EQ(CScratchDir::Read(file),
              Cp932("1534/6/23[頃]?,1582,\"表ソ能ア, \"\"quoted\"\"\",のぶなが,武将,"
                    "\"first, line\nsecond \"\"line\"\"\n\"\r\n"
                    "?,1600,unknown birth,,,\r\n"
                    "-660,,living,,,\r\n"));

    CVitachronDoc fresh(host, profile, {});

    CWatch watch_fresh{fresh, host};
    const CCsvImportResult r = CCsvTransfer::Import(fresh, file, false);
    ASSERT_EQ(r.added, 3u);
    ASSERT_TRUE(r.rejected.empty());
    for (std::size_t i = 0; i < 3; ++i) {
        const CPerson& was = *doc.People()[i];
        const CPerson& is = *fresh.People()[i];
        EXPECT_EQ(is.name, was.name);
        EXPECT_EQ(is.FormatBirthText(false), was.FormatBirthText(false));
        EXPECT_EQ(is.FormatDeathText(false), was.FormatDeathText(false));
        EXPECT_EQ(is.birthUncertain, was.birthUncertain);
        EXPECT_EQ(is.deathUncertain, was.deathUncertain);
        EXPECT_EQ(is.hideBirth, was.hideBirth);
        EXPECT_EQ(is.reading, was.reading);
        EXPECT_EQ(is.comment, was.comment);
        EXPECT_EQ(is.category->name, was.category->name);
        EXPECT_FALSE(is.kazoe) << "kazoe is not carried by the file";
    }
}

TEST_F(CsvTransferTest, TextWithoutACodePage932FormStopsTheExportBeforeWriting) {
    doc.AppendPerson(Person("fine", 1900, 1950));
    auto p = Person("吉田", 1901, 1960);
    p->comment = "🙂 smile";
    doc.AppendPerson(std::move(p));
    auto nameless = Person("", 1902, 0);
    nameless->reading = "𠮷";
    doc.AppendPerson(std::move(nameless));

    const auto file = dir.Write("out.csv", "previous content");
    EXPECT_FALSE(CCsvTransfer::Export(doc, file, CsvEncoding::Cp932));
    EXPECT_EQ(CScratchDir::Read(file), "previous content");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], "「吉田」の補足説明に、シフトJIS（コードページ932）で表せない文字「🙂」（U+1F642）があります。\n"
                                "ＣＳＶファイルは書き出していません。");

    doc.People()[1]->comment = "smile";
    host.messages.clear();
    EXPECT_FALSE(CCsvTransfer::Export(doc, dir / "new.csv", CsvEncoding::Cp932));
    EXPECT_FALSE(std::filesystem::exists(dir / "new.csv"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind("3人目のデータのふりがなに、", 0), 0u) << host.messages[0];

    // UTF-8 holds everything, and the import knows it by its byte order mark.
    ASSERT_TRUE(CCsvTransfer::Export(doc, file, CsvEncoding::Utf8WithBom));
    EXPECT_EQ(CScratchDir::Read(file), "\xEF\xBB\xBF" "1900,1950,fine,,,\r\n1901,1960,吉田,,,smile\r\n1902,,,𠮷,,\r\n");
    CVitachronDoc fresh(host, profile, {});
    CWatch watch_fresh{fresh, host};
    ASSERT_EQ(CCsvTransfer::Import(fresh, file, false).added, 3u);
    EXPECT_EQ(fresh.People()[2]->reading, "𠮷");
}

TEST_F(CsvTransferTest, AFailedWriteKeepsTheOldFileAndSaysSo) {
    doc.AppendPerson(Person("a", 1900, 1950));
    EXPECT_FALSE(CCsvTransfer::Export(doc, dir / "no such folder" / "out.csv", CsvEncoding::Cp932));
    EXPECT_EQ(host.messages, (std::vector<std::string>{"ファイルの書き込みに失敗しました\nファイルまたはフォルダーが見つかりません。"}));

#ifndef _WIN32  // a child process under another user id
    // A file the user may not write is left alone, also where its folder would take a new one.
    GiveToUnprivileged(dir.Path());
    const auto file = dir.Write("locked.csv", "old");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    GiveToUnprivileged(file);
    EXPECT_EQ(RunInChild(
                  [&] {
                      host.messages.clear();
                      CCsvTransfer::Export(doc, file, CsvEncoding::Cp932);
                      return host.messages.empty() ? std::string() : host.messages[0];
                  },
                  AsUnprivileged()),
              "ファイルの書き込みに失敗しました\nファイルは読み取り専用か、書き込む権限のないファイルです。");
    EXPECT_EQ(CScratchDir::Read(file), "old");
#endif
}

TEST(CCsvTransferPath, ProposesTheDocumentPathWithTheExtensionCsv) {
    EXPECT_EQ(CCsvTransfer::ProposedPath("/home/a/chronology.vtc"), "/home/a/chronology.csv");
    EXPECT_EQ(CCsvTransfer::ProposedPath("/home/a.b/chronology"), "/home/a.b/chronology.csv");
    EXPECT_EQ(CCsvTransfer::ProposedPath("x.y.vtc"), "x.y.csv");
    EXPECT_EQ(CCsvTransfer::ProposedPath(""), "");
}

TEST_F(CsvTransferTest, ProgressRisesToTheEndOfItsScaleAndAStopAnywhereAddsNothing) {
    doc.AppendPerson(Person("kept", 1800, 1850));
    doc.Refresh();
    // Big enough for several read buffers and many reports of lines.
    std::string utf8;
    for (int i = 0; i < 20000; ++i) {
        utf8 += std::to_string(1000 + i % 900) + ",," + "名" + std::to_string(i) + ",,分類" + std::to_string(i % 3) +
                ",\"a\nb\"\r\n";
    }
    utf8 += "?,?,rejected\r\n";
    const auto file = dir.Write("big.csv", Cp932(utf8));
    std::vector<std::uint64_t> seen;
    const auto record = [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_EQ(total, CCsvTransfer::kProgressScale);
        EXPECT_TRUE(seen.empty() || done >= seen.back()) << done << " after " << seen.back();
        seen.push_back(done);
        return true;
    };
    CVitachronDoc counted(host, profile, {});
    CWatch watch_counted{counted, host};
    const CCsvImportResult all = CCsvTransfer::Import(counted, file, false, record);
    EXPECT_EQ(all.added, 20000u);
    EXPECT_EQ(all.rejected, (std::vector<std::size_t>{20000}));
    ASSERT_GT(seen.size(), 20u);
    EXPECT_EQ(seen.back(), CCsvTransfer::kProgressScale);

    const std::size_t categories = doc.CategoryTable().Size();
    const int updates = host.updates;
    host.modified = false;
    // Stopping at every kind of report: while reading, while making people,
    // and after the last line, just before anything would be added.
    for (const std::size_t stopAt : {std::size_t{1}, seen.size() / 2, seen.size() - 1}) {
        std::size_t calls = 0;
        const CCsvImportResult r = CCsvTransfer::Import(doc, file, true, [&](std::uint64_t, std::uint64_t) {
            return ++calls <= stopAt;
        });
        EXPECT_TRUE(r.cancelled) << stopAt;
        EXPECT_EQ(r.added, 0u);
        EXPECT_EQ(calls, stopAt + 1);
        EXPECT_EQ(Names(), (std::vector<std::string>{"kept"}));
        EXPECT_EQ(doc.CategoryTable().Size(), categories) << "no category made for a cancelled import";
    }
    EXPECT_EQ(host.updates, updates);
    EXPECT_FALSE(host.modified);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(CsvTransferTest, WritingLinesNamesTheUnencodableTextWithoutShowingItAndCanBeStopped) {
    for (int i = 0; i < 3000; ++i) {
        doc.AppendPerson(Person("p" + std::to_string(i), 1900, 1950));
    }
    doc.People()[2500]->reading = "🙂";
    std::string problem;
    CExportCSV cp932(dir / "a.csv", CsvEncoding::Cp932);
    EXPECT_EQ(CCsvTransfer::WriteLines(doc, cp932, {}, problem), CCsvWriteStatus::Unencodable);
    EXPECT_EQ(problem, "「p2500」のふりがなに、シフトJIS（コードページ932）で表せない文字「🙂」（U+1F642）があります。");
    EXPECT_TRUE(host.messages.empty()) << "the caller shows it";

    std::vector<std::uint64_t> done;
    CExportCSV utf8(dir / "a.csv", CsvEncoding::Utf8WithBom);
    EXPECT_EQ(CCsvTransfer::WriteLines(doc, utf8, [&](std::uint64_t d, std::uint64_t total) {
                  EXPECT_EQ(total, 3000u);
                  done.push_back(d);
                  return d < 2000;
              }, problem),
              CCsvWriteStatus::Cancelled);
    EXPECT_EQ(done, (std::vector<std::uint64_t>{0, 1024, 2048}));
    EXPECT_FALSE(std::filesystem::exists(dir / "a.csv")) << "nothing reaches the disk before Commit";
}
