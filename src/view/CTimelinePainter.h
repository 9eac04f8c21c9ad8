// Draws the timeline that CTimelineLayout decided on any wxDC: the window,
// a memory bitmap, and the printer. The header band and the base-year label
// stand at fixed window positions; rows scroll with the document.
#pragma once

#include "layout/CTimelineLayout.h"
#include "view/CPaintArea.h"

#include <cstdint>

class CPatternCache;
class CPerson;
class CViewFonts;
class CVitachronDoc;
class wxDC;

class CTimelinePainter {
public:
    CTimelinePainter(const CVitachronDoc& doc, const CTimelineLayout& layout, const CViewFonts& fonts,
                     CPatternCache& patterns)
        : doc_(&doc), layout_(&layout), fonts_(&fonts), patterns_(&patterns) {}

    enum class Rows { InView, All };

    // The screen's picture: background, header band, current-year line, base
    // line, the rows (those in view, or all of them with the same result) and
    // the found person's frame.
    void PaintScreen(wxDC& dc, const CPaintArea& area, Rows rows = Rows::InView) const;

    // The pieces, in the order a paint uses them; printing calls them with
    // its own grid and bottoms.
    void PaintBackground(wxDC& dc, const CPaintArea& area) const;
    void PaintHeader(wxDC& dc, const CPaintArea& area, const CHeaderGrid& grid, std::int64_t gridBottom) const;
    void PaintBaseLine(wxDC& dc, const CPaintArea& area, std::int64_t bottom) const;
    void PaintRows(wxDC& dc, const CPaintArea& area, std::int64_t first, std::int64_t last) const;
    void PaintRow(wxDC& dc, const CPaintArea& area, const CPerson& person, std::int64_t rowTop) const;
    void PaintFoundFrame(wxDC& dc, const CPaintArea& area, std::int64_t row) const;

    static constexpr unsigned char kGridGrey = 224;

private:
    const CVitachronDoc* doc_;
    const CTimelineLayout* layout_;
    const CViewFonts* fonts_;
    CPatternCache* patterns_;
};
