#include "interchange/CImportCSV.h"
#include "model/CCp932.h"
#include "support/core/CScratchDir.h"
#include "support/interchange/Cp932Text.h"

#include <gtest/gtest.h>


namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> FieldsOf(const CImportCSV& csv) {
    std::vector<Fields> out;
    for (const auto& line : csv.Lines()) {
        out.push_back(line.Fields());
    }
    return out;
}

// Whatever the size of the pieces the file arrives in, the lines are the same.
void ExpectSameForEveryBufferSize(std::string_view bytes, std::size_t maxSize) {
    CImportCSV whole("x.csv");
    ASSERT_TRUE(whole.ReadBytes(bytes));
    for (std::size_t size = 1; size <= maxSize; ++size) {
        CImportCSV pieces("x.csv");
        ASSERT_TRUE(pieces.ReadBytes(bytes, size)) << "buffer size " << size;
        EXPECT_EQ(FieldsOf(pieces), FieldsOf(whole)) << "buffer size " << size;
        EXPECT_EQ(pieces.UndecodableLines(), whole.UndecodableLines()) << "buffer size " << size;
    }
}

}  // namespace

TEST(CImportCSVSplit, QuotesOpenOnlyAtTheStartOfAFieldAndFieldsAreTrimmed) {
    const std::vector<std::pair<std::string, Fields>> cases = {
        {"a,b,c", {"a", "b", "c"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"a\"\"b", {"a\"b"}},                  // a doubled quote inside an unquoted field
        {"\"\",x", {"", "x"}},                 // an empty quoted field
        {"  \"a,b\"  ", {"a", "b"}},           // after blanks a quote is dropped, not opened
        {"\" padded \",x", {"padded", "x"}},  // trimmed inside quotes too
        {"ab\"cd,e", {"abcd", "e"}},           // a stray quote vanishes
        {"\"open,to the end", {"open,to the end"}},
        {",", {"", ""}},
        {"", {""}},
        {"\t1900 \r", {"1900"}},
    };
    for (const auto& [line, fields] : cases) {
        EXPECT_EQ(CImportCSV::SplitLine(line).Fields(), fields) << line;
    }
}

TEST(CImportCSV, QuotedLineBreaksStayInsideTheirLineAsEscapes) {
    CImportCSV lf("x.csv");
    ASSERT_TRUE(lf.ReadBytes("1900,1950,a,,,\"one\ntwo\"\n1901,,b\n"));
    ASSERT_EQ(lf.LineCount(), 2u);
    EXPECT_EQ(*lf.Line(0).Field(5), "one\\r\\ntwo");
    EXPECT_EQ(*lf.Line(1).Field(2), "b");

    // With CR LF line ends the file's own CR stays in front of the escape.
    CImportCSV crlf("x.csv");
    ASSERT_TRUE(crlf.ReadBytes("1900,1950,a,,,\"one\r\ntwo\"\r\n1901,,b\r\n"));
    ASSERT_EQ(crlf.LineCount(), 2u);
    EXPECT_EQ(*crlf.Line(0).Field(5), "one\r\\r\\ntwo");
    EXPECT_EQ(*crlf.Line(1).Field(2), "b");
}

TEST(CImportCSV, LineEndsBlankLinesAndTheLastLine) {
    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes("a\r\n\r\nb\nc"));
    EXPECT_EQ(FieldsOf(csv), (std::vector<Fields>{{"a"}, {""}, {"b"}, {"c"}}));

    ASSERT_TRUE(csv.ReadBytes("a\n"));
    EXPECT_EQ(csv.LineCount(), 1u) << "a final line feed starts no further line";
    ASSERT_TRUE(csv.ReadBytes(""));
    EXPECT_EQ(csv.LineCount(), 0u);
    // A lone CR is no line break.
    ASSERT_TRUE(csv.ReadBytes("a\rb,c\n"));
    EXPECT_EQ(FieldsOf(csv), (std::vector<Fields>{{"a\rb", "c"}}));
}

TEST(CImportCSV, DoubleByteCharactersWhoseTrailByteIsAsciiSurvive) {
    // 表, ソ and 能 end in the byte of a backslash, ア in that of a letter;
    // 〆 has a trail byte that is none of these but sits beside a quote.
    const std::string text = "表ソ能ア,\"〆\"\"表\",\"ソ\n能\"\n";
    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes(Cp932(text)));
    ASSERT_EQ(csv.LineCount(), 1u);
    EXPECT_EQ(csv.Line(0).Fields(), (Fields{"表ソ能ア", "〆\"表", "ソ\\r\\n能"}));
    EXPECT_TRUE(csv.UndecodableLines().empty());
}

