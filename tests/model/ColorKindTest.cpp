#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CColorKind.h"
#include "model/CCp932.h"
#include "model/CFileIO.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Cp932(const std::string& utf8) { return CCp932::EncodeLossy(utf8); }

std::filesystem::path TempDir() {
    auto dir = std::filesystem::temp_directory_path() /
               ("vitachron-colorkind-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace

TEST(CColorKind, AddNeverDuplicatesAColourAndNamePair) {
    CColorKind t;
    CColorKindPair* a = t.Add(255, "武将", false);
    CColorKindPair* b = t.Add(255, "武将", true);
    EXPECT_EQ(a, b);
    EXPECT_FALSE(b->shared);  // the existing category keeps its flag
    t.Add(255, "文化", false);
    t.Add(0, "武将", false);
    EXPECT_EQ(t.Size(), 3u);
    EXPECT_EQ(t.IndexOf(255, "文化"), 1);
    EXPECT_EQ(t.IndexOfColor(0), 2);
    EXPECT_EQ(t.IndexOfName("武将"), 0);
    EXPECT_EQ(t.IndexOf(b), 0);
    EXPECT_EQ(t.IndexOf(nullptr), -1);
    std::uint32_t c = 1;
    EXPECT_FALSE(t.ColorAt(3, c));
    EXPECT_TRUE(t.ColorAt(2, c));
    EXPECT_EQ(c, 0u);
}

TEST(CColorKind, UnsetCategoryIsRedWithoutNameAndShownAsMisettei) {
    CColorKind t;
    CColorKindPair* unset = t.UnsetCategory();
    EXPECT_EQ(unset->color, 255u);
    EXPECT_EQ(unset->name, "");
    EXPECT_FALSE(unset->shared);
    EXPECT_EQ(t.UnsetCategory(), unset);
    EXPECT_EQ(unset->DisplayName(), "未設定");
    EXPECT_EQ(unset->ColorText(), "#ff0000");
    EXPECT_EQ(t.DisplayNames(), std::vector<std::string>{"未設定"});
}

TEST(CColorKind, PaletteHasEighteenColoursAndWraps) {
    EXPECT_EQ(CColorKind::PaletteSize(), 18);
    EXPECT_EQ(CColorKind::PaletteColor(0), 8421631u);
    EXPECT_EQ(CColorKind::PaletteColor(10), 16711680u);
    EXPECT_EQ(CColorKind::PaletteColor(17), 16711808u);
    EXPECT_EQ(CColorKind::PaletteColor(18), 8421631u);
    EXPECT_EQ(CColorKind::PaletteColor(-1), 16711808u);
}

TEST(CColorKind, SharedFileLinesAreReadLeniently) {
    CColorKind t;
    t.LoadSharedText(Cp932("255,武将\r\n255,武将 \r\nno comma here\r\n,黒\r\n32768,名前に,カンマ\r\n-1,白?\r\n12abc,x\r\n"));
    ASSERT_EQ(t.Size(), 5u);
    EXPECT_EQ(t.At(0)->name, "武将");  // the trailing blank went, so the two lines merged
    EXPECT_TRUE(t.At(0)->shared);
    EXPECT_EQ(t.At(1)->color, 0u);
    EXPECT_EQ(t.At(1)->name, "黒");
    EXPECT_EQ(t.At(2)->name, "名前に,カンマ");
    EXPECT_EQ(t.At(3)->color, 0xFFFFFFFFu);
    EXPECT_EQ(t.At(4)->color, 12u);
}

TEST(CColorKind, SavesOnlySharedCategoriesInTableOrder) {
    CColorKind t;
    t.Add(255, "", false);
    t.Add(32768, "文化", true);
    t.Add(16711680, "政治", false);
    t.Add(4227327, "学者", true);
    EXPECT_EQ(t.SharedText(), Cp932("32768,文化\r\n4227327,学者\r\n"));
    CColorKind none;
    none.Add(1, "x", false);
    EXPECT_EQ(none.SharedText(), "");

    const auto dir = TempDir();
    ASSERT_TRUE(t.SaveShared(dir / "color.tbl"));
    CColorKind reread;
    reread.LoadShared(dir / "color.tbl");
    ASSERT_EQ(reread.Size(), 2u);
    EXPECT_EQ(reread.At(1)->name, "学者");
    EXPECT_FALSE(t.SaveShared(dir / "missing" / "color.tbl"));  // reported to the caller, never thrown
    std::filesystem::remove_all(dir);
}

TEST(CColorKind, MissingSharedFileLeavesTheTableAlone) {
    CColorKind t;
    t.Add(1, "a", false);
    t.LoadShared("/nonexistent/vitachron/color.tbl");
    EXPECT_EQ(t.Size(), 1u);
}

TEST(CColorKind, DocumentBlockMergesWithSharedCategories) {
    CColorKind written;
    written.Add(255, "", false);
    written.Add(32768, "文化", false);
    CArchiveWriter w;
    written.Write(w);
    EXPECT_EQ(w.Bytes().substr(0, 8), std::string("\x01\x00\x00\x00\x02\x00\x00\x00", 8));

    CColorKind table;
    table.Add(32768, "文化", true);  // from color.tbl
    CArchiveReader r(w.Bytes());
    table.Read(r);
    ASSERT_EQ(table.Size(), 2u);
    EXPECT_EQ(table.At(0)->name, "文化");
    EXPECT_TRUE(table.At(0)->shared);
    EXPECT_EQ(table.At(1)->color, 255u);
    EXPECT_FALSE(table.At(1)->shared);
    EXPECT_TRUE(r.AtEnd());
}
