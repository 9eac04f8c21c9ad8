#include "layout/CContextYear.h"
#include "layout/CHeaderLayout.h"
#include "layout/CTimelineGeometry.h"
#include "support/core/LayoutFixture.h"

#include <gtest/gtest.h>

namespace {

class ContextYear : public ::testing::Test, public LayoutFixture {
protected:
    CTimelineGeometry Geometry() const { return CTimelineGeometry(doc, measurer, kLeftMargin, kCurrentYear); }

    // A context point with the header grid the window shows at scrollX.
    CContextPoint At(std::int64_t x, std::int64_t y, std::int64_t scrollX = 0) const {
        const CTimelineGeometry g = Geometry();
        const CHeaderGrid grid = CHeaderLayout::Layout(g, doc.Settings().labelStep, CHeaderLayout::View{scrollX, 800});
        CContextPoint p;
        p.x = x;
        p.y = y;
        p.row = g.RowFromPoint(y);
        p.gridFirstYear = grid.firstYear;
        p.gridLastYear = grid.lastYear;
        p.gridFirstX = grid.firstX;
        p.gridStep = grid.step;
        return p;
    }
    std::int64_t Find(const CContextPoint& p, std::int64_t scrollY = 0) const {
        return CContextYear::Find(doc, Geometry(), p, scrollY);
    }
    std::int64_t X(std::int64_t year) const { return Geometry().YearToX(year); }
    std::int64_t RowY(std::int64_t row) const { return Geometry().RowTop(row) + 5; }
};

}  // namespace

TEST_F(ContextYear, OnAPersonRowTheNearerEndOfTheBarWinsAndATieGoesToTheDeath) {
    Add("a", "1600", "1650");
    const std::int64_t begin = X(1600);
    const std::int64_t end = X(1650);
    ASSERT_EQ(end - begin, 100);
    EXPECT_EQ(Find(At(begin - 300, RowY(0))), 1600);
    EXPECT_EQ(Find(At(begin + 49, RowY(0))), 1600);
    EXPECT_EQ(Find(At(begin + 50, RowY(0))), 1650);  // the tie
    EXPECT_EQ(Find(At(begin + 51, RowY(0))), 1650);
    EXPECT_EQ(Find(At(end + 900, RowY(0))), 1650);
}

TEST_F(ContextYear, EndsWithoutAYearlyValueStandAtTheRangeEnds) {
    Add("living", "1900", "");
    CPerson& unknownBirth = Add("unknown birth", "", "1700");
    unknownBirth.birthUncertain = true;
    Add("coarse", "-3", "1520").SetBirth(CScaleYear(-3, 10000));  // 30,000 years ago
    // Sorted by the stored order: rows 0, 1, 2.
    EXPECT_EQ(Find(At(X(2000), RowY(0))), 2000);
    EXPECT_EQ(Find(At(X(1900), RowY(0))), 1900);
    EXPECT_EQ(Find(At(X(1500), RowY(1))), 1500);
    EXPECT_EQ(Find(At(X(1700), RowY(1))), 1700);
    EXPECT_EQ(Find(At(X(1501), RowY(2))), 1500);
    const CContextYear::Ends e = CContextYear::RecordedEnds(Geometry(), *doc.GetDisplayed(0));
    EXPECT_EQ(e.beginX, X(1900));
    EXPECT_EQ(e.endX, X(2000));
}

TEST_F(ContextYear, PersonRowsCountOnlyBelowTheHeaderAsTheWindowNowStands) {
    Add("a", "1600", "1650");
    Add("b", "1700", "1750");
    const int hh = Geometry().HeaderHeight();
    // Scrolled down by one row, the point of row 1 at client y just inside
    // the header band is the header's, not the person's.
    const CContextPoint inHeader = At(X(1745), hh + 40);
    ASSERT_EQ(inHeader.row, 1);
    EXPECT_EQ(Find(inHeader, 40), 1700);                // the grid year under x
    EXPECT_EQ(Find(At(X(1745), hh + 41), 40), 1750);   // just below: the person's nearer end
    EXPECT_EQ(Find(At(X(1640), hh), 0), 1600);         // at the header's edge: the grid
    EXPECT_EQ(Find(At(X(1640), hh + 1), 0), 1650);     // row 0 just below it

    // Past the last person: the grid.
    EXPECT_EQ(Find(At(X(1640), RowY(5))), 1600);
}

