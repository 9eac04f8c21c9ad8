#include "interchange/CBasePointYearTransfer.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CScratchDir.h"
#include "support/interchange/Cp932Text.h"

#include <gtest/gtest.h>

namespace {

constexpr int kThisYear = 2024;

std::string LbyFile(const std::string& title, int start, int end, const std::string& comment = "") {
    return Cp932("[基点年],5\r\n" + title + "\r\n" + std::to_string(start) + "\r\n" + std::to_string(end) +
                 "\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n" + comment);
}

class BasePointYearTransferTest : public ::testing::Test {
protected:
    CScratchDir dir;
    CRecordingHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
};

}  // namespace

TEST(CBasePointYearTransferMapping, PersonToRecord) {
    CPerson p;
    p.name = "Nobu";
    p.SetBirth(CScaleYear(1534));
    p.kazoe = true;
    p.comment = "a\r\nb";
    CBasePointYear r;
    r.optionFlags.fill(true);
    ASSERT_EQ(CBasePointYearTransfer::ToRecord(p, r), CBasePointYearTransfer::MapResult::Ok);
    EXPECT_EQ(r.title, "Nobu");
    EXPECT_EQ(r.spanStart, 1534);
    EXPECT_EQ(r.spanEnd, 2147483647) << "living";
    EXPECT_TRUE(r.countFromOne);
    EXPECT_EQ(r.comment, "a\r\nb");
    EXPECT_EQ(r.optionFlags, (std::array<bool, 6>{})) << "the options are Annalix's own";

    p.SetBirth(CScaleYear::Unknown());
    p.SetDeath(CScaleYear(123, 1000));  // a coarse year, in plain years
    ASSERT_EQ(CBasePointYearTransfer::ToRecord(p, r), CBasePointYearTransfer::MapResult::Ok);
    EXPECT_EQ(r.spanStart, 2147483647);
    EXPECT_EQ(r.spanEnd, 123000);

    p.SetBirth(CScaleYear(-1380000000, 10));  // beyond 32 bits
    EXPECT_EQ(CBasePointYearTransfer::ToRecord(p, r), CBasePointYearTransfer::MapResult::BirthOutOfRange);
    p.SetBirth(CScaleYear(1));
    p.SetDeath(CScaleYear(214748365, 10));  // 2147483650
    EXPECT_EQ(CBasePointYearTransfer::ToRecord(p, r), CBasePointYearTransfer::MapResult::DeathOutOfRange);
}

TEST(CBasePointYearTransferMapping, RecordToPersonUsesTheCurrentYearForTheEnd) {
    CBasePointYear r;
    r.title = "t";
    r.spanStart = 1900;
    r.spanEnd = kThisYear;
    r.countFromOne = true;
    r.comment = "c";
    auto died = CBasePointYearTransfer::ToPerson(r, kThisYear);
    EXPECT_TRUE(died->death.SameFields(CScaleYear(kThisYear))) << "died this year";
    EXPECT_EQ(died->DeathKey(), static_cast<std::int64_t>(kThisYear) * 10000);
    EXPECT_TRUE(died->birth.SameFields(CScaleYear(1900)));
    EXPECT_EQ(died->BirthKey(), 19000000);
    EXPECT_TRUE(died->kazoe);
    EXPECT_EQ(died->comment, "c");
    EXPECT_EQ(died->name, "t");

    r.spanEnd = kThisYear + 1;
    EXPECT_TRUE(CBasePointYearTransfer::ToPerson(r, kThisYear)->death.IsUnknown()) << "a future end is no death";
    r.spanStart = 2147483647;
    const auto unknown = CBasePointYearTransfer::ToPerson(r, kThisYear);
    EXPECT_TRUE(unknown->birth.IsUnknown());
    EXPECT_EQ(unknown->BirthKey(), CPerson::kLargestKey);
    EXPECT_FALSE(unknown->hideBirth || unknown->birthUncertain);
}