TEST(CImportCSV, PiecesOfAnySizeReadTheSame) {
    // CR LF pairs, lead and trail bytes, quote runs and quoted line breaks
    // fall on every possible boundary between 1 and 23 bytes. ぁ, ゐ and ∵
    // end in bytes that could also begin a character; a reader that lost
    // track of them at a boundary would swallow the quote or line feed after.
    const std::string text =
        "1900/10/1,1950/5/1,表示,ソ,能,\"ア\r\nイ\"\r\n"
        "\"\"\"q\"\"\",\"a,b\",\"\r\n\"\r\n"
        "\"ぁ\",\"ゐ\n∵\",ぁ\n"
        "1,2,\"x\n\n\ny\"\n"
        "ゐ\"ぁ\"∵\r\n"
        "表\r\n"
        "ソ\r";
    ExpectSameForEveryBufferSize(Cp932(text), 23);
    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes(Cp932(text), 1));
    EXPECT_EQ(csv.LineCount(), 7u);
    EXPECT_EQ(csv.Line(2).Fields(), (Fields{"ぁ", "ゐ\\r\\n∵", "ぁ"}));

    const std::string utf8 = "\xEF\xBB\xBF" + text;
    ExpectSameForEveryBufferSize(utf8, 23);
}

TEST(CImportCSV, ByteOrderMarkSelectsUtf8) {
    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes("\xEF\xBB\xBF\"𠮷野家\",1950,名\n"));
    EXPECT_EQ(csv.FileEncoding(), CImportCSV::Encoding::Utf8);
    // The mark is not part of the first field, which may therefore open quotes.
    EXPECT_EQ(csv.Line(0).Fields(), (Fields{"𠮷野家", "1950", "名"}));

    // The same bytes without the mark are code page 932.
    ASSERT_TRUE(csv.ReadBytes("x,\xE5\x90\x8D\n"));
    EXPECT_EQ(csv.FileEncoding(), CImportCSV::Encoding::Cp932);
    ASSERT_EQ(csv.LineCount(), 1u);
    EXPECT_NE(*csv.Line(0).Field(1), "名");
}

TEST(CImportCSV, BytesTheEncodingDoesNotDefineAreReportedAndKept) {
    // 0x81 0x20 is no pair, 0xA0 and 0xFD are no characters.
    const std::string bytes = "ok,1\n\x81\x20x,\xA0\r\nfine\n\"q\n\xFD\"\n";
    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes(bytes));
    ASSERT_EQ(csv.LineCount(), 4u);
    EXPECT_EQ(csv.UndecodableLines(), (std::vector<std::size_t>{2, 4}));
    // They write back as the bytes they were.
    std::string back;
    ASSERT_TRUE(CCp932::Encode(csv.Line(1).ToText(), back));
    EXPECT_EQ(back, "\x81\x20x,\xA0");

    CImportCSV utf8("x.csv");
    ASSERT_TRUE(utf8.ReadBytes("\xEF\xBB\xBFgood\nb\xC3\x28\n"));
    EXPECT_EQ(utf8.UndecodableLines(), (std::vector<std::size_t>{2}));
    EXPECT_EQ(*utf8.Line(1).Field(0), "b\xEF\xBF\xBD(");
}

TEST(CImportCSV, FilesThatAreNoCsvTextFailWithTheLineAndLeaveNothing) {
    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes("kept,1\n"));

    EXPECT_FALSE(csv.ReadBytes("1,2,\"fine\"\n3,4,\"never closed\n5,6\n"));
    EXPECT_EQ(csv.FailureKind(), CImportCSV::Failure::UnterminatedQuote);
    EXPECT_EQ(csv.FailureLine(), 2u);
    EXPECT_EQ(csv.LineCount(), 0u);
    EXPECT_EQ(csv.FailureText(),
              "ＣＳＶファイルの読み込みに失敗しました\n2行目の引用符（\"）が閉じられていません。");

    EXPECT_FALSE(csv.ReadBytes(std::string(4096, '\0')));
    EXPECT_EQ(csv.FailureKind(), CImportCSV::Failure::NulByte);
    EXPECT_EQ(csv.FailureLine(), 1u);

    EXPECT_FALSE(csv.ReadBytes(std::string("a\nb\nc\0d\n", 8)));
    EXPECT_EQ(csv.FailureKind(), CImportCSV::Failure::NulByte);
    EXPECT_EQ(csv.FailureLine(), 3u);

    // What a spreadsheet writes as "Unicode text".
    EXPECT_FALSE(csv.ReadBytes(std::string("\xFF\xFE" "1\0,\0", 6)));
    EXPECT_EQ(csv.FailureKind(), CImportCSV::Failure::Utf16);
}

