#include "layout/CNameListLayout.h"
#include "layout/CTimelineGeometry.h"
#include "layout/CTimelineLayout.h"
#include "support/core/LayoutFixture.h"

#include <gtest/gtest.h>

namespace {

class NameListLayout : public ::testing::Test, public LayoutFixture {};

}  // namespace

TEST_F(NameListLayout, YearLinesShowRecordedYearsFiveWideWithTheirMarks) {
    CPerson& a = Add("a", "1900", "");
    EXPECT_EQ(CNameListLayout::YearLine(a), " 1900  - ");
    CPerson& b = Add("b", "", "1950");
    b.birthUncertain = true;
    EXPECT_EQ(CNameListLayout::YearLine(b), "     ? -  1950");
    CPerson& c = Add("c", "-660", "");
    c.birthUncertain = true;
    c.deathUncertain = true;
    EXPECT_EQ(CNameListLayout::YearLine(c), " -660? -     ?");
    c.hideBirth = true;  // the list shows recorded years whatever is hidden on the timeline
    EXPECT_EQ(CNameListLayout::YearLine(c), " -660? -     ?");
    CPerson& d = Add("d", "123000000000", "12345678");
    d.deathUncertain = true;
    EXPECT_EQ(CNameListLayout::YearLine(d), "123000000000  - 12345678?");
}

TEST_F(NameListLayout, NamesAndTitlesAreCut) {
    EXPECT_EQ(CNameListLayout::ShortName("織田信長##尾張", "##"), "織田信長");
    EXPECT_EQ(CNameListLayout::ShortName("a##b##c", "##"), "a");
    EXPECT_EQ(CNameListLayout::ShortName("a##b", ""), "a##b");
    EXPECT_EQ(CNameListLayout::TitleText("sample.vtc"), "sample");
    EXPECT_EQ(CNameListLayout::TitleText("my.old.vtc"), "my.old");
    EXPECT_EQ(CNameListLayout::TitleText("無題"), "無題");
}

TEST_F(NameListLayout, EntriesStandAQuarterRowDownAndScaleTheMark) {
    CPerson& p = Add("織田信長##尾張", "1534", "1582");
    p.comment = "本能寺";
    doc.Settings().zoom = 50;
    const CTimelineGeometry g(doc, measurer, kLeftMargin, kCurrentYear);
    const CNameListLayout names(doc, g, measurer);
    const CNameListEntry e = names.Entry(p, 2);
    EXPECT_EQ(e.name, "織田信長");
    EXPECT_EQ(e.nameY, g.RowTop(2) + 5);
    EXPECT_EQ(e.yearY, e.nameY + measurer.heights[0]);
    EXPECT_TRUE(e.hasMark);
    EXPECT_EQ(e.markSide, 2);
    doc.Settings().displaySuppleMark = false;
    doc.Settings().displayYearRange = false;
    const CNameListEntry bare = names.Entry(p, 2);
    EXPECT_FALSE(bare.hasMark);
    EXPECT_TRUE(bare.yearLine.empty());
}

TEST_F(NameListLayout, ContentSizesCoverEveryPersonOrTheEmptyDocument) {
    doc.Settings().zoom = 50;
    {
        const CTimelineLayout empty(doc, measurer, kLeftMargin, kCurrentYear);
        const int hh = empty.Geometry().HeaderHeight();
        EXPECT_EQ(empty.ContentHeight(), hh * 50 / 100 + 30);
        EXPECT_EQ(empty.ContentWidth(), empty.Geometry().AxisRight());
        EXPECT_EQ(empty.NameListWidth(), 0);
    }
    Add("short", "1600", "1650");
    Add(std::string(60, 'w'), "1600", "1999");
    const CTimelineLayout layout(doc, measurer, kLeftMargin, kCurrentYear);
    const int hh = layout.Geometry().HeaderHeight();
    EXPECT_EQ(layout.ContentHeight(), (hh + 2 * 40) * 50 / 100 + 30);
    EXPECT_EQ(layout.ContentWidth(), layout.Rows().Reach(*doc.GetDisplayed(1)));
    EXPECT_EQ(layout.NameListWidth(), 60 * measurer.charWidth + 5);
}

TEST_F(NameListLayout, VisibleRowsHoldEveryRowThatReachesIntoTheWindow) {
    for (int i = 0; i < 500; ++i) {
        Add("p" + std::to_string(i), "1600", "1650");
    }
    for (const int zoom : {10, 100, 300}) {
        doc.Settings().zoom = zoom;
        const CTimelineLayout layout(doc, measurer, kLeftMargin, kCurrentYear);
        const auto& g = layout.Geometry();
        for (const std::int64_t scrollY : {0LL, 17LL, 4000LL}) {
            const int clientHeight = 300;
            const auto range = layout.VisibleRows(scrollY, clientHeight);
            for (std::int64_t row = 0; row < layout.PersonCount(); ++row) {
                const CRowPlan plan = layout.Rows().Plan(*doc.GetDisplayed(static_cast<int>(row)), g.RowTop(row));
                // Everything a row draws lies between the top of its year texts
                // and the bottom of its name.
                const std::int64_t top = plan.barTop - measurer.heights[2];
                const std::int64_t bottom = plan.barTop + measurer.heights[0];
                const bool inWindow = bottom > scrollY + g.HeaderHeight() && top < scrollY + clientHeight;
                if (inWindow) {
                    EXPECT_TRUE(row >= range.first && row < range.last) << zoom << " " << scrollY << " " << row;
                }
            }
        }
    }
}
