// The GEDCOM reader, from small files written here: lines, character sets,
// names, events, notes, dates and calendars, the report, and the bounds that
// keep hostile files from exhausting memory. Last, a generated tree of a
// few thousand people in the manner of a genealogy program's export.
#include "interchange/CGedcomDate.h"
#include "interchange/CGedcomReader.h"
#include "model/CUtf8.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kYear = 2026;

std::string Ged(std::string_view body, std::string_view charset = "UTF-8") {
    std::string text = "0 HEAD\n1 SOUR TREEPROG\n1 GEDC\n2 VERS 5.5.1\n1 CHAR ";
    text.append(charset).append("\n").append(body);
    if (body.empty() || body.back() != '\n') {
        text += '\n';
    }
    return text + "0 TRLR\n";
}

struct Read {
    explicit Read(std::string_view bytes, CGedcomReader::Limits limits = {}, std::size_t piece = 1 << 20)
        : reader(kYear, limits) {
        ok = reader.ReadBytes(bytes, piece);
    }
    const CPerson& P(std::size_t i) const { return *reader.People().at(i).person; }
    std::size_t Count() const { return reader.People().size(); }
    std::string Report() const { return reader.ReportText(); }
    CGedcomReader reader;
    bool ok = false;
};

std::string Indi(std::string_view name, std::string_view birth, std::string_view more = "") {
    std::string s = "0 @I1@ INDI\n1 NAME ";
    s.append(name).append("\n1 BIRT\n2 DATE ").append(birth).append("\n").append(more);
    return s;
}

TEST(GedcomReaderTest, LinesEndingsBlanksContinuationsAndPieces) {
    const std::string body = "0 @I1@ INDI\r\n   1 NAME John /Smith/\r\n\r\n1 BIRT\r2 DATE 3 MAR 1901\r"
                             "1 NOTE first@@home\n2 CONC  part\n2 CONT second line\n2 CONT\n2 CONC x\n";
    const std::string text = Ged(body);
    Read whole(text);
    ASSERT_TRUE(whole.ok);
    ASSERT_EQ(whole.Count(), 1u);
    EXPECT_EQ(whole.P(0).name, "John Smith");
    EXPECT_EQ(whole.P(0).birth.value, 1901);
    EXPECT_EQ(whole.P(0).birthMonth, 3);
    EXPECT_EQ(whole.P(0).birthDay, 3);
    // CONC joins without a blank (its own leading blank kept), CONT breaks the line.
    EXPECT_EQ(whole.P(0).comment, "first@home part\r\nsecond line\r\nx");
    EXPECT_EQ(whole.Report(), "");
    for (std::size_t piece = 1; piece <= 7; ++piece) {
        Read pieces(text, {}, piece);
        ASSERT_TRUE(pieces.ok) << piece;
        EXPECT_EQ(pieces.P(0).comment, whole.P(0).comment) << piece;
        EXPECT_EQ(pieces.P(0).name, whole.P(0).name) << piece;
    }
    // 7.0 takes "@@" only at the start of a value.
    Read seven("0 HEAD\n1 GEDC\n2 VERS 7.0\n0 @I1@ INDI\n1 NAME A\n1 BIRT\n2 DATE 1900\n1 NOTE @@a@@b\n0 TRLR\n");
    ASSERT_TRUE(seven.ok);
    EXPECT_EQ(seven.P(0).comment, "@a@@b");
}

