// Draws the name list: the title cell over the names and, row for row with
// the timeline, each person's name and years.
#pragma once

#include "view/CPaintArea.h"

#include <cstdint>
#include <optional>
#include <string>

class CTimelineLayout;
class CViewFonts;
class CVitachronDoc;
class wxDC;

class CNameListPainter {
public:
    CNameListPainter(const CVitachronDoc& doc, const CTimelineLayout& layout, const CViewFonts& fonts)
        : doc_(&doc), layout_(&layout), fonts_(&fonts) {}

    // The screen's picture; pressedRow, when set, is framed in red (the
    // left button is held on it).
    void PaintScreen(wxDC& dc, const CPaintArea& area, const std::string& title,
                     std::optional<std::int64_t> pressedRow = std::nullopt) const;
    // Light grey from (x, top) to (x + width, top + HeaderHeight) with the
    // title 5 pixels in; screenColours: in the header year colour, else black.
    void PaintTitleCell(wxDC& dc, int x, int width, const std::string& title, bool screenColours, int top = 0) const;
    void PaintRows(wxDC& dc, const CPaintArea& area, std::int64_t first, std::int64_t last) const;

private:
    const CVitachronDoc* doc_;
    const CTimelineLayout* layout_;
    const CViewFonts* fonts_;
};
