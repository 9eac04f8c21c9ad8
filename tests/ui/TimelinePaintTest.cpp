#include "CWindowFixture.h"

#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "view/CScrollCanvas.h"
#include "view/CVitachronView.h"
#include "wxsupport/WxConvert.h"

#include <cstring>

namespace {

constexpr std::uint32_t kKnown = 0x0000C0;      // red
constexpr std::uint32_t kLiving = 0x00A000;     // green
constexpr std::uint32_t kUncertain = 0xC00000;  // blue
constexpr std::uint32_t kEarly = 0x00A0A0;      // olive
constexpr std::uint32_t kBasis = 0x8000FF;

class TimelinePaint : public CWindowFixture {
protected:
    void SetUp() override {
        CWindowFixture::SetUp();
        OpenWindow();
        frame->SetSize(1000, 900);
        CDocSettings& s = Doc().Core().Settings();
        s.startYear = 1500;
        s.endYear = 2100;
        s.baseYearShown = true;
        s.baseYear = 2050;
        s.basisColor = kBasis;
        s.ageColors.fill(kBasis);
        AddPerson("a", 1600, 1650, kKnown);
        AddPerson("b", 1950, CScaleYear::kUnknownValue, kLiving);
        AddPerson("c", 1700, CScaleYear::kUnknownValue, kUncertain).deathUncertain = true;
        AddPerson("d", 1400, 1550, kEarly);
        Refresh();
    }

    // Scrolls so the document x stands 100 pixels into the window and
    // paints; returns the picture and the scroll position used.
    wxImage PaintAround(std::int64_t docX) {
        Timeline().Canvas()->ScrollTo(docX - 100, 0);
        return RenderTimeline().ConvertToImage();
    }
    std::int64_t ScrollX() { return Timeline().Canvas()->ScrollX(); }

    void SetScale(int zoom, int yearWidth) {
        Doc().Core().Settings().yearWidth = yearWidth;
        Doc().Core().SetZoom(zoom);
        Doc().UpdateAllViews();
        Settle();
    }
};

}  // namespace

TEST_F(TimelinePaint, BarsPatternsBaseLineAndFrameStandWhereTheLayoutPutsThem) {
    const wxColour back = *wxWHITE;
    for (const int zoom : {50, 100, 300}) {
        for (const int yearWidth : {100, 200, 400}) {
            SCOPED_TRACE(testing::Message() << "zoom " << zoom << " width " << yearWidth);
            SetScale(zoom, yearWidth);
            const CTimelineGeometry& g = Timeline().Geometry();

            // The body of a known life.
            const std::int64_t mid = (g.YearToX(1600) + g.YearToX(1650)) / 2;
            wxImage img = PaintAround(mid);
            const std::int64_t top0 = g.BarTop(g.RowTop(0));
            EXPECT_EQ(Pixel(img, mid - ScrollX(), top0 + 1), ToWxColour(kKnown));
            EXPECT_EQ(Pixel(img, mid - ScrollX(), top0 - 2), back);

            // The living person's eight-pixel checkerboard after today.
            const std::int64_t today = g.YearToX(g.CurrentYear());
            img = PaintAround(today);
            const std::int64_t top1 = g.BarTop(g.RowTop(1));
            for (std::int64_t x = today; x < today + 8; ++x) {
                for (std::int64_t y = top1; y < top1 + 2; ++y) {
                    const bool bar = ((x + y) & 1) != 0;
                    EXPECT_EQ(Pixel(img, x - ScrollX(), y), bar ? ToWxColour(kLiving) : back) << x << "," << y;
                }
            }
            EXPECT_EQ(Pixel(img, today - 1 - ScrollX(), top1), ToWxColour(kLiving));
            EXPECT_EQ(Pixel(img, today + 8 - ScrollX(), top1), back);

            // The uncertain death: the last 16 pixels hatched in alternate columns.
            const std::int64_t end2 = g.YearToX(1750);
            img = PaintAround(end2);
            const std::int64_t top2 = g.BarTop(g.RowTop(2));
            for (std::int64_t x = end2 - 16; x < end2; ++x) {
                const bool bar = (x & 1) != 0;
                EXPECT_EQ(Pixel(img, x - ScrollX(), top2 + 1), bar ? ToWxColour(kUncertain) : back) << x;
            }
            EXPECT_EQ(Pixel(img, end2 - 17 - ScrollX(), top2 + 1), ToWxColour(kUncertain));

            // Born before the range: hatched from the timeline's left edge.
            img = PaintAround(100);
            const std::int64_t top3 = g.BarTop(g.RowTop(3));
            for (std::int64_t x = 0; x < g.YearToX(1500); ++x) {
                const bool bar = (x & 1) != 0;
                EXPECT_EQ(Pixel(img, x, top3 + 1), bar ? ToWxColour(kEarly) : back) << x;
            }

            // The base line, below the last row where nothing covers it.
            const std::int64_t baseX = g.YearToX(2050);
            img = PaintAround(baseX);
            EXPECT_EQ(Pixel(img, baseX - ScrollX(), g.RowTop(4) + 5), ToWxColour(kBasis));
            EXPECT_EQ(Pixel(img, baseX + 3 - ScrollX(), g.RowTop(4) + 5), back);

            // The found person's red frame, across the whole row.
            Doc().Core().SetCurrentIndex(2);
            img = PaintAround(100);
            EXPECT_EQ(Pixel(img, 0, g.RowTop(2)), *wxRED);
            EXPECT_EQ(Pixel(img, 300, g.RowTop(2)), *wxRED);
            EXPECT_EQ(Pixel(img, 300, g.RowTop(2) + g.RowHeight() - 1), *wxRED);
            EXPECT_EQ(Pixel(img, 300, g.RowTop(2) + g.RowHeight()), back);
            Doc().Core().SetCurrentIndex(-1);

            // The header band between ticks is light grey.
            EXPECT_EQ(Pixel(img, g.YearToX(1525), g.HeaderHeight() - 2), wxColour(192, 192, 192));
        }
    }
}