TEST(GedcomReaderTest, CharacterSets) {
    const auto nameOf = [](std::string_view bytes) {
        Read r(bytes);
        EXPECT_TRUE(r.ok);
        return r.Count() == 1 ? r.P(0).name.str() : std::string("(none)");
    };
    // A byte order mark wins over CHAR.
    EXPECT_EQ(nameOf("\xEF\xBB\xBF" + Ged(Indi("Jos\xC3\xA9", "1900"), "ANSEL")), "Jos\xC3\xA9");
    const auto utf16 = [](std::string_view ascii, bool be) {
        std::string out = be ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : ascii) {
            out += be ? std::string{'\0', c} : std::string{c, '\0'};
        }
        return out;
    };
    std::string le = utf16(Ged(Indi("X", "1900"), "UNICODE"), false);
    // "X" becomes 織 (U+7E54) in both byte orders.
    le.replace(le.find(std::string("X\0", 2)), 2, std::string("\x54\x7E", 2));
    EXPECT_EQ(nameOf(le), "\xE7\xB9\x94");
    std::string be = utf16(Ged(Indi("X", "1900"), "UNICODE"), true);
    be.replace(be.find(std::string("\0X", 2)), 2, std::string("\x7E\x54", 2));
    EXPECT_EQ(nameOf(be), "\xE7\xB9\x94");
    // ANSEL: the diacritic before its letter, composed; two marks in turn;
    // a mark with no composed form stays combining.
    EXPECT_EQ(nameOf(Ged(Indi("Jos\xE2" "e M\xE8uller", "1900"), "ANSEL")), "Jos\xC3\xA9 M\xC3\xBCller");
    EXPECT_EQ(nameOf(Ged(Indi("\xE8\xE5u", "1900"), "ANSEL")), "\xC7\x96");          // ǖ: ü, then macron
    EXPECT_EQ(nameOf(Ged(Indi("\xE5\xE8u", "1900"), "ANSEL")), "\xE1\xB9\xBB");      // ṻ: ū, then diaeresis
    EXPECT_EQ(nameOf(Ged(Indi("\xA1od\xB2", "1900"), "ANSEL")), "\xC5\x81od\xC3\xB8");  // Łodø
    EXPECT_EQ(nameOf(Ged(Indi("\xE2q", "1900"), "ANSEL")), "q\xCC\x81");
    // ANSI is code page 1252.
    EXPECT_EQ(nameOf(Ged(Indi("Ren\xE9 \x80", "1900"), "ANSI")), "Ren\xC3\xA9 \xE2\x82\xAC");
    // Shift_JIS under its many names is code page 932.
    for (const char* name : {"SHIFT_JIS", "SJIS", "Shift-JIS", "CP932", "MS932", "Windows-31J"}) {
        EXPECT_EQ(nameOf(Ged(Indi("\x90\x4D\x92\xB7 /\x90\x44\x93\x63/", "1534"), name)),
                  "\xE7\xB9\x94\xE7\x94\xB0\xE4\xBF\xA1\xE9\x95\xB7")
            << name;  // 織田信長
    }
    // Bytes that are no characters of the set: read on, and reported by line.
    for (const auto& [set, bad] : std::initializer_list<std::pair<const char*, const char*>>{
             {"UTF-8", "Bad\xFF"}, {"ASCII", "Bad\xE9"}, {"ANSEL", "Bad\x80"}, {"ANSI", "Bad\x81"}}) {
        Read r(Ged(Indi(bad, "1900"), set));
        ASSERT_TRUE(r.ok) << set;
        EXPECT_EQ(r.Count(), 1u) << set;
        EXPECT_NE(r.Report().find("7行目: "), std::string::npos) << set << r.Report();
    }
}

TEST(GedcomReaderTest, NamesAndReadings) {
    const auto person = [](std::string_view indi) {
        Read r(Ged(indi));
        EXPECT_TRUE(r.ok);
        return r.Count() == 1 ? r.P(0) : CPerson{};
    };
    EXPECT_EQ(person(Indi("John Quincy /Adams/ Jr.", "1767")).name, "John Quincy Adams Jr.");
    EXPECT_EQ(person(Indi("信長 /織田/", "1534")).name, "織田信長");
    EXPECT_EQ(person(Indi("/毛沢東/", "1893")).name, "毛沢東");
    EXPECT_EQ(person(Indi("Plain Name", "1900")).name, "Plain Name");
    EXPECT_EQ(person("0 @I1@ INDI\n1 NAME //\n2 GIVN 龍馬\n2 SURN 坂本\n1 BIRT\n2 DATE 1836\n").name, "坂本龍馬");
    EXPECT_EQ(person("0 @I1@ INDI\n1 NAME\n2 GIVN Ada\n2 SURN Lovelace\n1 BIRT\n2 DATE 1815\n").name, "Ada Lovelace");
    // The reading: FONE of TYPE kana (5.5.1), TRAN in a kana script (7.0); other variants are not one.
    EXPECT_EQ(person(Indi("信長 /織田/", "1534") + "").reading, "");
    EXPECT_EQ(person("0 @I1@ INDI\n1 NAME 信長 /織田/\n2 FONE Nobunaga /Oda/\n3 TYPE romaji\n2 FONE のぶなが /おだ/\n"
                     "3 TYPE kana\n1 BIRT\n2 DATE 1534\n")
                  .reading,
              "おだのぶなが");
    EXPECT_EQ(person("0 @I1@ INDI\n1 NAME 信長 /織田/\n2 TRAN Oda Nobunaga\n3 LANG en\n2 TRAN のぶなが /おだ/\n"
                     "3 LANG ja-Hrkt\n1 BIRT\n2 DATE 1534\n")
                  .reading,
              "おだのぶなが");
    // Only the first NAME counts; a later one is reported as not used.
    Read two(Ged("0 @I1@ INDI\n1 NAME First /One/\n1 NAME Second /Two/\n2 GIVN Z\n1 BIRT\n2 DATE 1900\n"));
    EXPECT_EQ(two.P(0).name, "First One");
    EXPECT_NE(two.Report().find("INDI.NAME（1件、最初は8行目）"), std::string::npos) << two.Report();
    // No name at all: not a person, and the report says where.
    Read none(Ged("0 @I9@ INDI\n1 BIRT\n2 DATE 1900\n" + Indi("Kept", "1901")));
    EXPECT_EQ(none.Count(), 1u);
    EXPECT_NE(none.Report().find("6行目: 名前のない個人@I9@は読み込みませんでした。"), std::string::npos) << none.Report();
}