TEST_F(BasePointYearTransferTest, ImportAddsOnePersonPerReadableFileAndSkipsTheRest) {
    const auto a = dir.Write("a.lby", LbyFile("甲", 1900, 1950, "x\\r\\ny"));
    const auto b = dir.Write("b.lby", LbyFile("乙", 1920, kThisYear + 5));
    const auto bad = dir.Write("bad.lby", "not a base-point year\r\n");
    host.modified = false;

    const auto r = CBasePointYearTransfer::Import(doc, {a, bad, b, a, dir / "gone.lby"}, kThisYear);
    EXPECT_EQ(r.added, 3u);
    EXPECT_EQ(r.failed, 2u);
    ASSERT_EQ(doc.People().size(), 3u);
    EXPECT_EQ(doc.People()[0]->name, "甲");
    EXPECT_EQ(doc.People()[0]->comment, "x\r\ny");
    EXPECT_TRUE(doc.People()[0]->kazoe);
    EXPECT_EQ(doc.People()[1]->name, "乙");
    EXPECT_TRUE(doc.People()[1]->death.IsUnknown());
    EXPECT_EQ(doc.People()[2]->name, "甲") << "the same file twice gives two people";
    for (const auto& p : doc.People()) {
        EXPECT_EQ(p->category, doc.DefaultCategory());
    }
    EXPECT_EQ(doc.DisplayOrder().size(), 3u);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"ファイル" + bad.string() + "は、基点年データではありません",
                                                       "ファイル" + (dir / "gone.lby").string() + "の読み込みに失敗しました\nファイルまたはフォルダーが見つかりません。"}));
    EXPECT_TRUE(host.modified);
}

TEST_F(BasePointYearTransferTest, ImportOfNothingReadableStillRefreshes) {
    host.modified = false;
    const int updates = host.updates;
    const auto r = CBasePointYearTransfer::Import(doc, {dir / "gone.lby"}, kThisYear);
    EXPECT_EQ(r.added, 0u);
    EXPECT_TRUE(host.modified);
    EXPECT_GT(host.updates, updates);
}

TEST_F(BasePointYearTransferTest, ExportWritesOneFilePerPersonAndGoesOnAfterFailures) {
    CPerson nobu;
    nobu.name = "Nobu";
    nobu.SetBirth(CScaleYear(1534));
    nobu.SetDeath(CScaleYear(1582));
    nobu.comment = "a\r\nb";
    CPerson slash;
    slash.name = "../escape";
    slash.SetBirth(CScaleYear(1));
    CPerson living;
    living.name = "今";
    living.SetBirth(CScaleYear(1990));
    CPerson huge;
    huge.name = "宇宙";
    huge.SetBirth(CScaleYear(-1380000000, 10));
    CPerson twin;
    twin.name = "Nobu";
    twin.SetBirth(CScaleYear(1600));

    const auto targets = CBasePointYearTransfer::ProposeTargets({&nobu, &slash, &living, &huge, &twin}, dir.Path());
    ASSERT_EQ(targets.size(), 5u);
    EXPECT_EQ(targets[0].path, (dir / "Nobu.lby").string());
    EXPECT_EQ(targets[1].path, (dir / "../escape.lby").string());
    EXPECT_TRUE(targets[1].nameNotFileName);
    EXPECT_FALSE(targets[0].nameNotFileName);

    const auto r = CBasePointYearTransfer::Export(host, targets);
    EXPECT_EQ(r.written, 3u);
    EXPECT_EQ(r.failed, 2u);
    EXPECT_FALSE(std::filesystem::exists(dir.Path().parent_path() / "escape.lby"));
    // The second Nobu overwrote the first without asking.
    EXPECT_EQ(CScratchDir::Read(dir / "Nobu.lby"),
              Cp932("[基点年],5\r\nNobu\r\n1600\r\n2147483647\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"));
#ifdef _WIN32
    const std::string notFileName =
        "名前に \\ / : * ? \" < > | や制御文字があるか、Windowsが装置に使う名前（CON、NULなど）のため、そのままではファイル名にできません。";
#else
    const std::string notFileName = "名前に「/」があるため、そのままではファイル名にできません。";
#endif
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{
                  "ファイル" + targets[1].path + "の書き込みに失敗しました\n" + notFileName,
                  "ファイル" + targets[3].path + "の書き込みに失敗しました\n「宇宙」の生年は、基点年データに書ける範囲を超えています。",
                  "ファイルの変換が完了しました"}));

    // A living person's file imports as a person without a death year.
    ASSERT_EQ(CBasePointYearTransfer::Import(doc, {dir / "今.lby"}, kThisYear).added, 1u);
    EXPECT_TRUE(doc.People()[0]->death.IsUnknown());
    EXPECT_TRUE(doc.People()[0]->birth.SameFields(CScaleYear(1990)));

    // A target given a path of its own is written there.
    auto renamed = targets[1];
    renamed.SetPath((dir / "renamed.lby").string());
    host.messages.clear();
    EXPECT_EQ(CBasePointYearTransfer::Export(host, {renamed}).written, 1u);
    EXPECT_TRUE(std::filesystem::exists(dir / "renamed.lby"));
}


