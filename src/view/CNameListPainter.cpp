#include "view/CNameListPainter.h"

#include "layout/CTimelineLayout.h"
#include "model/CVitachronDoc.h"
#include "view/CViewFonts.h"
#include "wxsupport/WxConvert.h"

#include <wx/dc.h>

#include <algorithm>

void CNameListPainter::PaintScreen(wxDC& dc, const CPaintArea& area, const std::string& title,
                                   std::optional<std::int64_t> pressedRow) const {
    const CTimelineGeometry& g = layout_->Geometry();
    const std::int64_t shift = area.HeaderShift();
    if (shift < g.HeaderHeight()) {
        PaintTitleCell(dc, 0, area.width, title, true, static_cast<int>(-shift));
    }
    const auto rowsTop =
        static_cast<int>(std::clamp<std::int64_t>(g.HeaderHeight() - shift, 0, std::max(area.height, 0)));
    wxDCClipper clip(dc, 0, rowsTop, area.width, std::max(0, area.height - rowsTop));
    const wxColour back = ToWxColour(doc_->Settings().backColor);
    dc.SetBackground(wxBrush(back));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(back));
    dc.DrawRectangle(0, 0, area.width, area.height);
    const auto range = layout_->VisibleRows(area.scrollY, area.height);
    PaintRows(dc, area, range.first, range.last);
    if (pressedRow && *pressedRow >= 0) {
        const std::int64_t top = g.RowTop(*pressedRow) - area.scrollY;
        if (top < area.height && top + g.RowHeight() > 0) {
            dc.SetPen(*wxRED_PEN);
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            const auto width = static_cast<int>(std::min<std::int64_t>(layout_->NameListWidth(), 1 << 20));
            dc.DrawRectangle(0, static_cast<int>(top), std::max(width, 1), g.RowHeight());
        }
    }
}

void CNameListPainter::PaintTitleCell(wxDC& dc, int x, int width, const std::string& title, bool screenColours,
                                      int top) const {
    const int hh = layout_->Geometry().HeaderHeight();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxLIGHT_GREY_BRUSH);
    dc.DrawRectangle(x, top, width, hh);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(fonts_->Font(TimelineFont::Name));
    const wxColour before = dc.GetTextForeground();
    dc.SetTextForeground(screenColours ? ToWxColour(doc_->Settings().headerYearColor) : *wxBLACK);
    dc.DrawText(ToWx(CNameListLayout::TitleText(title)), x + 5, top + 5);
    dc.SetTextForeground(before);
}

void CNameListPainter::PaintRows(wxDC& dc, const CPaintArea& area, std::int64_t first, std::int64_t last) const {
    const CDocSettings& s = doc_->Settings();
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (std::int64_t row = first; row < last; ++row) {
        const CPerson* p = doc_->GetDisplayed(static_cast<int>(row));
        if (p == nullptr) {
            continue;
        }
        const CNameListEntry e = layout_->Names().Entry(*p, row);
        const auto x = static_cast<int>(e.textX - area.scrollX);
        const auto y = static_cast<int>(e.nameY - area.scrollY);
        if (e.hasMark && e.markSide > 0) {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(ToWxColour(s.suppleColor)));
            dc.DrawRectangle(static_cast<int>(-area.scrollX), y, e.markSide, e.markSide);
        }
        dc.SetFont(fonts_->Font(TimelineFont::Name));
        dc.SetTextForeground(ToWxColour(s.nameColor));
        dc.DrawText(ToWx(e.name), x, y);
        if (!e.yearLine.empty()) {
            dc.SetFont(fonts_->Font(TimelineFont::Year));
            dc.SetTextForeground(ToWxColour(s.beginEndColor));
            dc.DrawText(ToWx(e.yearLine), x, static_cast<int>(e.yearY - area.scrollY));
        }
    }
}