TEST(GedcomReaderTest, BirthsDeathsAndStandIns) {
    const auto person = [](std::string_view indi) {
        Read r(Ged(indi));
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.Count(), 1u) << r.Report();
        return r.Count() == 1 ? r.P(0) : CPerson{};
    };
    // A christening stands in for the birth, a burial or cremation for the death: uncertain.
    CPerson p = person("0 @I1@ INDI\n1 NAME A\n1 CHR\n2 DATE 5 MAY 1800\n1 BURI\n2 DATE ABT 1850\n");
    EXPECT_EQ(p.FormatBirthText(false), "1800/5/5[洗礼]");
    EXPECT_TRUE(p.birthUncertain);
    EXPECT_EQ(p.FormatDeathText(false), "1850[埋葬・頃]");
    EXPECT_TRUE(p.deathUncertain);
    EXPECT_TRUE(p.ageUncertain);
    // BIRT's date is preferred to CHR's; DEAT to CREM.
    p = person("0 @I1@ INDI\n1 NAME A\n1 CHR\n2 DATE 1801\n1 BIRT\n2 DATE 1800\n1 CREM\n2 DATE 1861\n1 DEAT\n2 DATE 1860\n");
    EXPECT_EQ(p.FormatBirthText(false), "1800");
    EXPECT_EQ(p.FormatDeathText(false), "1860");
    EXPECT_FALSE(p.birthUncertain || p.deathUncertain);
    // DEAT Y: dead at a date not known, never living.
    p = person(Indi("A", "1950", "1 DEAT Y\n"));
    EXPECT_TRUE(p.death.IsUnknown());
    EXPECT_TRUE(p.deathUncertain);
    EXPECT_TRUE(p.hideDeath);
    // No death recorded: living, unless born too long ago to be.
    p = person(Indi("A", "1950"));
    EXPECT_TRUE(p.death.IsUnknown());
    EXPECT_FALSE(p.deathUncertain);
    p = person(Indi("A", "1850"));
    EXPECT_TRUE(p.death.IsUnknown());
    EXPECT_TRUE(p.deathUncertain);
    // Only a death: the birth unknown and uncertain, as a CSV "?".
    p = person("0 @I1@ INDI\n1 NAME A\n1 DEAT\n2 DATE 1900\n");
    EXPECT_TRUE(p.birth.IsUnknown());
    EXPECT_TRUE(p.birthUncertain && p.hideBirth);
    EXPECT_EQ(p.death.value, 1900);
    // Neither: reported, not imported.
    Read neither(Ged("0 @I4@ INDI\n1 NAME Nobody /Dates/\n1 BIRT\n2 PLAC Here\n1 DEAT Y\n"));
    EXPECT_EQ(neither.Count(), 0u);
    EXPECT_NE(neither.Report().find("6行目: 「Nobody Dates」（@I4@）には生年も没年もない"), std::string::npos)
        << neither.Report();
    // A date that does not read falls to the next source, and is reported.
    Read bad(Ged("0 @I1@ INDI\n1 NAME A\n1 BIRT\n2 DATE sometime\n1 CHR\n2 DATE 1700\n"));
    ASSERT_EQ(bad.Count(), 1u);
    EXPECT_EQ(bad.P(0).FormatBirthText(false), "1700[洗礼]");
    EXPECT_NE(bad.Report().find("9行目: 日付「sometime」を読めませんでした。"), std::string::npos) << bad.Report();
}

