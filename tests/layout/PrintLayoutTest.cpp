#include "layout/CPrintLayout.h"
#include "layout/CTimelineGeometry.h"
#include "support/core/LayoutFixture.h"

#include <gtest/gtest.h>

namespace {

// A4 at 600 dpi, the printable area of a common laser printer.
constexpr CPrintDevice kA4At600{4760, 6779, 600, 600, 96, 96};

class PrintLayout : public ::testing::Test, public LayoutFixture {
protected:
    CPrintLayout Cut(std::int64_t people, const CPrintDevice& device = kA4At600, std::int64_t nameColumn = 150) const {
        const CTimelineGeometry g(doc, measurer, kLeftMargin, kCurrentYear, nameColumn);
        return CPrintLayout(g, people, device);
    }
};

}  // namespace

TEST_F(PrintLayout, APageHoldsTheScreenPixelsThatFitAtTheirOnScreenSize) {
    const CPrintLayout l = Cut(10);
    EXPECT_EQ(l.PageWidth(), 4760 * 96 / 600);
    EXPECT_EQ(l.PageHeight(), 96 * 6779 / 600);
    // Header 24, ten pixels below the last row, rows of 40.
    EXPECT_EQ(l.RowsPerPage(), (1084 - 24 - 10) / 40);
    EXPECT_EQ(l.GridBottom(), 24 + 40 * 26 + 10);
    // A preview reporting the printer at the screen's resolution cuts the same pages.
    const CPrintLayout preview = Cut(10, CPrintDevice{761, 1084, 96, 96, 96, 96});
    EXPECT_EQ(preview.PageWidth(), l.PageWidth());
    EXPECT_EQ(preview.RowsPerPage(), l.RowsPerPage());
}

TEST_F(PrintLayout, BandsAreThePeopleOverRowsPerPageRoundedUpAndAtLeastOne) {
    EXPECT_EQ(Cut(0).Bands(), 1);
    EXPECT_EQ(Cut(1).Bands(), 1);
    EXPECT_EQ(Cut(26).Bands(), 1);
    EXPECT_EQ(Cut(52).Bands(), 2);  // an exact multiple: every band full, none empty
    EXPECT_EQ(Cut(53).Bands(), 3);
    const CPrintLayout l = Cut(52);
    const CPrintPage last = l.Page(l.PageCount());
    EXPECT_EQ(last.firstRow, 26);
    EXPECT_EQ(last.lastRow, 52);
    const CPrintPage short3 = Cut(53).Page(Cut(53).PageCount());
    EXPECT_EQ(short3.firstRow, 52);
    EXPECT_EQ(short3.lastRow, 53);
}

TEST_F(PrintLayout, PagesRunAcrossTheColumnsFirstThenDown) {
    doc.Settings().endYear = 2600;  // 2,200 pixels of axis
    const CPrintLayout l = Cut(60);
    ASSERT_EQ(l.Columns(), (150 + 2200 + 28) / 761 + 1);
    ASSERT_EQ(l.Bands(), 3);
    EXPECT_EQ(l.PageCount(), l.Columns() * 3);
    const CPrintPage p2 = l.Page(2);
    EXPECT_EQ(p2.column, 1);
    EXPECT_EQ(p2.band, 0);
    EXPECT_EQ(p2.originX, 761);
    const CPrintPage next = l.Page(l.Columns() + 1);
    EXPECT_EQ(next.column, 0);
    EXPECT_EQ(next.band, 1);
    EXPECT_EQ(next.originX, 0);
    EXPECT_EQ(next.firstRow, 26);
}

TEST_F(PrintLayout, TheNameColumnCountsSoTheLastYearsAreNotCutOff) {
    // 1,000 pixels of axis plus the margin fit one page 1,100 wide; with
    // the name column in front they do not.
    const CPrintDevice wide{1100, 1084, 96, 96, 96, 96};
    EXPECT_EQ(Cut(1, wide, 0).Columns(), 1);
    EXPECT_EQ(Cut(1, wide, 150).Columns(), 2);
}

TEST_F(PrintLayout, APageTooSmallForOneRowPrintsTheHeaderAlone) {
    const CPrintDevice tiny{4760, 6 * (24 + 10 + 39), 600, 600, 96, 96};
    const CPrintLayout l = Cut(5, tiny);
    EXPECT_EQ(l.RowsPerPage(), 0);
    EXPECT_FALSE(l.RowsFit());
    EXPECT_EQ(l.Bands(), 1);
    EXPECT_EQ(l.PageCount(), l.Columns());
    const CPrintPage p = l.Page(1);
    EXPECT_EQ(p.firstRow, p.lastRow);
    EXPECT_EQ(l.GridBottom(), 24 + 10);
    // Nothing at all: still no division by zero.
    const CPrintLayout empty = Cut(5, CPrintDevice{0, 0, 0, 0, 0, 0});
    EXPECT_EQ(empty.RowsPerPage(), 0);
    EXPECT_GE(empty.PageWidth(), 1);
}

TEST_F(PrintLayout, HugeRangesReportTooManyPagesWithoutOverflow) {
    doc.Settings().startYear = -2'000'000'000;
    doc.Settings().endYear = 2'000'000'000;
    doc.Settings().yearWidth = 400;
    doc.Settings().zoom = 300;
    const CPrintLayout l = Cut(2'000'000'000);
    EXPECT_TRUE(l.TooManyPages());
    EXPECT_EQ(l.PageCount(), CPrintLayout::kMaxPages + 1);
    EXPECT_GT(l.Columns(), 1'000'000);
    doc.Settings().startYear = 1500;
    doc.Settings().endYear = 2000;
    EXPECT_FALSE(Cut(10).TooManyPages());
}

TEST_F(PrintLayout, NameColumnYearLineShowsTheRecordedYears) {
    EXPECT_EQ(CPrintLayout::NameColumnYears(Add("a", "1600", "1650")), "1600 - 1650");
    EXPECT_EQ(CPrintLayout::NameColumnYears(Add("b", "1950", "")), "1950 -");
    EXPECT_EQ(CPrintLayout::NameColumnYears(Add("c", "", "-500")), "? - -500");
}