TEST_F(ContextYear, OnTheBaseLabelTheBaseYearEdgesIncluded) {
    Add("a", "1600", "1650");
    doc.Settings().baseYear = 1777;
    CContextPoint p = At(400, 10);
    p.baseLabel = CDocRect{390, 5, 30, 13};
    for (const auto& [x, y] : {std::pair{390, 5}, std::pair{420, 18}, std::pair{405, 10}}) {
        p.x = x;
        p.y = y;
        EXPECT_EQ(Find(p), 1777) << x << "," << y;
    }
    for (const auto& [x, y] : {std::pair{389, 10}, std::pair{421, 10}, std::pair{400, 19}, std::pair{400, 4}}) {
        p.x = x;
        p.y = y;
        EXPECT_NE(Find(p), 1777) << x << "," << y;
    }
    // A person row below the header wins over the label.
    p = At(X(1600), RowY(0));
    p.baseLabel = CDocRect{X(1600) - 5, RowY(0) - 5, 30, 30};
    EXPECT_EQ(Find(p), 1600);
}

TEST_F(ContextYear, OverTheHeaderTheGridYearWithinHalfAStepIncludingYearsEndingInFifty) {
    doc.Settings().startYear = 1550;
    doc.Settings().endYear = 1850;
    // Grid years 1550, 1650, 1750, 1850 at 28, 228, 428, 628; their labels
    // read 1600, 1700, 1800 half a step later, but the grid year is what counts.
    EXPECT_EQ(Find(At(28, 5)), 1550);
    EXPECT_EQ(Find(At(28 + 100, 5)), 1550);  // half a step: still the first
    EXPECT_EQ(Find(At(28 + 101, 5)), 1650);
    EXPECT_EQ(Find(At(228 + 100, 5)), 1650);
    EXPECT_EQ(Find(At(428 - 30, 5)), 1750);
    // The last labelled year is never walked onto; it is what remains,
    // also right of the grid and (as the walk always did) left of it.
    EXPECT_EQ(Find(At(628, 5)), 1850);
    EXPECT_EQ(Find(At(5000, 5)), 1850);
    EXPECT_EQ(Find(At(28 - 101, 5)), 1850);
}

TEST_F(ContextYear, GridFollowsTheHorizontalScrollPosition) {
    doc.Settings().startYear = 0;
    doc.Settings().endYear = 1000000;
    // Scrolled far right the grid in view starts a step left of the window.
    const std::int64_t scrollX = 500'000;
    const CContextPoint p = At(scrollX + 300, 5, scrollX);
    EXPECT_LT(p.gridFirstX, scrollX);
    const std::int64_t year = Find(p);
    EXPECT_LE(std::abs(X(year) - p.x), 100);
    EXPECT_EQ(year % 100, 0);
}

TEST_F(ContextYear, GridSearchMatchesTheStepByStepWalkForOddSteps) {
    // The walk the header always made, step by step.
    const auto walk = [](const CContextPoint& p, std::int64_t years) {
        std::int64_t year = p.gridFirstYear;
        std::int64_t x = p.gridFirstX;
        while (year < p.gridLastYear) {
            if (x - p.gridStep / 2 <= p.x && p.x <= x + p.gridStep / 2) {
                return year;
            }
            year += years;
            x += p.gridStep;
        }
        return p.gridLastYear;
    };
    for (const std::int64_t step : {1, 2, 3, 7, 200}) {
        CContextPoint p;
        p.gridFirstYear = -250;
        p.gridLastYear = 450;
        p.gridFirstX = 40;
        p.gridStep = step;
        for (p.x = 0; p.x < 40 + 8 * step; ++p.x) {
            EXPECT_EQ(CContextYear::GridYear(p, 100), walk(p, 100)) << step << " " << p.x;
        }
    }
}
