#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CDocumentFile.h"
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/CFormatError.h"
#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "support/core/Bytes.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CScratchDir.h"
#ifndef _WIN32
#include "support/core/ChildProcess.h"
#endif
#include "support/core/TestPeople.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <tuple>
#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// The default font as the file holds it: -15, 0, 0, 0, 400, the eight byte
// fields, then "ＭＳ Ｐゴシック" (15 bytes of code page 932) and its zero.
const std::string kDefaultFont = Hex(
    "F1 FF FF FF 00 00 00 00 00 00 00 00 00 00 00 00 90 01 00 00"
    "00 00 00 80 00 00 00 02"
    "10 00 00 00 82 6C 82 72 20 82 6F 83 53 83 56 83 62 83 4E 00");

std::string EmptyDocumentBytes(int endYear) {
    return Hex("11 00 00 00 00 00 00 00") + Le32(static_cast<std::uint32_t>(endYear)) +
           Hex("C8 00 00 00 28 00 00 00 14 00 00 00 0A 00 00 00"
               "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"  // three reserved pairs
               "00 00 00 00 00 00 00 00"                       // sort order, no people
               "01 00 00 00 00 00 FF 00"                       // base year 1, base colour
               "01 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00"
               "01 00 00 00 01 00 00 00 FF 00 00 00 00"  // category block: the unset category
               "00 00 00 00 00 00 00 00"                 // grouping, list width
               "00 00 00 00 00 00 00 00 00 00 00 00 FF FF FF 00") +
           kDefaultFont + kDefaultFont + kDefaultFont + kDefaultFont +
           Hex("00 00"  // linked document, HTML path
               "01 00 00 00 02 23 23 01 00 00 00 01 00 00 00"
               "01 00 00 00 FF 00 00 00"
               "01 00 00"
               "00 00 FF 00 00 00 FF 00 00 00 FF 00 00 00 FF 00");
}

class DocumentFileTest : public ::testing::Test {
protected:
    CRecordingHost host;
    CMemoryProfile profile;

    CVitachronDoc NewDoc() { return CVitachronDoc(host, profile, {}); }

    // A document that uses every field with values unlike the defaults.
    CVitachronDoc RichDoc() {
        CVitachronDoc doc = NewDoc();
        CDocSettings& s = doc.Settings();
        s.startYear = -500;
        s.endYear = 2100;
        s.yearWidth = 400;
        s.sortOrder = 4;
        s.groupByCategory = true;
        s.baseYearShown = true;
        s.baseYear = 1600;
        s.basisColor = 0x00AA00;
        s.ageColors = {1, 2, 3, 4};
        s.showBeforeBirth = false;
        s.countFromBirth = false;
        s.memorialCount = true;
        s.yearOnly = true;
        s.baseOnLine = false;
        s.baseBesideAge = true;
        s.nameColor = 0x010203;
        s.backColor = 0xEEEEEE;
        s.suppleColor = 0x00FFFF;
        s.fontScale.height = -22;
        s.fontScale.italic = 1;
        s.fontScale.faceName = "IPAGothic";
        s.kazoeAster = false;
        s.commentSeparator = "%%";
        s.displayAge = false;
        s.displaySuppleMark = false;
        s.leftWidth = 210;
        doc.SetLinkedDocument("/home/user/年表.anx");
        doc.AddHtmlPath("https://example.org/old");
        doc.AddHtmlPath("file:///home/user/歴史.html");
        CPerson* p = AddPerson(doc, MakePerson("織田信長##尾張", "1534/6/23", "1582/6/21", "おだのぶなが"), "武将");
        p->comment = "本能寺\r\nの変";
        p->kazoe = true;
        p->birthUncertain = true;
        p->ageUncertain = true;
        p->hideAge = true;
        p->birthNote = "[頃]";
        p->reservedFlag2 = false;
        CPerson* q = AddPerson(doc, MakePerson("遠い祖先", "-39999999999"), "伝説");
        q->deathUncertain = true;
        q->hideDeath = true;
        AddPerson(doc, MakePerson("名前に😀", "1950"));  // needs the UTF-16 form
        return doc;
    }
};

}  // namespace

