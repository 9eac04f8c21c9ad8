#include "model/CEditSession.h"
#include "model/CFileIO.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "model/LocalTime.h"
#include "model/ProfileKeys.h"
#include "support/core/CRecordingHost.h"
#include "support/core/TestPeople.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace PK = ProfileKeys;

class DocumentTest : public ::testing::Test {
protected:
    CRecordingHost host;
    CMemoryProfile profile;
};

TEST_F(DocumentTest, NewDocumentHasTheDefaultSettings) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    const CDocSettings& s = doc.Settings();
    EXPECT_EQ(s.startYear, 0);
    EXPECT_EQ(s.endYear, CurrentLocalYear());
    EXPECT_EQ(doc.FirstDrawnYear(), 0);
    EXPECT_EQ(doc.LastDrawnYear() % 50, 0);
    EXPECT_GE(doc.LastDrawnYear(), CurrentLocalYear());
    EXPECT_LT(doc.LastDrawnYear(), CurrentLocalYear() + 50);
    EXPECT_EQ(s.yearWidth, 200);
    EXPECT_EQ(s.zoom, 100);
    EXPECT_EQ(s.baseYear, 1);
    EXPECT_FALSE(s.baseYearShown);
    EXPECT_EQ(s.basisColor, 0xFF0000u);
    EXPECT_EQ(s.ageColors[3], 0xFF0000u);
    EXPECT_EQ(s.commentSeparator, "##");
    EXPECT_EQ(s.fontName, CLogFont::Default());
    EXPECT_EQ(s.fontName.faceName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(doc.CurrentIndex(), -1);
    ASSERT_EQ(doc.CategoryTable().Size(), 1u);
    EXPECT_EQ(doc.DefaultCategory(), doc.CategoryTable().At(0));
    EXPECT_EQ(doc.DefaultCategory()->color, 255u);
}

TEST_F(DocumentTest, InitialSettingsComeFromTheProfile) {
    profile.WriteInt(PK::kColor, PK::kColorBasis, 0x00FF00);
    profile.WriteInt(PK::kColor, PK::kColorBack, 0x101010);
    profile.WriteInt(PK::kColor, "Custom3", -1);
    profile.WriteInt(PK::kColor, "Custom4", 0x123456);
    profile.WriteInt(PK::kInit, PK::kInitKazoeAster, 0);
    profile.WriteInt(PK::kInit, PK::kInitDisplayAge, 2);  // only 1 means on
    profile.WriteString(PK::kInit, PK::kInitComment, "//");
    profile.WriteInt(PK::kInit, PK::kInitDefaultBarLength, 80);
    profile.WriteString(PK::kHtmlPath, "0", "http://a/");
    profile.WriteString(PK::kHtmlPath, "1", "http://b/");
    profile.WriteString(PK::kHtmlPath, "3", "http://skipped/");  // after the gap: not read
    CLogFont big;
    big.height = -20;
    big.faceName = "IPAGothic";
    profile.WriteProfileFont(PK::kFontYear, big);

    CVitachronDoc doc(host, profile, {});

    CWatch watch_doc{doc, host};
    const CDocSettings& s = doc.Settings();
    EXPECT_EQ(s.basisColor, 0x00FF00u);
    EXPECT_EQ(s.ageColors[0], 0x00FF00u);  // the age colours follow the base colour
    EXPECT_EQ(s.backColor, 0x101010u);
    EXPECT_EQ(s.customColors[3], 0xFFFFFFu);
    EXPECT_EQ(s.customColors[4], 0x123456u);
    EXPECT_FALSE(s.kazoeAster);
    EXPECT_FALSE(s.displayAge);
    EXPECT_TRUE(s.displayYearRange);
    EXPECT_EQ(s.commentSeparator, "//");
    EXPECT_EQ(s.defaultBarLength, 80);
    EXPECT_EQ(doc.HtmlPaths(), (std::vector<std::string>{"http://a/", "http://b/"}));
    EXPECT_EQ(s.fontYear, big);
    EXPECT_EQ(s.fontName, CLogFont::Default());
}

