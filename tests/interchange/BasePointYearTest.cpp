#include "interchange/CBasePointYear.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CScratchDir.h"
#include "support/interchange/Cp932Text.h"

#include <gtest/gtest.h>


#include <unistd.h>

namespace {

class BasePointYearTest : public ::testing::Test {
protected:
    // Loads bytes from a file of the scratch folder; the record and the messages stay for inspection.
    bool LoadBytes(const std::string& bytes) {
        file = dir.Write("record.lby", bytes);
        return record.Load(file, host);
    }

    CScratchDir dir;
    CRecordingHost host;
    CBasePointYear record;
    std::filesystem::path file;
};

const std::string kWorkedExample = Cp932("[基点年],5\r\nNobu\r\n1534\r\n1582\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\na\\r\\nb");

}  // namespace

TEST_F(BasePointYearTest, WorkedExampleWritesAndReadsByteForByte) {
    record.filePath = (dir / "Nobu.lby").string();
    record.title = "Nobu";
    record.spanStart = 1534;
    record.spanEnd = 1582;
    record.comment = "a\r\nb";
    ASSERT_TRUE(record.Save(host));
    EXPECT_EQ(CScratchDir::Read(dir / "Nobu.lby"), kWorkedExample);

    CBasePointYear back;
    ASSERT_TRUE(back.Load(dir / "Nobu.lby", host));
    EXPECT_EQ(back, record);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(BasePointYearTest, TheVersionDecidesHowManyFlagLinesComeBeforeTheComment) {
    // No version: lines 1 to 5, then line 6 is the comment.
    ASSERT_TRUE(LoadBytes(Cp932("[基点年]\r\n題\r\n-5\r\n10\r\n1\r\nthe comment\r\nignored")));
    EXPECT_EQ(record.title, "題");
    EXPECT_EQ(record.spanStart, -5);
    EXPECT_EQ(record.spanEnd, 10);
    EXPECT_TRUE(record.countFromOne);
    EXPECT_EQ(record.comment, "the comment");

    ASSERT_TRUE(LoadBytes(Cp932("[基点年],3\r\nt\r\n1\r\n2\r\n0\r\n1\r\n0\r\n7\r\nc")));
    EXPECT_EQ(record.optionFlags, (std::array<bool, 6>{true, false, true, false, false, false}));
    EXPECT_EQ(record.comment, "c");

    // Version 5 adds two flags at once; a later version reads like 5.
    ASSERT_TRUE(LoadBytes(Cp932("[基点年],9\r\nt\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\nc")));
    EXPECT_EQ(record.optionFlags, (std::array<bool, 6>{false, false, false, false, true, true}));
    EXPECT_EQ(record.comment, "c");

    // Without a comment line the comment is empty.
    record.comment = "old";
    ASSERT_TRUE(LoadBytes(Cp932("[基点年],5\r\nt\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")));
    EXPECT_EQ(record.comment, "");
}

TEST_F(BasePointYearTest, HeaderMarkerIsComparedExactlyAfterTrimming) {
    EXPECT_TRUE(LoadBytes(Cp932(" \t[基点年] ,5\r\nt\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")));
    EXPECT_TRUE(LoadBytes(Cp932("\"[基点年]\" junk,5\r\nt\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n")));
    // The version is a plain number or nothing: "x" reads as 0 flags.
    EXPECT_TRUE(LoadBytes(Cp932("[基点年],x\r\nt\r\n1\r\n2\r\n0\r\ncomment")));
    EXPECT_EQ(record.comment, "comment");

    for (const std::string header : {"[基点年 ],5", "[基点]", "基点年", "", "[基点年]x,5"}) {
        host.messages.clear();
        EXPECT_FALSE(LoadBytes(Cp932(header + "\r\nt\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"))) << header;
        EXPECT_EQ(host.messages, (std::vector<std::string>{"ファイル" + file.string() + "は、基点年データではありません"}));
    }
}

TEST_F(BasePointYearTest, FilesThatEndTooEarlyOrCannotBeReadAreReportedWithTheirPath) {
    record.title = "unchanged";
    // Version 5 ending after line 9: two flags missing.
    EXPECT_FALSE(LoadBytes(Cp932("[基点年],5\r\nt\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0")));
    EXPECT_EQ(host.messages.back(), "ファイル" + file.string() + "の内容が不正です");
    EXPECT_EQ(record.title, "unchanged") << "a failed load leaves the record as it was";
    EXPECT_EQ(record.filePath, file.string());

    EXPECT_FALSE(LoadBytes(Cp932("[基点年]\r\nt\r\n1\r\n")));
    EXPECT_EQ(host.messages.back(), "ファイル" + file.string() + "の内容が不正です");

    // A NUL byte has no place in a title or comment.
    const std::string header = Cp932("[基点年]\r\n");
    EXPECT_FALSE(LoadBytes(header + std::string("t\0x\r\n1\r\n2\r\n0\r\n", 12)));
    EXPECT_EQ(host.messages.back(), "ファイル" + file.string() + "の内容が不正です");
    EXPECT_FALSE(LoadBytes(header + "t\r\n1\r\n2\r\n0\r\n" + std::string("c\0c", 3)));
    EXPECT_EQ(host.messages.back(), "ファイル" + file.string() + "の内容が不正です");
    EXPECT_TRUE(LoadBytes(header + "t\r\n1\r\n2\r\n0\r\nc\r\n" + std::string("\0", 1)))
        << "what follows the comment line is not read";

    EXPECT_FALSE(record.Load(dir / "missing.lby", host));
    EXPECT_EQ(host.messages.back(), "ファイル" + (dir / "missing.lby").string() + "の読み込みに失敗しました\nファイルまたはフォルダーが見つかりません。");
    // Only regular files are read, a named pipe without waiting for a writer.
    for (const std::filesystem::path& odd : {dir.Path(), dir.NotAFile("pipe.lby")}) {
        EXPECT_FALSE(record.Load(odd, host));
        EXPECT_EQ(host.messages.back(), "ファイル" + odd.string() +
                                            "の読み込みに失敗しました\n通常のファイルではありません（フォルダー、装置、名前付きパイプなど）。");
    }

    // Huge files are not read at all.
    const auto huge = dir.Write("huge.lby", Cp932("[基点年]\r\nt\r\n1\r\n2\r\n0\r\n"));
    std::filesystem::resize_file(huge, CBasePointYear::kMaxFileBytes + 1);
    EXPECT_FALSE(record.Load(huge, host));
    EXPECT_EQ(host.messages.back(), "ファイル" + huge.string() + "の読み込みに失敗しました\nファイルが大きすぎます（16MBまで）。");
}

TEST_F(BasePointYearTest, RelativePathsAreTakenFromTheCurrentDirectory) {
    dir.Write("rel.lby", kWorkedExample);
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const bool loaded = record.Load("rel.lby", host);
    std::filesystem::current_path(before);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(record.filePath, (dir / "rel.lby").string());
}

TEST_F(BasePointYearTest, CommentEscapesSurviveAWriteAndARead) {
    record.filePath = (dir / "c.lby").string();
    record.title = "表ソ能ア";
    record.spanStart = -2147483647 - 1;
    record.spanEnd = 2147483647;
    record.countFromOne = true;
    // Quotes are doubled in the file, and read back single; a line feed
    // without CR is escaped like CR LF; typed \r\n becomes a line break.
    record.comment = "say \"hi\"\r\nnext\nlast typed\\r\\nend";
    ASSERT_TRUE(record.Save(host));
    EXPECT_EQ(CScratchDir::Read(dir / "c.lby"),
              Cp932("[基点年],5\r\n表ソ能ア\r\n-2147483648\r\n2147483647\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                    "say \"\"hi\"\"\\r\\nnext\\r\\nlast typed\\r\\nend"));
    CBasePointYear back;
    ASSERT_TRUE(back.Load(dir / "c.lby", host));
    EXPECT_EQ(back.title, "表ソ能ア");
    EXPECT_EQ(back.spanStart, -2147483647 - 1);
    EXPECT_EQ(back.spanEnd, 2147483647);
    EXPECT_EQ(back.comment, "say \"hi\"\r\nnext\r\nlast typed\r\nend");
}

TEST_F(BasePointYearTest, NumbersReadAsPlainIntegers) {
    ASSERT_TRUE(LoadBytes(Cp932("[基点年]\r\nt\r\n  +42abc\r\n99999999999\r\n-3\r\n")));
    EXPECT_EQ(record.spanStart, 42);
    EXPECT_EQ(record.spanEnd, 2147483647) << "saturates rather than wraps";
    EXPECT_TRUE(record.countFromOne);
}

TEST_F(BasePointYearTest, RecordsTheFileCannotHoldAreNotWrittenAndKeepTheOldFile) {
    const auto path = dir.Write("x.lby", "old");
    record.filePath = path.string();

    record.title = "two\nlines";
    EXPECT_FALSE(record.Save(host));
    EXPECT_EQ(host.messages.back(), "ファイル" + path.string() + "の書き込みに失敗しました\n"
                                    "「two\nlines」の名前に改行があるため、基点年データに書けません。");

    record.title = "𠮷野";
    EXPECT_FALSE(record.Save(host));
    EXPECT_EQ(host.messages.back(), "ファイル" + path.string() + "の書き込みに失敗しました\n"
                                    "「𠮷野」の名前に、シフトJIS（コードページ932）で表せない文字「𠮷」（U+20BB7）があります。");
    record.title = "";
    record.comment = "ok 🙂";
    EXPECT_FALSE(record.Save(host));
    EXPECT_EQ(host.messages.back(), "ファイル" + path.string() + "の書き込みに失敗しました\n"
                                    "名前のないデータの補足説明に、シフトJIS（コードページ932）で表せない文字「🙂」（U+1F642）があります。");
    EXPECT_EQ(CScratchDir::Read(path), "old");

    record.filePath = (dir / "no folder" / "x.lby").string();
    record.comment.clear();
    EXPECT_FALSE(record.Save(host));
    EXPECT_EQ(host.messages.back(), "ファイル" + record.filePath + "の書き込みに失敗しました\nファイルまたはフォルダーが見つかりません。");
}