TEST_F(TimelinePaint, PatternsKeepTheirPlaceWhenScrolledByAnOddAmount) {
    const CTimelineGeometry& g = Timeline().Geometry();
    const std::int64_t end2 = g.YearToX(1750);
    for (const std::int64_t shift : {0, 1, 3}) {
        Timeline().Canvas()->ScrollTo(end2 - 101 - shift, 0);
        const wxImage img = RenderTimeline().ConvertToImage();
        const std::int64_t top2 = g.BarTop(g.RowTop(2));
        for (std::int64_t x = end2 - 16; x < end2; ++x) {
            EXPECT_EQ(Pixel(img, x - Timeline().Canvas()->ScrollX(), top2 + 3),
                      (x & 1) != 0 ? ToWxColour(kUncertain) : *wxWHITE)
                << shift << " " << x;
        }
    }
}

TEST_F(TimelinePaint, PaintingTheRowsInViewGivesThePictureOfPaintingThemAll) {
    for (int i = 0; i < 300; ++i) {
        AddPerson("人物" + std::to_string(i), 1500 + i, 1560 + i * 2, 0x102030 * (i % 5 + 1));
    }
    Refresh();
    for (const int zoom : {30, 100, 250}) {
        SetScale(zoom, 200);
        for (const std::int64_t y : {0, 333, 5000}) {
            Timeline().Canvas()->ScrollTo(250, y);
            const wxImage inView = RenderTimeline(false).ConvertToImage();
            const wxImage all = RenderTimeline(true).ConvertToImage();
            ASSERT_EQ(inView.GetSize(), all.GetSize());
            EXPECT_EQ(0, std::memcmp(inView.GetData(), all.GetData(),
                                     static_cast<std::size_t>(all.GetWidth()) * all.GetHeight() * 3))
                << "zoom " << zoom << " scroll " << y;
        }
    }
}

TEST_F(TimelinePaint, ScrollingDownKeepsTheHeaderAndMovesTheNameListWithTheRows) {
    for (int i = 0; i < 60; ++i) {
        AddPerson("p" + std::to_string(i), 1600, 1700, kKnown).comment = "補足";
    }
    Refresh();
    const CTimelineGeometry& g = Timeline().Geometry();
    const int hh = g.HeaderHeight();
    const wxImage before = RenderTimeline().ConvertToImage();
    const wxImage namesBefore = RenderNames().ConvertToImage();
    ASSERT_TRUE(Timeline().Canvas()->ScrollTo(0, 137));
    Settle();
    const wxImage after = RenderTimeline().ConvertToImage();
    const wxImage namesAfter = RenderNames().ConvertToImage();

    // The header band is where it was, pixel for pixel.
    for (int y = 0; y < hh; ++y) {
        for (int x = 0; x < before.GetWidth(); x += 3) {
            ASSERT_EQ(Pixel(before, x, y), Pixel(after, x, y)) << x << "," << y;
        }
    }
    // A row 137 pixels further down the document now shows at the same place.
    const std::int64_t row = 12;
    const std::int64_t barY = g.BarTop(g.RowTop(row)) + 1;
    const std::int64_t x = g.YearToX(1650);
    EXPECT_EQ(Pixel(before, x, barY), ToWxColour(kKnown));
    EXPECT_EQ(Pixel(after, x, barY - 137), ToWxColour(kKnown));
    // The supplement mark of the same person moves by the same amount in the name list.
    const std::int64_t markY = g.RowTop(row) + g.RowHeight() / 4;
    const wxColour supple = ToWxColour(Doc().Core().Settings().suppleColor);
    EXPECT_EQ(Pixel(namesBefore, 1, markY + 1), supple);
    EXPECT_EQ(Pixel(namesAfter, 1, markY + 1 - 137), supple);
    EXPECT_EQ(Timeline().PaintArea().scrollY, 137);
}

TEST_F(TimelinePaint, ScrollingSidewaysMovesTheHeaderWithTheRows) {
    const CTimelineGeometry& g = Timeline().Geometry();
    const std::int64_t tick = g.YearToX(1600);  // a labelled year: long tick from the label down
    const int y = g.HeaderHeight() - 2;
    const wxImage before = RenderTimeline().ConvertToImage();
    EXPECT_EQ(Pixel(before, tick, y), *wxBLACK);
    ASSERT_TRUE(Timeline().Canvas()->ScrollTo(57, 0));
    const wxImage after = RenderTimeline().ConvertToImage();
    EXPECT_EQ(Pixel(after, tick - 57, y), *wxBLACK);
    EXPECT_NE(Pixel(after, tick, y), *wxBLACK);
}