TEST_F(DocumentTest, FontSectionWithoutHeightIsIgnored) {
    profile.WriteInt(PK::kFontName, PK::kLfWeight, 700);
    profile.WriteString(PK::kFontName, PK::kLfFaceName, "Other");
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    EXPECT_EQ(doc.Settings().fontName, CLogFont::Default());

    profile.WriteInt(PK::kFontName, PK::kLfHeight, -12);
    CLogFont f;
    ASSERT_TRUE(profile.GetProfileFont(PK::kFontName, f));
    EXPECT_EQ(f.height, -12);
    EXPECT_EQ(f.weight, 700);
    EXPECT_EQ(f.italic, 255);  // missing: -1 kept in a byte
    EXPECT_EQ(f.width, -1);
    EXPECT_EQ(f.faceName, "Other");
}

TEST_F(DocumentTest, ProfileFaceNamesAreCutTo31Bytes) {
    CLogFont f;
    f.faceName = std::string(40, 'x');
    profile.WriteProfileFont("F", f);
    CLogFont back;
    ASSERT_TRUE(profile.GetProfileFont("F", back));
    EXPECT_EQ(back.faceName, std::string(31, 'x'));
    // Never between the two bytes of one character.
    f.faceName = "あいうえおかきくけこさしすせそたち";  // 17 characters, 34 bytes
    profile.WriteProfileFont("F", f);
    ASSERT_TRUE(profile.GetProfileFont("F", back));
    EXPECT_EQ(back.faceName, "あいうえおかきくけこさしすせそ");
}

TEST_F(DocumentTest, SharedCategoriesComeFirstThenTheUnsetOne) {
    const auto dir = std::filesystem::temp_directory_path() / "vitachron-doc-shared";
    std::filesystem::create_directories(dir);
    CFileIO::WriteFileAtomically(dir / "color.tbl", "32768,x\r\n");
    CVitachronDoc doc(host, profile, dir / "color.tbl");
    CWatch watch_doc{doc, host};
    ASSERT_EQ(doc.CategoryTable().Size(), 2u);
    EXPECT_EQ(doc.CategoryTable().At(0)->name, "x");
    EXPECT_EQ(doc.DefaultCategory(), doc.CategoryTable().At(1));

    CFileIO::WriteFileAtomically(dir / "color.tbl", "255,\r\n");
    doc.OnNewDocument();
    ASSERT_EQ(doc.CategoryTable().Size(), 1u);
    EXPECT_TRUE(doc.DefaultCategory()->shared);  // the shared file supplied the unset category
    std::filesystem::remove_all(dir);
}

TEST_F(DocumentTest, FindNextSearchesOnwardWithoutWrappingAndKeepsFiveTexts) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    AddPerson(doc, MakePerson("織田信長", "1534"));
    AddPerson(doc, MakePerson("豊臣秀吉", "1537"));
    AddPerson(doc, MakePerson("織田信忠", "1557"));
    doc.Sort();
    EXPECT_EQ(doc.FindNext("織田"), 0);
    doc.SetCurrentIndex(0);
    EXPECT_EQ(doc.FindNext("織田"), 2);
    doc.SetCurrentIndex(2);
    EXPECT_EQ(doc.FindNext("織田"), -1);

    CEditSession session;
    session.RememberSearch("織田");
    session.RememberSearch("織田");
    EXPECT_EQ(session.SearchHistory(), std::vector<std::string>{"織田"});  // not added twice
    for (const char* t : {"信", "秀", "豊", "長", "忠"}) {
        session.RememberSearch(t);
    }
    EXPECT_EQ(session.SearchHistory(), (std::vector<std::string>{"信", "秀", "豊", "長", "忠"}));
}