TEST_F(DocumentFileTest, EmptyDocumentIsWrittenByteForByte) {
    const CVitachronDoc doc = NewDoc();
    EXPECT_EQ(ToHex(doc.SaveToBytes()), ToHex(EmptyDocumentBytes(CurrentLocalYear())));
}

TEST_F(DocumentFileTest, TheListWidthWrittenIsTheOneOnScreen) {
    CVitachronDoc doc = NewDoc();
    host.leftWidth = 177;
    const std::string bytes = doc.SaveToBytes();
    CVitachronDoc back = NewDoc();
    back.LoadFromBytes(bytes);
    EXPECT_EQ(back.Settings().leftWidth, 177);
    // Without a window the setting itself is written.
    host.leftWidth.reset();
    back.Settings().leftWidth = 0;
    CVitachronDoc again = NewDoc();
    again.LoadFromBytes(back.SaveToBytes());
    EXPECT_EQ(again.Settings().leftWidth, 0);
}

TEST_F(DocumentFileTest, StringLengthPrefixGrowsWithTheLength) {
    const auto prefix = [](std::size_t n) {
        CArchiveWriter w;
        w.WriteString(std::string(n, 'a'));
        return ToHex(w.Bytes().substr(0, w.Bytes().size() - n));
    };
    EXPECT_EQ(prefix(0), "00");
    EXPECT_EQ(prefix(254), "FE");
    EXPECT_EQ(prefix(255), "FF FF 00");
    EXPECT_EQ(prefix(300), "FF 2C 01");
    EXPECT_EQ(prefix(0xFFFD), "FF FD FF");
    EXPECT_EQ(prefix(0xFFFE), "FF FF FF FE FF 00 00");
    for (const std::size_t n : {0u, 254u, 255u, 300u, 0xFFFDu, 0xFFFEu, 70000u}) {
        CArchiveWriter w;
        w.WriteString(std::string(n, 'b'));
        CArchiveReader r(w.Bytes());
        EXPECT_EQ(r.ReadString().size(), n);
        EXPECT_TRUE(r.AtEnd());
    }
}

TEST_F(DocumentFileTest, TextCodePage932CannotHoldIsWrittenAsUtf16) {
    CArchiveWriter w;
    w.WriteString("😀x");
    EXPECT_EQ(ToHex(w.Bytes()), "FF FE FF 03 3D D8 00 DE 78 00");
    CArchiveReader r(w.Bytes());
    EXPECT_EQ(r.ReadString(), "😀x");

    const std::string utf16 = Hex("FF FE FF 02 42 30 44 30");  // "あい" in UTF-16
    CArchiveReader wide(utf16);
    EXPECT_EQ(wide.ReadString(), "あい");
    const std::string cp932 = Hex("04 82 A0 82 A2");
    CArchiveReader narrow(cp932);
    EXPECT_EQ(narrow.ReadString(), "あい");
}

// Long strings of both forms, around the lengths where the length prefix
// changes form, read back whole: the bytes and the prefix each form writes.
TEST_F(DocumentFileTest, LongStringsOfBothFormsSurviveARoundTrip) {
    const auto repeat = [](std::size_t n, const std::string& unit) {
        std::string out;
        for (std::size_t i = 0; i < n; ++i) {
            out += unit;
        }
        return out;
    };
    struct Case {
        std::size_t n;
        const char* widePrefix;    // the form code page 932 cannot hold: n UTF-16 units
        const char* narrowPrefix;  // code page 932: n bytes
    };
    for (const Case& c : {Case{254, "FF FE FF FE", "FE"}, Case{255, "FF FE FF FF FF 00", "FF FF 00"},
                          Case{256, "FF FE FF FF 00 01", "FF 00 01"},
                          Case{70000, "FF FE FF FF FF FF 70 11 01 00", "FF FF FF 70 11 01 00"}}) {
        // "é" has no code page 932 form; "あ" is one UTF-16 unit and two code page 932 bytes.
        const std::string wide = "é" + repeat(c.n - 1, "あ");
        const std::string narrow = repeat(c.n / 2, "あ") + repeat(c.n % 2, "a");
        for (const auto& [text, prefix, bytes] : {std::tuple{wide, c.widePrefix, 2 * c.n},
                                                  std::tuple{narrow, c.narrowPrefix, c.n}}) {
            CArchiveWriter w;
            w.WriteString(text);
            const std::string expectedPrefix = Hex(prefix);
            EXPECT_EQ(ToHex(w.Bytes().substr(0, expectedPrefix.size())), ToHex(expectedPrefix)) << c.n;
            EXPECT_EQ(w.Bytes().size(), expectedPrefix.size() + bytes) << c.n;
            CArchiveReader r(w.Bytes());
            EXPECT_EQ(r.ReadString(), text) << c.n;
            EXPECT_TRUE(r.AtEnd()) << c.n;
        }
    }
    // The same through a document: a long note with one such character.
    CVitachronDoc doc = NewDoc();
    AddPerson(doc, MakePerson("名", "1900"))->comment = "é" + repeat(69999, "あ");
    CVitachronDoc back = NewDoc();
    back.LoadFromBytes(doc.SaveToBytes());
    ASSERT_EQ(back.People().size(), 1u);
    EXPECT_EQ(back.People()[0]->comment, doc.People()[0]->comment);
}

