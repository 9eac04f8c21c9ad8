#include "layout/CTimelineGeometry.h"
#include "support/core/LayoutFixture.h"

#include <gtest/gtest.h>

namespace {

class TimelineGeometry : public ::testing::Test, public LayoutFixture {
protected:
    CTimelineGeometry Geometry() const { return CTimelineGeometry(doc, measurer, kLeftMargin, kCurrentYear); }
};

}  // namespace

TEST_F(TimelineGeometry, ScalesRowsBarsAndYearsWithZoomAndYearWidth) {
    struct Case {
        int yearWidth, zoom, rowHeight, barThickness;
        std::int64_t pxFor100Years;
    };
    for (const Case c : {Case{200, 100, 40, 10, 200}, Case{400, 100, 40, 10, 400}, Case{100, 100, 40, 10, 100},
                         Case{200, 50, 20, 5, 100}, Case{400, 300, 120, 30, 1200}, Case{100, 10, 4, 1, 10},
                         Case{50, 100, 40, 10, 50}}) {
        doc.Settings().yearWidth = c.yearWidth;
        doc.Settings().zoom = c.zoom;
        const CTimelineGeometry g = Geometry();
        EXPECT_EQ(g.RowHeight(), c.rowHeight) << c.yearWidth << "/" << c.zoom;
        EXPECT_EQ(g.BarThickness(), c.barThickness);
        EXPECT_EQ(g.YearSpanToPixels(100), c.pxFor100Years);
        EXPECT_EQ(g.HeaderHeight(), measurer.heights[1] + 10);
        EXPECT_EQ(g.YearToX(1500), kLeftMargin);
        EXPECT_EQ(g.YearToX(1600), kLeftMargin + c.pxFor100Years);
        EXPECT_EQ(g.RowTop(3), g.HeaderHeight() + 3 * c.rowHeight);
    }
}

TEST_F(TimelineGeometry, YearRangesOfTwoBillionYearsDoNotOverflow) {
    doc.Settings().startYear = -2'000'000'000;
    doc.Settings().endYear = 2'000'000'000;
    doc.Settings().yearWidth = 400;
    doc.Settings().zoom = 300;
    const CTimelineGeometry g = Geometry();
    EXPECT_EQ(g.YearToX(2'000'000'000), 4'000'000'000LL * 12 + kLeftMargin);
    EXPECT_EQ(g.AxisRight(), 48'000'000'000LL + 2 * kLeftMargin);

    const CPerson& p = Add("遠い人", "1999999000", "");
    const CBar bar = g.ComputeBar(p);
    EXPECT_EQ(bar.endKind, BarEnd::Living);
    EXPECT_EQ(bar.beginX, g.YearToX(1'999'999'000));
    EXPECT_GT(bar.beginX, bar.endX);  // born after today: nothing to draw
}

TEST_F(TimelineGeometry, DamagedSettingsNeitherDivideByZeroNorOverflow) {
    doc.Settings().yearWidth = 0;
    doc.Settings().rowHeight = 0;
    doc.Settings().barThickness = -5;
    doc.Settings().defaultBarLength = -7;
    const CTimelineGeometry g = Geometry();
    EXPECT_GE(g.RowHeight(), 1);
    EXPECT_GE(g.BarThickness(), 0);
    EXPECT_GT(g.YearSpanToPixels(100), 0);
    EXPECT_GE(g.RowFromPoint(1000), 0);
}

TEST_F(TimelineGeometry, FindsRowsAndBarBandsFromPoints) {
    const CTimelineGeometry g = Geometry();
    const int hh = g.HeaderHeight();
    EXPECT_EQ(g.RowFromPoint(hh - 1), -1);
    EXPECT_EQ(g.RowFromPoint(hh), 0);
    EXPECT_EQ(g.RowFromPoint(hh + 39), 0);
    EXPECT_EQ(g.RowFromPoint(hh + 40), 1);
    EXPECT_EQ(g.RowFromPoint(hh + 40 * 1000), 1000);  // past the last person: callers compare

    const std::int64_t band1 = hh + 40 + 20;
    EXPECT_EQ(g.BarRowFromPoint(band1 - 1, 5), -1);
    EXPECT_EQ(g.BarRowFromPoint(band1, 5), 1);
    EXPECT_EQ(g.BarRowFromPoint(band1 + 10, 5), 1);  // both ends included
    EXPECT_EQ(g.BarRowFromPoint(band1 + 11, 5), -1);
    EXPECT_EQ(g.BarRowFromPoint(band1, 1), -1);  // row 1 is past one person
    EXPECT_EQ(g.BarRowFromPoint(0, 5), -1);
}

TEST_F(TimelineGeometry, BarsFollowKnownLivingUncertainAndCoarseYears) {
    const CTimelineGeometry g = Geometry();
    CPerson& known = Add("a", "1600", "1650");
    CBar bar = g.ComputeBar(known);
    EXPECT_EQ(bar.startKind, BarEnd::Known);
    EXPECT_EQ(bar.endKind, BarEnd::Known);
    EXPECT_EQ(bar.beginX, g.YearToX(1600));
    EXPECT_EQ(bar.endX, g.YearToX(1650));

    CPerson& living = Add("b", "1950", "");
    bar = g.ComputeBar(living);
    EXPECT_EQ(bar.endKind, BarEnd::Living);
    EXPECT_EQ(bar.endYear, kCurrentYear);
    EXPECT_EQ(bar.endX, g.YearToX(2000));  // today lies past the range's end

    CPerson& diedUncertain = Add("c", "1700", "");
    diedUncertain.deathUncertain = true;
    bar = g.ComputeBar(diedUncertain);
    EXPECT_EQ(bar.endKind, BarEnd::Uncertain);
    EXPECT_EQ(bar.endYear, 1750);

    CPerson& bornUncertain = Add("d", "", "1800");
    bornUncertain.birthUncertain = true;
    bar = g.ComputeBar(bornUncertain);
    EXPECT_EQ(bar.startKind, BarEnd::Uncertain);
    EXPECT_EQ(bar.beginYear, 1750);

    CPerson& early = Add("e", "1400", "1520");
    bar = g.ComputeBar(early);
    EXPECT_EQ(bar.beginYear, 1400);
    EXPECT_EQ(bar.beginX, g.YearToX(1500));

    CPerson& coarse = Add("f", "123000000000", "1600");  // known to thousands of years only
    bar = g.ComputeBar(coarse);
    EXPECT_EQ(bar.beginYear, 1500);
    EXPECT_TRUE(bar.IsDrawn());

    CPerson& noStart = Add("g", "", "1600");
    EXPECT_FALSE(g.ComputeBar(noStart).IsDrawn());
    CPerson& outside = Add("h", "1000", "1100");
    EXPECT_FALSE(g.ComputeBar(outside).IsDrawn());
}
