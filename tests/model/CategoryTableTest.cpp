#include "model/CArchiveReader.h"
#include "model/CArchiveWriter.h"
#include "model/CCategoryTable.h"
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

TEST(CCategoryTable, AddNeverDuplicatesAColourAndNamePair) {
    CCategoryTable t;
    CCategory* a = t.Add(255, "武将", false);
    CCategory* b = t.Add(255, "武将", true);
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

// Enough categories for the lookup tables to grow many times; each lookup
// finds the first category of its kind, also after a category was changed.
TEST(CCategoryTable, LookupsFindTheFirstOfTheirKindAmongManyAndAfterChanges) {
    CCategoryTable t;
    constexpr std::uint32_t kCount = 5000;
    const auto name = [](std::uint32_t i) { return "分類" + std::to_string(i % 2500); };
    for (std::uint32_t i = 0; i < kCount; ++i) {
        t.Add(i % 1000, name(i), false);  // colours and names repeat, no pair does
    }
    ASSERT_EQ(t.Size(), kCount);
    EXPECT_EQ(t.Add(4, name(3004), true), t.At(3004)) << "an existing pair is found, not added";
    EXPECT_FALSE(t.At(3004)->shared);
    EXPECT_EQ(t.Size(), kCount);
    EXPECT_EQ(t.IndexOfColor(999), 999);
    EXPECT_EQ(t.IndexOfName(name(1999)), 1999);
    EXPECT_EQ(t.IndexOf(499, name(1999)), 4499);
    EXPECT_EQ(t.IndexOf(0, name(1999)), -1);
    EXPECT_EQ(t.IndexOfName("分類2500"), -1);
    EXPECT_EQ(t.IndexOfColor(1000), -1);
    EXPECT_EQ(t.IndexOf(t.At(4321)), 4321);
    CCategoryTable other;
    EXPECT_EQ(t.IndexOf(other.UnsetCategory()), -1) << "a category of another table";

    // Changed to the pair of a later category: both stay, and the first is found.
    t.SetAt(2, 0, name(4000));
    EXPECT_EQ(t.IndexOf(0, name(4000)), 2);
    EXPECT_EQ(t.IndexOfName(name(1500)), 2);
    EXPECT_EQ(t.IndexOfName(name(2)), 2502);
    EXPECT_EQ(t.IndexOfColor(2), 1002);
    const CCategory* added = t.Add(2, name(2), false);
    ASSERT_EQ(t.Size(), kCount + 1) << "the old pair is free again";
    EXPECT_EQ(added, t.At(kCount));

    t.Clear();
    EXPECT_EQ(t.IndexOfColor(0), -1);
    EXPECT_EQ(t.IndexOf(t.UnsetCategory()), 0);
}

TEST(CCategoryTable, UnsetCategoryIsRedWithoutNameAndShownAsMisettei) {
    CCategoryTable t;
    CCategory* unset = t.UnsetCategory();
    EXPECT_EQ(unset->color, 255u);
    EXPECT_EQ(unset->name, "");
    EXPECT_FALSE(unset->shared);
    EXPECT_EQ(t.UnsetCategory(), unset);
    EXPECT_EQ(unset->DisplayName(), "未設定");
    EXPECT_EQ(unset->ColorText(), "#ff0000");
    EXPECT_EQ(t.DisplayNames(), std::vector<std::string>{"未設定"});
}

TEST(CCategoryTable, PaletteHasEighteenColoursAndWraps) {
    EXPECT_EQ(CCategoryTable::PaletteSize(), 18);
    EXPECT_EQ(CCategoryTable::PaletteColor(0), 8421631u);
    EXPECT_EQ(CCategoryTable::PaletteColor(10), 16711680u);
    EXPECT_EQ(CCategoryTable::PaletteColor(17), 16711808u);
    EXPECT_EQ(CCategoryTable::PaletteColor(18), 8421631u);
    EXPECT_EQ(CCategoryTable::PaletteColor(-1), 16711808u);
}

TEST(CCategoryTable, SharedFileLinesAreReadLeniently) {
    CCategoryTable t;
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

TEST(CCategoryTable, SavesOnlySharedCategoriesInTableOrder) {
    CCategoryTable t;
    t.Add(255, "", false);
    t.Add(32768, "文化", true);
    t.Add(16711680, "政治", false);
    t.Add(4227327, "学者", true);
    EXPECT_EQ(t.SharedText(), Cp932("32768,文化\r\n4227327,学者\r\n"));
    CCategoryTable none;
    none.Add(1, "x", false);
    EXPECT_EQ(none.SharedText(), "");

    const auto dir = TempDir();
    ASSERT_TRUE(t.SaveShared(dir / "color.tbl"));
    CCategoryTable reread;
    reread.LoadShared(dir / "color.tbl");
    ASSERT_EQ(reread.Size(), 2u);
    EXPECT_EQ(reread.At(1)->name, "学者");
    EXPECT_FALSE(t.SaveShared(dir / "missing" / "color.tbl"));  // reported to the caller, never thrown
    std::filesystem::remove_all(dir);
}

TEST(CCategoryTable, MissingSharedFileLeavesTheTableAlone) {
    CCategoryTable t;
    t.Add(1, "a", false);
    t.LoadShared("/nonexistent/vitachron/color.tbl");
    EXPECT_EQ(t.Size(), 1u);
}

TEST(CCategoryTable, DocumentBlockMergesWithSharedCategories) {
    CCategoryTable written;
    written.Add(255, "", false);
    written.Add(32768, "文化", false);
    CArchiveWriter w;
    written.Write(w);
    EXPECT_EQ(w.Bytes().substr(0, 8), std::string("\x01\x00\x00\x00\x02\x00\x00\x00", 8));

    CCategoryTable table;
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