TEST(GedcomReaderTest, NotesInlineAndReferenced) {
    Read r(Ged("0 @I1@ INDI\n1 NAME A\n1 BIRT\n2 DATE 1900\n1 NOTE inline\n1 NOTE @N1@\n1 NOTE @N404@\n"
               "0 @N1@ NOTE record text\n1 CONT second\n1 SOUR @S1@\n"));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.P(0).comment, "inline\r\nrecord text\r\nsecond");
    EXPECT_NE(r.Report().find("12行目: 注記@N404@が見つかりませんでした。"), std::string::npos) << r.Report();
    EXPECT_NE(r.Report().find("NOTE.SOUR（1件、最初は15行目）"), std::string::npos) << r.Report();
    // Escaped at-signs are text, even where the joined text looks like a pointer.
    Read text(Ged("0 @I1@ INDI\n1 NAME A\n1 BIRT\n2 DATE 1900\n1 NOTE @@a\n2 CONT @@\n"));
    ASSERT_TRUE(text.ok);
    EXPECT_EQ(text.P(0).comment, "@a\r\n@");
}

TEST(GedcomReaderTest, DatesQualifiersAndCalendars) {
    struct Case {
        const char* text;
        const char* expected;  // the date text as the program writes it
        bool uncertain;
    };
    const Case cases[] = {
        {"3 MAR 1901", "1901/3/3", false},
        {"mar 1901", "1901/3", false},
        {"1901", "1901", false},
        {"ABT 1600", "1600[頃]", true},
        {"CAL 1600", "1600[推算]", true},
        {"EST JUN 1600", "1600/6[推定]", true},
        {"BEF 1600", "1600[以前]", true},
        {"AFT 2 JAN 1600", "1600/1/2[以後]", true},
        {"BET 1700 AND 1710", "1700[～1710]", true},
        {"FROM 1700 TO 1710", "1700[～1710]", true},
        {"FROM 1700", "1700[から]", true},
        {"TO 1700", "1700[まで]", true},
        {"INT 1600 (慶長五年)", "1600[慶長五年]", true},
        {"44 B.C.", "-44", false},
        {"15 MAR 44 BCE", "-44/3/15", false},
        {"1700/01", "1701[1700/01]", false},
        {"11 FEB 1731/32", "1732/2/11[1731/32]", false},
        {"@#DJULIAN@ 4 OCT 1582", "1582/10/14[ユリウス暦]", false},
        {"ABT @#DJULIAN@ 1 JAN 1700", "1700/1/11[ユリウス暦・頃]", true},
        {"JULIAN 1 MAR 1700", "1700/3/12[ユリウス暦]", false},
        {"@#DJULIAN@ 1 JAN 1 B.C.", "-2/12/30[ユリウス暦]", false},
        {"@#DJULIAN@ 1700", "1700[ユリウス暦]", false},
        {"@#DFRENCH R@ 1 VEND 1", "1792/9/22[フランス革命暦]", false},
        {"@#DFRENCH R@ 18 BRUM 8", "1799/11/9[フランス革命暦]", false},
        {"@#DGREGORIAN@ 1 JAN 1900", "1900/1/1", false},
    };
    for (const Case& c : cases) {
        const CGedcomDate::Parsed parsed = CGedcomDate::Parse(c.text);
        ASSERT_TRUE(parsed.ok) << c.text;
        CPerson p;
        p.birth = parsed.value.year;
        p.birthMonth = parsed.value.month;
        p.birthDay = parsed.value.day;
        p.birthNote = parsed.value.note;
        EXPECT_EQ(p.FormatBirthText(false), c.expected) << c.text;
        EXPECT_EQ(parsed.value.uncertain, c.uncertain) << c.text;
        EXPECT_EQ(parsed.problem, "") << c.text;
    }
    // Approximated and said so.
    const CGedcomDate::Parsed hebrew = CGedcomDate::Parse("@#DHEBREW@ 1 TSH 5784");
    EXPECT_TRUE(hebrew.ok && hebrew.value.uncertain);
    EXPECT_EQ(hebrew.value.year.value, 2023);
    EXPECT_NE(hebrew.problem.find("ヘブライ暦"), std::string::npos);
    for (const char* text : {"", "sometime", "(no idea)", "32 JAN 1900", "JANUARY 1900", "0", "BET 1700", "1234567890",
                             "@#DROMAN@ 5 AUC", "1 2 3 4", "1700/001"}) {
        EXPECT_FALSE(CGedcomDate::Parse(text).ok) << text;
    }
}