TEST_F(DocumentTest, DeletePersonByDisplayRow) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    AddPerson(doc, MakePerson("b", "1900", nullptr, "b"));
    AddPerson(doc, MakePerson("a", "1800", nullptr, "a"));
    doc.Settings().sortOrder = 1;
    doc.Sort();
    doc.SetCurrentIndex(1);
    doc.DeletePerson(0);  // row 0 shows "a"
    ASSERT_EQ(doc.People().size(), 1u);
    EXPECT_EQ(doc.People()[0]->name, "b");
    EXPECT_EQ(doc.CurrentIndex(), -1);
    EXPECT_EQ(DisplayedNames(doc), std::vector<std::string>{"b"});

    doc.SetCurrentIndex(0);
    doc.DeletePerson(5);  // beyond the list: only the current row is reset
    EXPECT_EQ(doc.People().size(), 1u);
    EXPECT_EQ(doc.CurrentIndex(), -1);
}

TEST_F(DocumentTest, RefreshResortsUpdatesViewsAndMarksModified) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    AddPerson(doc, MakePerson("b", "1900", nullptr, "b"));
    AddPerson(doc, MakePerson("a", "1800", nullptr, "a"));
    doc.Settings().sortOrder = 1;
    doc.SetCurrentIndex(1);
    doc.Refresh();
    EXPECT_EQ(DisplayedNames(doc), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(doc.CurrentIndex(), -1);
    EXPECT_EQ(host.updates, 1);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(doc.GetDisplayed(1)->name, "b");
    EXPECT_EQ(doc.GetDisplayed(2), nullptr);
    EXPECT_EQ(doc.GetDisplayed(-1), nullptr);
}

TEST_F(DocumentTest, ZoomRedrawsWithoutMarkingModified) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    doc.SetZoom(150);
    EXPECT_EQ(doc.Settings().zoom, 150);
    EXPECT_TRUE(host.Saw(CDocChange::Zoom));
    EXPECT_EQ(host.modifiedCalls, 0);
    doc.SetLinkedDocument("/home/u/a.anx");
    EXPECT_EQ(doc.LinkedDocument(), "/home/u/a.anx");
    EXPECT_TRUE(host.modified);
}

TEST_F(DocumentTest, DrawnRangeRoundsOutwardToFifties) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    doc.Settings().startYear = -30;
    doc.Settings().endYear = -30;
    EXPECT_EQ(doc.FirstDrawnYear(), -50);
    EXPECT_EQ(doc.LastDrawnYear(), 0);
    doc.Settings().startYear = 1951;
    doc.Settings().endYear = 2000;
    EXPECT_EQ(doc.FirstDrawnYear(), 1950);
    EXPECT_EQ(doc.LastDrawnYear(), 2000);
    doc.Settings().endYear = 2147483647;  // no overflow at the edge of the range
    EXPECT_EQ(doc.LastDrawnYear(), 2147483650LL);
}

TEST_F(DocumentTest, BaseYearStateFollowsBirthDeathAndMemorialOptions) {
    using State = CVitachronDoc::BaseYearState;
    CVitachronDoc doc(host, profile, {});
    const auto p = MakePerson("p", "1900", "1950");
    doc.Settings().ageColors = {1, 2, 3, 4};
    EXPECT_EQ(doc.StateAtBaseYear(*p, 1899), State::BeforeBirth);
    EXPECT_EQ(doc.StateAtBaseYear(*p, 1900), State::Alive);
    EXPECT_EQ(doc.StateAtBaseYear(*p, 1949), State::Alive);
    EXPECT_EQ(doc.StateAtBaseYear(*p, 1950), State::AfterDeath);
    doc.Settings().countFromBirth = false;
    EXPECT_EQ(doc.StateAtBaseYear(*p, 1951), State::AfterDeath);  // memorial counting off
    doc.Settings().memorialCount = true;
    EXPECT_EQ(doc.StateAtBaseYear(*p, 1951), State::Memorial);
    EXPECT_EQ(doc.BaseColor(State::Memorial), 4u);
    EXPECT_EQ(doc.BaseColor(State::BeforeBirth), 1u);
    const auto living = MakePerson("l", "1900");
    EXPECT_EQ(doc.StateAtBaseYear(*living, 3000), State::Alive);  // an unknown death is never reached
}