TEST_F(DocumentFileTest, EverythingSurvivesARoundTrip) {
    const CVitachronDoc doc = RichDoc();
    const std::string bytes = doc.SaveToBytes();
    CVitachronDoc back = NewDoc();
    CWatch watch{back, host};
    back.LoadFromBytes(bytes);
    EXPECT_EQ(back.SaveToBytes(), bytes);
    // Its observers stay with the document read, told of a whole new content
    // that is not yet modified; they hear the next change too.
    EXPECT_TRUE(host.Saw(CDocChange::Replaced));
    EXPECT_FALSE(host.modified);

    CDocSettings expected = doc.Settings();
    EXPECT_EQ(back.Settings(), expected);
    ASSERT_EQ(back.People().size(), 3u);
    const CPerson& p = *back.People()[0];
    EXPECT_EQ(p.name, "織田信長##尾張");
    EXPECT_EQ(p.comment, "本能寺\r\nの変");
    EXPECT_EQ(p.reading, "おだのぶなが");
    EXPECT_EQ(p.birthMonth, 6);
    EXPECT_EQ(p.deathDay, 21);
    EXPECT_TRUE(p.kazoe && p.birthUncertain && p.ageUncertain && p.hideAge);
    EXPECT_FALSE(p.reservedFlag2);
    EXPECT_EQ(p.birthNote, "[頃]");
    EXPECT_EQ(p.BirthKey(), doc.People()[0]->BirthKey());
    EXPECT_EQ(p.category->name, "武将");
    EXPECT_TRUE(back.People()[1]->birth.SameFields(CScaleYear(-399999999, 100)));
    EXPECT_EQ(back.People()[2]->name, "名前に😀");
    EXPECT_EQ(back.LinkedDocument(), "/home/user/年表.anx");
    EXPECT_EQ(back.HtmlPaths().back(), "file:///home/user/歴史.html");  // only the latest is stored
    EXPECT_EQ(back.LoadedVersion(), 17);
    EXPECT_TRUE(back.Settings().groupByCategory);
    back.SetLinkedDocument("x.anx");
    EXPECT_TRUE(host.modified);
}

TEST_F(DocumentFileTest, SavingWritesTheCurrentCategoryNotTheOneLastLoaded) {
    CVitachronDoc doc = NewDoc();
    CPerson* p = AddPerson(doc, MakePerson("x", "1900"), "新");
    p->categoryColor = 0x111111;
    p->categoryName = "旧";
    p->category->color = 0x222222;
    CVitachronDoc back = NewDoc();
    back.LoadFromBytes(doc.SaveToBytes());
    EXPECT_EQ(back.People()[0]->categoryColor, 0x222222u);
    EXPECT_EQ(back.People()[0]->categoryName, "新");
}

