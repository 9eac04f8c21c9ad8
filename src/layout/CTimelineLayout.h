// Everything the timeline and the name list decide before drawing, for one
// state of the document, zoom and fonts. Building it runs the measuring
// pass over every person once (the content sizes); the views keep it until
// the document, the zoom or a font changes, so that a paint costs only the
// rows in view.
#pragma once

#include "layout/CHeaderLayout.h"
#include "layout/CNameListLayout.h"
#include "layout/CRowLayout.h"
#include "layout/CTimelineGeometry.h"

#include <cstdint>
#include <string>

class CRowMeasures;
class CVitachronDoc;
class CTextMeasurer;

// The base line and the label above it at the foot of the header band.
struct CBaseLine {
    bool drawn = false;
    std::int64_t x = 0;
    std::string label;
    std::int64_t labelLeft = 0;  // document x
    int labelTop = 0;            // window y: the label stays in the header band
    int labelWidth = 0;
    int labelHeight = 0;
};

class CTimelineLayout {
public:
    // The measurer must outlive the layout and keep its fonts meanwhile.
    CTimelineLayout(const CVitachronDoc& doc, const CTextMeasurer& measurer, int leftMargin, int currentYear,
                    std::int64_t timelineOrigin = 0);
    // Without the measuring pass: the widths are those measured so far,
    // until SetMeasuredWidths gives the rest. For the window, whose first
    // paint needs only the rows in view.
    CTimelineLayout(const CVitachronDoc& doc, const CTextMeasurer& measurer, int leftMargin, int currentYear,
                    const CRowMeasures& measures);
    CTimelineLayout(const CTimelineLayout&) = delete;
    CTimelineLayout& operator=(const CTimelineLayout&) = delete;

    const CTimelineGeometry& Geometry() const { return geometry_; }
    const CRowLayout& Rows() const { return rows_; }
    const CNameListLayout& Names() const { return names_; }
    std::int64_t PersonCount() const { return count_; }

    void SetMeasuredWidths(std::int64_t widestRow, std::int64_t widestName);

    std::int64_t ContentWidth() const { return contentWidth_; }
    std::int64_t ContentHeight() const { return contentHeight_; }
    // Width of the name list's widest entry plus 5.
    std::int64_t NameListWidth() const { return nameListWidth_; }
    // The vertical lines of the rows area reach down to here.
    std::int64_t GridBottom(std::int64_t clientHeight) const { return std::max(contentHeight_, clientHeight); }

    struct RowRange {
        std::int64_t first = 0;
        std::int64_t last = 0;  // exclusive
    };
    // The rows any part of which lies in the window's rows area.
    RowRange VisibleRows(std::int64_t scrollY, std::int64_t clientHeight) const;

    CHeaderGrid Header(const std::optional<CHeaderLayout::View>& view) const;
    CBaseLine BaseLine() const;

private:
    void SizeRows(const CTextMeasurer& measurer);

    const CVitachronDoc* doc_;
    const CTextMeasurer* measurer_;
    CTimelineGeometry geometry_;
    CRowLayout rows_;
    CNameListLayout names_;
    std::int64_t count_ = 0;
    std::int64_t contentWidth_ = 0;
    std::int64_t contentHeight_ = 0;
    std::int64_t nameListWidth_ = 0;
    std::int64_t slackRows_ = 1;
};