TEST_F(DocumentTest, ImportedCategoriesByNameThenFreePaletteColourThenRowIndex) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    CPerson none;
    ASSERT_TRUE(doc.AssignImportedCategory(none, 0));
    EXPECT_EQ(none.category, doc.DefaultCategory());

    CPerson first;
    first.categoryName = "c0";
    ASSERT_TRUE(doc.AssignImportedCategory(first, 0));
    EXPECT_EQ(first.category->color, CCategoryTable::PaletteColor(0));
    CPerson again;
    again.categoryName = "c0";
    doc.AssignImportedCategory(again, 7);
    EXPECT_EQ(again.category, first.category);

    // The unset category's red is not in the palette, so 18 names use all 18 colours.
    for (int i = 1; i < 18; ++i) {
        CPerson p;
        p.categoryName = "c" + std::to_string(i);
        doc.AssignImportedCategory(p, i);
        EXPECT_EQ(p.category->color, CCategoryTable::PaletteColor(i));
    }
    CPerson nineteenth;
    nineteenth.categoryName = "c18";
    ASSERT_TRUE(doc.AssignImportedCategory(nineteenth, 40));
    EXPECT_EQ(nineteenth.category->color, CCategoryTable::PaletteColor(40 % 18));
    EXPECT_EQ(nineteenth.category->name, "c18");
}

TEST_F(DocumentTest, LoadedPeopleFindTheirCategoryByColourAndName) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    CCategory* named = doc.CategoryTable().Add(32768, "文化", false);
    CPerson exact;
    exact.categoryColor = 32768;
    exact.categoryName = "文化";
    doc.ResolveCategoryAfterLoad(exact);
    EXPECT_EQ(exact.category, named);

    CPerson renamed;
    renamed.categoryColor = 32768;
    renamed.categoryName = "昔の名前";
    doc.ResolveCategoryAfterLoad(renamed);
    EXPECT_EQ(renamed.category, named);  // the first entry of that colour

    CPerson gone;
    gone.categoryColor = 0x123456;
    gone.categoryName = "消えた";
    doc.ResolveCategoryAfterLoad(gone);
    EXPECT_EQ(gone.category->color, 0x123456u);
    EXPECT_EQ(gone.category->name, "");  // a new nameless category of that colour
}

TEST_F(DocumentTest, HtmlPathHistoryMovesRepeatsToTheEnd) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    EXPECT_FALSE(doc.LastHtmlPath().has_value());
    doc.AddHtmlPath("a");
    doc.AddHtmlPath("b");
    doc.AddHtmlPath("a");
    EXPECT_EQ(doc.HtmlPaths(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(doc.LastHtmlPath(), "a");
}

TEST_F(DocumentTest, StoredOrderEditsKeepTheDisplayOrderValid) {
    CVitachronDoc doc(host, profile, {});
    CWatch watch_doc{doc, host};
    for (const char* n : {"a", "b", "c"}) {
        AddPerson(doc, MakePerson(n, "1900"));
    }
    doc.Sort();
    doc.MovePerson(0, 2);
    doc.Sort();
    EXPECT_EQ(DisplayedNames(doc), (std::vector<std::string>{"b", "c", "a"}));
    auto taken = doc.TakePersonAt(1);
    EXPECT_EQ(taken->name, "c");
    EXPECT_EQ(DisplayedNames(doc), (std::vector<std::string>{"b", "a"}));  // no dangling row
    doc.InsertPersonAt(0, std::move(taken));
    doc.Sort();
    EXPECT_EQ(DisplayedNames(doc), (std::vector<std::string>{"c", "b", "a"}));
    EXPECT_EQ(doc.TakePersonAt(9), nullptr);

    doc.SetCurrentIndex(1);
    auto last = doc.TakeLastPeople(2);
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0]->name, "b");
    EXPECT_EQ(last[1]->name, "a");
    EXPECT_TRUE(doc.DisplayOrder().empty()) << "no row may point at a person taken out";
    EXPECT_EQ(doc.CurrentIndex(), -1);
    doc.Sort();
    EXPECT_EQ(DisplayedNames(doc), (std::vector<std::string>{"c"}));
    EXPECT_EQ(doc.TakeLastPeople(5).size(), 1u);
    EXPECT_TRUE(doc.People().empty());
}