#ifdef _WIN32
// Such a name would write to a device or somewhere else than the folder chosen.
TEST_F(BasePointYearTransferTest, NamesWindowsCannotTakeAsFileNamesAreRefused) {
    CPerson person;
    const auto refused = [&](const std::string& name) {
        person.name = name;
        return CBasePointYearTransfer::ProposeTargets({&person}, dir.Path())[0].nameNotFileName;
    };
    for (const char* name : {"CON", "con", "Nul", "AUX", "prn", "COM1", "lpt9", "CON.txt", "nul ", "CONIN$", "a:b",
                             "a*b", "a\\b", "a?", "a|b", "a<b>", "\"a\"", "tab\t"}) {
        EXPECT_TRUE(refused(name)) << name;
    }
    for (const char* name : {"CONSOLE", "NULL", "COM10", "LPT", "Con Edison", "織田.信長", "太郎"}) {
        EXPECT_FALSE(refused(name)) << name;
    }
}
#endif

TEST_F(BasePointYearTransferTest, ExportOfNoTargetsOnlyAnnouncesCompletion) {
    const auto r = CBasePointYearTransfer::Export(host, {});
    EXPECT_EQ(r.written + r.failed, 0u);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"ファイルの変換が完了しました"}));
}

TEST_F(BasePointYearTransferTest, AStoppedImportAddsNothingAndAStoppedExportKeepsWhatItWrote) {
    const auto a = dir.Write("a.lby", LbyFile("甲", 1900, 1950));
    const auto bad = dir.Write("bad.lby", "no\r\n");
    host.modified = false;
    const int updates = host.updates;

    std::vector<std::pair<std::uint64_t, std::uint64_t>> seen;
    auto r = CBasePointYearTransfer::Import(doc, {a, bad, a}, kThisYear, [&](std::uint64_t d, std::uint64_t t) {
        seen.emplace_back(d, t);
        return d < 3;  // the last report comes after every file is read
    });
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ((std::vector<std::pair<std::uint64_t, std::uint64_t>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}), seen);
    EXPECT_TRUE(doc.People().empty());
    EXPECT_EQ(host.updates, updates);
    EXPECT_FALSE(host.modified);
    EXPECT_EQ(host.messages.size(), 1u) << "the unreadable file was reported before the stop";

    r = CBasePointYearTransfer::Import(doc, {a, bad, a}, kThisYear, [](std::uint64_t, std::uint64_t) { return true; });
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.added, 2u);
    EXPECT_EQ(doc.People().size(), 2u);

    CPerson p;
    p.name = "x";
    p.SetBirth(CScaleYear(1900));
    CPerson q = p;
    q.name = "y";
    host.messages.clear();
    const auto targets = CBasePointYearTransfer::ProposeTargets({&p, &q}, dir.Path());
    const auto w = CBasePointYearTransfer::Export(host, targets, [](std::uint64_t d, std::uint64_t) { return d < 1; });
    EXPECT_TRUE(w.cancelled);
    EXPECT_EQ(w.written, 1u);
    EXPECT_TRUE(std::filesystem::exists(dir / "x.lby"));
    EXPECT_FALSE(std::filesystem::exists(dir / "y.lby"));
    EXPECT_TRUE(host.messages.empty()) << "no completion message after a stop";
}