TEST_F(DocumentFileTest, VersionOneFileLeavesLaterSettingsAtTheirDefaults) {
    std::string v1 = Hex("01 00 00 00") + Le32(1000) + Le32(1900) +
                     Hex("64 00 00 00 28 00 00 00 14 00 00 00 0A 00 00 00"
                         "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                         "03 00 00 00 01 00 00 00");  // sort order 3, one person
    // Person version 1: int32 years, name, comment, colour, three flags.
    v1 += Hex("01 00 00 00") + Le32(1534) + Le32(1582) + Hex("04 90 4D 92 B7") + Hex("00") + Le32(0x8080FF) +
          Hex("01 00 00 00 01 00 00 00 01 00 00 00");
    CVitachronDoc doc = NewDoc();
    doc.LoadFromBytes(v1);
    EXPECT_EQ(doc.LoadedVersion(), 1);
    EXPECT_EQ(doc.Settings().startYear, 1000);
    EXPECT_EQ(doc.Settings().yearWidth, 100);
    EXPECT_EQ(doc.Settings().sortOrder, 3);
    EXPECT_FALSE(doc.Settings().baseYearShown);
    EXPECT_EQ(doc.Settings().commentSeparator, "##");
    EXPECT_EQ(doc.Settings().fontName, CLogFont::Default());
    ASSERT_EQ(doc.People().size(), 1u);
    const CPerson& p = *doc.People()[0];
    EXPECT_EQ(p.name, "信長");
    EXPECT_TRUE(p.kazoe);
    EXPECT_EQ(p.birthMonth, -1);
    EXPECT_EQ(p.BirthKey(), 153400 * 100LL);
    EXPECT_EQ(p.category->color, 0x8080FFu);
    EXPECT_EQ(p.category->name, "");
    EXPECT_EQ(DisplayedNames(doc), std::vector<std::string>{"信長"});
}

TEST_F(DocumentFileTest, BeforeVersion16TheLargestBaseYearMeansNone) {
    const auto file = [](int version, std::int32_t baseYear) {
        std::string b = Le32(static_cast<std::uint32_t>(version)) + Le32(0) + Le32(2000) +
                        Hex("C8 00 00 00 28 00 00 00 14 00 00 00 0A 00 00 00"
                            "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                            "00 00 00 00 00 00 00 00") +
                        Le32(static_cast<std::uint32_t>(baseYear)) + Le32(0x00FF00) + Le32(1) + Le32(1);
        return b;
    };
    CVitachronDoc doc = NewDoc();
    doc.LoadFromBytes(file(2, 2147483647));
    EXPECT_FALSE(doc.Settings().baseYearShown);
    EXPECT_EQ(doc.Settings().baseYear, 0);
    doc.LoadFromBytes(file(2, 1868));
    EXPECT_TRUE(doc.Settings().baseYearShown);
    EXPECT_EQ(doc.Settings().baseYear, 1868);
    // The base figures of old files take the base colour the file stored.
    EXPECT_EQ(doc.Settings().ageColors[2], 0x00FF00u);
}

TEST_F(DocumentFileTest, FromVersion16TheFlagDecides) {
    CVitachronDoc doc = RichDoc();
    doc.Settings().baseYearShown = false;
    doc.Settings().baseYear = 1234;
    CVitachronDoc back = NewDoc();
    back.LoadFromBytes(doc.SaveToBytes());
    EXPECT_FALSE(back.Settings().baseYearShown);
    EXPECT_EQ(back.Settings().baseYear, 1234);
}

TEST_F(DocumentFileTest, EveryTruncationFailsAndLeavesTheDocumentAsItWas) {
    const std::string bytes = RichDoc().SaveToBytes();
    CVitachronDoc doc = NewDoc();
    AddPerson(doc, MakePerson("元のまま", "1900"));
    doc.Sort();
    const std::string before = doc.SaveToBytes();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_THROW(doc.LoadFromBytes(std::string_view(bytes).substr(0, n)), CFormatError) << "prefix " << n;
    }
    EXPECT_EQ(doc.SaveToBytes(), before);
    EXPECT_EQ(DisplayedNames(doc), std::vector<std::string>{"元のまま"});
}

TEST_F(DocumentFileTest, DamagedCountsAndLengthsAreRefusedWithTheirOffset) {
    const std::string good = NewDoc().SaveToBytes();
    const std::size_t countAt = 4 * 7 + 3 * 5 + 4;  // after the reserved pairs and the sort order

    std::string hugeCount = good;
    hugeCount.replace(countAt, 4, Le32(0x7FFFFFFF));
    CVitachronDoc doc = NewDoc();
    try {
        doc.LoadFromBytes(hugeCount);
        FAIL() << "a person count beyond the file was accepted";
    } catch (const CFormatError& e) {
        EXPECT_EQ(e.Offset(), countAt);
    }

    std::string longString = good;
    longString.replace(28, 1, Hex("FF FF FF FF FF FF 7F"));  // a 2 GB reserved string
    EXPECT_THROW(doc.LoadFromBytes(longString), CFormatError);

    const std::size_t faceLengthAt = good.find(Hex("10 00 00 00 82 6C"));
    ASSERT_NE(faceLengthAt, std::string::npos);
    std::string longFace = good;
    longFace.replace(faceLengthAt, 4, Le32(33));
    try {
        doc.LoadFromBytes(longFace);
        FAIL() << "a face name of 33 bytes was accepted";
    } catch (const CFormatError& e) {
        EXPECT_EQ(e.Offset(), faceLengthAt);
    }
}

// A file is read a window of about a megabyte at a time: texts that straddle
// a window's edge, one larger than a window, the UTF-16 form, and a file cut
// short (on the disk, or after it was opened) must read as the bytes do.
TEST_F(DocumentFileTest, AFileReadInPiecesReadsAsItsBytes) {
    CVitachronDoc doc = RichDoc();
    for (int i = 0; i < 6000; ++i) {
        CPerson* p = AddPerson(doc, MakePerson("人" + std::to_string(i), "1900"), i % 2 == 0 ? "甲" : "乙");
        p->comment = std::string(static_cast<std::size_t>(i % 500), 'c') + (i % 7 == 0 ? "é" : "");
        if (i == 3000) {
            p->comment = std::string(1500000, 'L') + "あ";
        }
    }
    CScratchDir scratch;
    const fs::path file = scratch.Path() / "big.vtc";
    doc.SaveFile(file);
    const std::string bytes = doc.SaveToBytes();
    ASSERT_GT(bytes.size(), std::size_t{3} << 20);

    CVitachronDoc back = NewDoc();
    back.OpenFile(file);
    EXPECT_EQ(back.SaveToBytes(), bytes);
    EXPECT_EQ(back.People()[3003]->comment.size(), 1500003u);

    const std::string before = back.SaveToBytes();
    const std::size_t window = std::size_t{1} << 20;
    for (const std::size_t n : {std::size_t{0}, std::size_t{3}, window - 1, window, window + 1, 2 * window + 5,
                                bytes.size() / 2, bytes.size() - 1}) {
        const fs::path cut = scratch.Write("cut.vtc", std::string_view(bytes).substr(0, n));
        EXPECT_THROW(back.OpenFile(cut), CFormatError) << n;
    }
    // Cut short after it was opened: the reader finds the end early.
    const fs::path shrinking = scratch.Write("shrinking.vtc", bytes);
    CFileInput input = CFileIO::OpenInput(shrinking, CDocumentFile::kMaxFileBytes);
    fs::resize_file(shrinking, bytes.size() / 3);
    CArchiveReader reader(input);
    CVitachronDoc partial = NewDoc();
    EXPECT_THROW(CDocumentFile::Read(reader, partial), CFormatError);
    EXPECT_EQ(back.SaveToBytes(), before);
}

// Long texts read from a file stay in the document's own storage; a person
// taken out of the document (an undo step holds it) takes copies along, so
// that it keeps its texts when the document reads another file.
TEST_F(DocumentFileTest, APersonTakenOutOfALoadedDocumentOwnsItsTexts) {
    const std::string longText = "長い補足説明がここに続きます。" + std::string(300, 'x');
    CVitachronDoc source = NewDoc();
    for (int i = 0; i < 4; ++i) {
        CPerson* p = AddPerson(source, MakePerson("とても長い名前の人物その" + std::to_string(i), "1900"));
        p->comment = longText;
        p->birthNote = "[短い]";
    }
    CVitachronDoc doc = NewDoc();
    doc.LoadFromBytes(source.SaveToBytes());
    ASSERT_EQ(doc.People().size(), 4u);
    EXPECT_TRUE(doc.People()[0]->comment.IsBorrowed());
    EXPECT_FALSE(doc.People()[0]->birthNote.IsBorrowed());

    std::unique_ptr<CPerson> one = doc.TakePersonAt(1);
    std::vector<std::unique_ptr<CPerson>> last = doc.TakeLastPeople(2);
    const CPerson copy = *doc.People()[0];
    doc.LoadFromBytes(NewDoc().SaveToBytes());
    ASSERT_EQ(last.size(), 2u);
    for (const CPerson* p : std::initializer_list<const CPerson*>{one.get(), last[0].get(), last[1].get(), &copy}) {
        EXPECT_FALSE(p->comment.IsBorrowed() || p->name.IsBorrowed());
        EXPECT_EQ(p->comment, longText);
    }
    EXPECT_EQ(one->name, "とても長い名前の人物その1");
    EXPECT_EQ(last[1]->name, "とても長い名前の人物その3");
}

// The window checks a file by reading it into a document of its own, then
// takes that one over: as if read in place, the host told, sorted once.
TEST_F(DocumentFileTest, ADocumentReadElsewhereIsTakenOverAsIfReadHere) {
    CNullDocHost quiet;
    CVitachronDoc elsewhere(quiet, profile, {});
    elsewhere.LoadFromBytes(RichDoc().SaveToBytes());
    CRecordingHost other;
    CWatch notHeard(elsewhere, other);
    CVitachronDoc doc = NewDoc();
    AddPerson(doc, MakePerson("田中", "1900"));
    CWatch watch(doc, host);
    doc.TakeLoaded(std::move(elsewhere));
    EXPECT_EQ(&doc.Host(), &host);
    CVitachronDoc expected = RichDoc();
    expected.Sort();
    EXPECT_NE(DisplayedNames(expected), (std::vector<std::string>{"織田信長##尾張", "遠い祖先", "名前に😀"}));
    EXPECT_EQ(DisplayedNames(doc), DisplayedNames(expected));
    EXPECT_EQ(host.changes, std::vector<CDocChange>{CDocChange::Replaced});
    // The observers are this document's; the other's are not brought along.
    doc.Refresh();
    EXPECT_EQ(host.changes.size(), 2u);
    EXPECT_TRUE(other.changes.empty());
}

class AtomicSaveTest : public DocumentFileTest {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vitachron-save-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    std::vector<fs::path> Files() const {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(dir)) {
            files.push_back(e.path().filename());
        }
        return files;
    }
};