TEST(GedcomReaderTest, StructureFaultsAreReportedAndSkipped) {
    // A level that jumps: that line and all below it are skipped.
    Read jump(Ged("0 @I1@ INDI\n1 NAME A\n3 DATE 1800\n4 X y\n1 BIRT\n2 DATE 1900\n"));
    ASSERT_EQ(jump.Count(), 1u);
    EXPECT_EQ(jump.P(0).birth.value, 1900);
    EXPECT_NE(jump.Report().find("8行目: 階層番号が1から3へ飛んでいる"), std::string::npos) << jump.Report();
    // Lines that are not GEDCOM lines.
    Read junk(Ged("garbage here\n" + Indi("A", "1900")));
    EXPECT_EQ(junk.Count(), 1u);
    EXPECT_NE(junk.Report().find("6行目: GEDCOMの行として"), std::string::npos) << junk.Report();
    // Tags this program has no use for, summed up by tag.
    Read fam(Ged(Indi("A", "1900", "1 FAMS @F1@\n2 NOTE x\n") + "0 @F1@ FAM\n1 HUSB @I1@\n0 @F2@ FAM\n"));
    EXPECT_NE(fam.Report().find("使わなかった項目: FAM（2件、最初は12行目）"), std::string::npos) << fam.Report();
    EXPECT_NE(fam.Report().find("使わなかった項目: INDI.FAMS（1件、最初は10行目）"), std::string::npos);
    // Whole-file failures give no people at all.
    EXPECT_FALSE(Read("not a gedcom file\n").ok);
    EXPECT_FALSE(Read("").ok);
    Read nul(Ged(Indi("A", "1900")) + std::string("0 @I2@ INDI\n1 NAME B\0\n", 22));
    EXPECT_FALSE(nul.ok);
    EXPECT_EQ(nul.reader.FailureKind(), CGedcomReader::Failure::NulByte);
    EXPECT_EQ(nul.Count(), 0u);
}

TEST(GedcomReaderTest, HostileSizesStayBounded) {
    CGedcomReader::Limits limits;
    limits.maxPeople = 3;
    limits.maxTextBytes = 64;
    limits.maxLineBytes = 100;
    limits.maxNoteRecords = 1;
    limits.maxReportEntries = 5;
    // More people than the limit: the whole read fails, with its message.
    std::string many;
    for (int i = 0; i < 4; ++i) {
        many += Indi("P" + std::to_string(i), "1900");
    }
    Read tooMany(Ged(many), limits);
    EXPECT_FALSE(tooMany.ok);
    EXPECT_EQ(tooMany.Count(), 0u);
    EXPECT_NE(tooMany.reader.FailureText().find("個人が多すぎます（3人まで）"), std::string::npos);
    // A CONC chain far beyond the limit: kept to the limit, reported once.
    std::string chain = Indi("A", "1900", "1 NOTE start");
    chain += "\n";
    for (int i = 0; i < 10000; ++i) {
        chain += "2 CONC 0123456789\n";
    }
    Read conc(Ged(chain), limits, 4096);
    ASSERT_EQ(conc.Count(), 1u);
    EXPECT_LE(conc.P(0).comment.size(), 64u);
    EXPECT_EQ(conc.P(0).comment.substr(0, 15), "start0123456789");
    const std::string report = conc.Report();
    EXPECT_EQ(report.find("文字列が長すぎる"), report.rfind("文字列が長すぎる")) << report;
    // One line beyond the line limit: cut, reported.
    Read longLine(Ged(Indi(std::string(500, 'x'), "1900")), limits);
    ASSERT_EQ(longLine.Count(), 1u);
    EXPECT_LT(longLine.P(0).name.size(), 100u);
    EXPECT_NE(longLine.Report().find("1行が長すぎる"), std::string::npos);
    // A value cut at the limit keeps whole characters, also when more follows.
    std::string kana;
    for (int i = 0; i < 30; ++i) {
        kana += "あ";  // three bytes: 64 is no character boundary
    }
    Read cut(Ged(Indi("A", "1900", "1 NOTE " + kana + "\n2 CONC い")), limits);
    ASSERT_EQ(cut.Count(), 1u);
    EXPECT_TRUE(CUtf8::IsValid(cut.P(0).comment.view())) << cut.P(0).comment;
    EXPECT_EQ(cut.P(0).comment.size(), 63u);
    // Note records beyond the limit are not kept; the report stops at its limit.
    Read notes(Ged("0 @N1@ NOTE a\n0 @N2@ NOTE b\n" + Indi("A", "1900", "1 NOTE @N2@\n") + "1 X\n1 X\n1 X\n1 X\n1 X\n1 X\n"),
               limits);
    ASSERT_EQ(notes.Count(), 1u);
    EXPECT_EQ(notes.P(0).comment, "");
    EXPECT_NE(notes.Report().find("注記レコードが多すぎる"), std::string::npos) << notes.Report();
}