TEST(CImportCSV, AFiftyMegabyteLineIsRefusedWithoutReadingItWhole) {
    std::string bytes = "1900,1950,ok\n";
    bytes.append(50u << 20, 'x');
    bytes += "\n1901,,after\n";
    CImportCSV csv("x.csv");
    EXPECT_FALSE(csv.ReadBytes(bytes));
    EXPECT_EQ(csv.FailureKind(), CImportCSV::Failure::LineTooLong);
    EXPECT_EQ(csv.FailureLine(), 2u);
    EXPECT_EQ(csv.LineCount(), 0u);

    // An unclosed quote early in a long file shows up the same way, at the
    // line where the runaway field began.
    std::string runaway = "a\n\"b\n";
    for (int i = 0; i < 300000; ++i) {
        runaway += "1900,1950,name,reading,category\n";
    }
    EXPECT_FALSE(csv.ReadBytes(runaway));
    EXPECT_EQ(csv.FailureKind(), CImportCSV::Failure::LineTooLong);
    EXPECT_EQ(csv.FailureLine(), 2u);

    // Just under the limit is still a line.
    EXPECT_TRUE(csv.ReadBytes(std::string(CImportCSV::kMaxLineBytes, 'y') + "\n"));
}

TEST(CImportCSV, ReadsFilesAndReportsThoseThatCannotBeRead) {
    CScratchDir dir;
    CImportCSV file(dir.Write("people.csv", Cp932("1900,1950,表\r\n")));
    ASSERT_TRUE(file.Read());
    EXPECT_EQ(*file.Line(0).Field(2), "表");

    CImportCSV missing(dir / "missing.csv");
    EXPECT_FALSE(missing.Read());
    EXPECT_EQ(missing.FailureKind(), CImportCSV::Failure::CannotOpen);
    EXPECT_EQ(missing.FailureText(), "ＣＳＶファイルの読み込みに失敗しました\nファイルまたはフォルダーが見つかりません。");

    // Only regular files are read, a named pipe without waiting for a writer.
    for (const std::filesystem::path& odd : {dir.Path(), dir.NotAFile("pipe.csv"), CScratchDir::Device()}) {
        CImportCSV csv(odd);
        EXPECT_FALSE(csv.Read());
        EXPECT_EQ(csv.FailureText(),
                  "ＣＳＶファイルの読み込みに失敗しました\n通常のファイルではありません（フォルダー、装置、名前付きパイプなど）。")
            << odd;
    }

    // Refused by its size before a byte is read.
    const auto huge = dir.Write("huge.csv", "1900,1950,a\n");
    std::filesystem::resize_file(huge, CImportCSV::kMaxFileBytes + 1);
    CImportCSV tooLarge(huge);
    EXPECT_FALSE(tooLarge.Read());
    EXPECT_EQ(tooLarge.FailureKind(), CImportCSV::Failure::TooLarge);
    EXPECT_EQ(tooLarge.FailureText(), "ＣＳＶファイルの読み込みに失敗しました\nファイルが大きすぎます（256MBまで）。");
}

TEST(CImportCSV, RejectedLinesComeBackAsTextInFileOrder) {
    CImportCSV csv("x.csv");
    ASSERT_TRUE(csv.ReadBytes("good,1,a\n\n\"x,y\",2\n\"q\"\"\",3\n"));
    std::string text;
    EXPECT_FALSE(csv.RejectedText(text));
    csv.RecordRejected(3);
    csv.RecordRejected(1);
    csv.RecordRejected(2);
    ASSERT_TRUE(csv.RejectedText(text));
    EXPECT_EQ(text, "\r\n\"x,y\",2\r\n\"q\"\"\",3\r\n");
}