TEST_F(AtomicSaveTest, ReplacesTheOldFileAndLeavesNothingElse) {
    CVitachronDoc doc = RichDoc();
    CFileIO::WriteFileAtomically(dir / "a.vtc", "old");
    doc.SaveFile(dir / "a.vtc");
    EXPECT_EQ(CScratchDir::Read(dir / "a.vtc"), doc.SaveToBytes());
    EXPECT_EQ(Files(), std::vector<fs::path>{"a.vtc"});
}

// A file size limit stands in for a full disk; Windows has none.
#ifndef _WIN32
TEST_F(AtomicSaveTest, AFailedWriteKeepsTheOldFileByteForByte) {
    CVitachronDoc doc = RichDoc();
    CFileIO::WriteFileAtomically(dir / "a.vtc", "old contents");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    EXPECT_THROW(doc.SaveFile(dir / "a.vtc"), CFileError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(CScratchDir::Read(dir / "a.vtc"), "old contents");
    EXPECT_EQ(Files(), std::vector<fs::path>{"a.vtc"});
}
#endif

TEST_F(AtomicSaveTest, AFailedRenameLeavesNoTemporaryFile) {
    fs::create_directories(dir / "a.vtc");  // the name is taken by a directory
    EXPECT_THROW(NewDoc().SaveFile(dir / "a.vtc"), CFileError);
    EXPECT_EQ(Files(), std::vector<fs::path>{"a.vtc"});
    EXPECT_THROW(NewDoc().SaveFile(dir / "missing" / "a.vtc"), CFileError);
}

TEST_F(AtomicSaveTest, AReadOnlyDirectoryTakesNoNewDocument) {
#ifdef _WIN32
    GTEST_SKIP() << "a directory's read-only mode keeps nobody out on Windows";
#else
    // Root writes anywhere: the save runs as the unprivileged user.
    GiveToUnprivileged(dir);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    const std::string outcome = RunInChild(
        [&] {
            try {
                NewDoc().SaveFile(dir / "a.vtc");
                return std::string("saved");
            } catch (const CFileError&) {
                return std::string("refused");
            }
        },
        AsUnprivileged());
    EXPECT_EQ(outcome, "refused");
    EXPECT_TRUE(Files().empty());
#endif
}
