// The geometry every part of the timeline shares: header height, row
// positions, year to x, and where a person's bar begins and ends. Pure
// integer arithmetic with truncating division, 64 bits wide so that year
// ranges of +-2,000,000,000 at the widest scale and zoom never overflow.
// Coordinates are document coordinates: x from the left edge of the whole
// timeline, y from its top, before any scrolling.
#pragma once

#include <cstdint>

struct CDocSettings;
class CPerson;
class CTextMeasurer;
class CVitachronDoc;

// How a bar ends on either side.
enum class BarEnd {
    Known,      // the year is recorded
    Uncertain,  // unknown but marked "?": drawn defaultBarLength long, hatched
    Living,     // no death: the bar runs to the current year
    Unknown,    // an unknown birth without "?": the bar has no start
};

struct CBar {
    std::int64_t beginYear = 0;
    std::int64_t endYear = 0;
    std::int64_t beginX = 0;
    std::int64_t endX = 0;
    BarEnd startKind = BarEnd::Known;
    BarEnd endKind = BarEnd::Known;

    // A bar wholly outside the year range, or without a start, is not drawn.
    bool IsDrawn() const { return endX >= beginX; }
};

class CTimelineGeometry {
public:
    // Width of the patterned part at an uncertain end; not zoomed.
    static constexpr int kUncertainEndWidth = 16;

    // scaleFontHeight: line height of the zoomed year-axis font.
    // leftMargin: width of "0000" in the window's default font.
    // timelineOrigin: 0 on screen; the name column's width while printing.
    CTimelineGeometry(const CVitachronDoc& doc, int scaleFontHeight, int leftMargin, int currentYear,
                      std::int64_t timelineOrigin = 0);
    CTimelineGeometry(const CVitachronDoc& doc, const CTextMeasurer& measurer, int leftMargin, int currentYear,
                      std::int64_t timelineOrigin = 0);

    int HeaderHeight() const { return headerHeight_; }
    int RowHeight() const { return rowHeight_; }
    int BarThickness() const { return barThickness_; }
    int LeftMargin() const { return leftMargin_; }
    int RightMargin() const { return leftMargin_; }
    int Zoom() const { return zoom_; }
    int CurrentYear() const { return currentYear_; }
    std::int64_t TimelineOrigin() const { return timelineOrigin_; }
    std::int64_t FirstYear() const { return firstYear_; }
    std::int64_t LastYear() const { return lastYear_; }

    std::int64_t RowTop(std::int64_t row) const { return headerHeight_ + row * rowHeight_; }
    // The bar of a row starts half a row below the row's top.
    std::int64_t BarTop(std::int64_t rowTop) const { return rowTop + rowHeight_ / 2; }
    std::int64_t YearSpanToPixels(std::int64_t years) const;
    std::int64_t YearToX(std::int64_t year) const;
    // Right end of the year axis: the header band's width and the least
    // content width.
    std::int64_t AxisRight() const;

    // -1 above the rows; may be past the last person.
    std::int64_t RowFromPoint(std::int64_t y) const;
    // The first of `count` rows whose bar band (both ends included) holds y, or -1.
    std::int64_t BarRowFromPoint(std::int64_t y, std::int64_t count) const;

    CBar ComputeBar(const CPerson& person) const;

private:
    std::int64_t firstYear_;
    std::int64_t lastYear_;
    std::int64_t timelineOrigin_;
    int headerHeight_;
    int rowHeight_;
    int barThickness_;
    int leftMargin_;
    int yearWidth_;
    int zoom_;
    int displayUnit_;
    std::int64_t defaultBarLength_;
    int currentYear_;
};
