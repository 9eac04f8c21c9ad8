// One printed page in screen pixels from the page's top-left corner: the
// name list's title cell, the header band with every label on the page, the
// grid, the current-year line, the frame of the page, the base line, the
// name column's separator lines, the band's rows and the name column.
#pragma once

#include <cstdint>
#include <string>

class CPatternCache;
class CPrintLayout;
class CTimelineLayout;
class CViewFonts;
class CVitachronDoc;
struct CPrintPage;
class wxDC;

class CPrintPagePainter {
public:
    // layout: the printing layout, whose TimelineOrigin is the name column's width.
    // nameListWidth: the width of the name list's title cell.
    CPrintPagePainter(const CVitachronDoc& doc, const CTimelineLayout& layout, const CViewFonts& fonts,
                      CPatternCache& patterns, const CPrintLayout& pages, std::string title, int nameListWidth)
        : doc_(&doc),
          layout_(&layout),
          fonts_(&fonts),
          patterns_(&patterns),
          pages_(&pages),
          title_(std::move(title)),
          nameListWidth_(nameListWidth) {}

    void Paint(wxDC& dc, const CPrintPage& page) const;

    // A frame that looks raised outside and sunken inside, two pixels wide,
    // within [left, right) x [top, bottom).
    static void DrawBumpEdge(wxDC& dc, int left, int top, int right, int bottom);
    // Its colours: outer top-left, outer bottom-right, inner top-left, inner bottom-right.
    static constexpr unsigned char kOuterLight = 227;
    static constexpr unsigned char kOuterDark = 105;
    static constexpr unsigned char kInnerDark = 160;
    static constexpr unsigned char kInnerLight = 255;

private:
    void PaintNameColumn(wxDC& dc, const CPrintPage& page) const;

    const CVitachronDoc* doc_;
    const CTimelineLayout* layout_;
    const CViewFonts* fonts_;
    CPatternCache* patterns_;
    const CPrintLayout* pages_;
    std::string title_;
    int nameListWidth_;
};
