#include "layout/CHeaderLayout.h"
#include "layout/CTimelineGeometry.h"
#include "support/core/LayoutFixture.h"

#include <gtest/gtest.h>

namespace {

class HeaderLayout : public ::testing::Test, public LayoutFixture {
protected:
    CHeaderGrid Layout(std::optional<CHeaderLayout::View> view) const {
        const CTimelineGeometry g(doc, measurer, kLeftMargin, kCurrentYear);
        return CHeaderLayout::Layout(g, 100, view);
    }
};

std::vector<std::int64_t> LabelYears(const CHeaderGrid& grid) {
    std::vector<std::int64_t> years;
    for (const CHeaderMark& m : grid.marks) {
        if (m.hasLabel) {
            years.push_back(m.labelYear);
        }
    }
    return years;
}

}  // namespace

TEST_F(HeaderLayout, PrintLabelsEveryRoundHundredOfTheRangeWithShortTicksBetween) {
    const CHeaderGrid grid = Layout(std::nullopt);
    EXPECT_EQ(LabelYears(grid), (std::vector<std::int64_t>{1500, 1600, 1700, 1800, 1900, 2000}));
    ASSERT_EQ(grid.marks.size(), 6u);
    EXPECT_EQ(grid.marks[0].labelX, kLeftMargin);
    EXPECT_EQ(grid.marks[0].shortTickX, kLeftMargin + 100);
    EXPECT_EQ(grid.marks[1].labelX, kLeftMargin + 200);
    EXPECT_FALSE(grid.marks.back().shortTickX.has_value());  // the range's last year
    EXPECT_EQ(grid.step, 200);
}

TEST_F(HeaderLayout, RangesOnFiftiesLabelRoundHundredsHalfAStepAfterTheTicks) {
    doc.Settings().startYear = 1550;
    doc.Settings().endYear = 1850;
    const CHeaderGrid grid = Layout(std::nullopt);
    EXPECT_EQ(LabelYears(grid), (std::vector<std::int64_t>{1600, 1700, 1800}));
    ASSERT_EQ(grid.marks.size(), 4u);
    EXPECT_EQ(grid.marks[0].gridYear, 1550);
    EXPECT_EQ(grid.marks[0].shortTickX, kLeftMargin);
    EXPECT_EQ(grid.marks[0].labelX, kLeftMargin + 100);
    // The last year ends in 50: only its short tick.
    EXPECT_FALSE(grid.marks[3].hasLabel);
    EXPECT_EQ(grid.marks[3].shortTickX, kLeftMargin + 600);

    // Years before the common era follow the same rule.
    doc.Settings().startYear = -150;
    doc.Settings().endYear = 150;
    EXPECT_EQ(LabelYears(Layout(std::nullopt)), (std::vector<std::int64_t>{-100, 0, 100}));
}

TEST_F(HeaderLayout, OnScreenOnlyTheLabelsInViewAreLaidOutAndNoneIsMissing) {
    doc.Settings().startYear = 0;
    doc.Settings().endYear = 100000;
    for (const int zoom : {10, 100, 300}) {
        doc.Settings().zoom = zoom;
        for (const std::int64_t scroll : {0LL, 1234LL, 55555LL}) {
            const CTimelineGeometry g(doc, measurer, kLeftMargin, kCurrentYear);
            if (scroll + 800 > g.AxisRight()) {
                continue;
            }
            const CHeaderLayout::View view{scroll, 800};
            const CHeaderGrid grid = Layout(view);
            ASSERT_FALSE(grid.marks.empty());
            EXPECT_LT(grid.marks.size(), 800u / static_cast<std::size_t>(grid.step) + 6);
            EXPECT_TRUE(grid.marks.front().x <= scroll || grid.marks.front().gridYear == 0) << zoom;
            EXPECT_GE(grid.marks.back().x, scroll + 800) << zoom;
            for (std::size_t i = 1; i < grid.marks.size(); ++i) {
                EXPECT_EQ(grid.marks[i].x - grid.marks[i - 1].x, grid.step);
                EXPECT_EQ(grid.marks[i].gridYear - grid.marks[i - 1].gridYear, 100);
            }
            EXPECT_EQ(g.YearToX(grid.firstYear), grid.firstX);
        }
    }
}