// A tree in the manner of a genealogy program's export: families, sources,
// places, every date form, people known only by burial or by DEAT Y.
TEST(GedcomReaderTest, GeneratedTreeOfThousands) {
    std::mt19937 random(17);
    std::string body = "0 @S1@ SOUR\n1 TITL Parish register\n";
    const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const char* qualifiers[] = {"ABT", "BEF", "AFT", "EST", "CAL"};
    constexpr int kPeople = 4000;
    int exact = 0;
    int qualified = 0;
    int dead = 0;
    for (int i = 1; i <= kPeople; ++i) {
        const int year = 1600 + static_cast<int>(random() % 380);
        body += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Given" + std::to_string(i) + " /Sur" +
                std::to_string(i % 97) + "/\n2 GIVN Given" + std::to_string(i) + "\n1 SEX " + (i % 2 ? "M" : "F") +
                "\n1 BIRT\n";
        if (i % 5 == 0) {
            body += std::string("2 DATE ") + qualifiers[i % 5 == 0 ? (i / 5) % 5 : 0] + " " + std::to_string(year) + "\n";
            ++qualified;
        } else {
            body += "2 DATE " + std::to_string(1 + i % 28) + " " + months[i % 12] + " " + std::to_string(year) + "\n";
            ++exact;
        }
        body += "2 PLAC Town " + std::to_string(i % 50) + "\n2 SOUR @S1@\n";
        switch (i % 4) {
        case 0:
            body += "1 DEAT\n2 DATE " + std::to_string(year + 60) + "\n";
            ++dead;
            break;
        case 1:
            body += "1 DEAT Y\n";
            ++dead;
            break;
        case 2:
            body += "1 BURI\n2 PLAC Churchyard\n";  // buried, no date
            ++dead;
            break;
        default:
            break;  // nothing recorded
        }
        body += "1 FAMC @F" + std::to_string(i / 2) + "@\n";
    }
    for (int f = 1; f <= kPeople / 2; ++f) {
        body += "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @I" + std::to_string(2 * f) + "@\n";
    }
    Read r(Ged(body, "ANSEL"), {}, 8192);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.Count(), static_cast<std::size_t>(kPeople));
    int seenExact = 0;
    int seenQualified = 0;
    for (std::size_t i = 0; i < r.Count(); ++i) {
        const CPerson& p = r.P(i);
        const int n = static_cast<int>(i) + 1;
        EXPECT_EQ(p.name, "Given" + std::to_string(n) + " Sur" + std::to_string(n % 97));
        if (n % 5 == 0) {
            EXPECT_TRUE(p.birthUncertain) << n;
            EXPECT_EQ(p.birthMonth, -1) << n;
            ++seenQualified;
        } else {
            EXPECT_FALSE(p.birthUncertain) << n;
            EXPECT_EQ(p.birthDay, 1 + n % 28) << n;
            ++seenExact;
        }
        // Whoever has a death event is dead; so is whoever was born too
        // long ago to be alive.
        const bool living = p.death.IsUnknown() && !p.deathUncertain;
        if (n % 4 != 3 || p.birth.value < kYear - CGedcomReader::kPresumedDeadAfterYears) {
            EXPECT_FALSE(living) << n;
        }
    }
    EXPECT_EQ(seenExact, exact);
    EXPECT_EQ(seenQualified, qualified);
    EXPECT_GT(dead, 0);
    EXPECT_NE(r.Report().find("使わなかった項目: FAM（2000件"), std::string::npos);
}

}  // namespace
