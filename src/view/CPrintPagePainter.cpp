#include "view/CPrintPagePainter.h"

#include "layout/CNameListLayout.h"
#include "layout/CPrintLayout.h"
#include "layout/CTimelineLayout.h"
#include "model/CVitachronDoc.h"
#include "view/CNameListPainter.h"
#include "view/CTimelinePainter.h"
#include "view/CViewFonts.h"
#include "wxsupport/WxConvert.h"

#include <wx/dc.h>

#include <algorithm>

void CPrintPagePainter::DrawBumpEdge(wxDC& dc, int left, int top, int right, int bottom) {
    const auto grey = [](unsigned char v) { return wxColour(v, v, v); };
    const auto frame = [&](int l, int t, int r, int b, const wxColour& topLeft, const wxColour& bottomRight) {
        if (r - l < 1 || b - t < 1) {
            return;
        }
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(topLeft));
        dc.DrawRectangle(l, t, r - l, 1);
        dc.DrawRectangle(l, t, 1, b - t);
        dc.SetBrush(wxBrush(bottomRight));
        dc.DrawRectangle(l, b - 1, r - l, 1);
        dc.DrawRectangle(r - 1, t, 1, b - t);
    };
    frame(left, top, right, bottom, grey(kOuterLight), grey(kOuterDark));
    frame(left + 1, top + 1, right - 1, bottom - 1, grey(kInnerDark), grey(kInnerLight));
}

void CPrintPagePainter::Paint(wxDC& dc, const CPrintPage& page) const {
    const CTimelineGeometry& g = layout_->Geometry();
    const std::int64_t gridBottom = pages_->GridBottom();
    const std::int64_t x0 = page.originX;
    CPaintArea area;
    area.scrollX = x0;
    area.scrollY = 0;
    area.width = static_cast<int>(pages_->PageWidth());
    area.height = static_cast<int>(std::max(pages_->PageHeight(), gridBottom));

    // Texts that begin on the page before and run into this one stop at
    // its edge, as a printer's printable area stops them; a PDF page would
    // show them in its margin.
    wxDCClipper clip(dc, 0, 0, area.width, area.height);
    // The paper stays as it is: only the background colour is set, for the patterns.
    dc.SetBackground(wxBrush(ToWxColour(doc_->Settings().backColor)));
    const CTimelinePainter timeline(*doc_, *layout_, *fonts_, *patterns_);

    if (x0 < nameListWidth_) {
        CNameListPainter(*doc_, *layout_, *fonts_)
            .PaintTitleCell(dc, static_cast<int>(-x0), nameListWidth_, title_, false);
    }
    timeline.PaintHeader(dc, area, layout_->Header(CHeaderLayout::View{x0, area.width}), gridBottom);
    DrawBumpEdge(dc, 0, 0, area.width, static_cast<int>(gridBottom));
    timeline.PaintBaseLine(dc, area, gridBottom);

    const std::int64_t origin = g.TimelineOrigin();
    if (origin - x0 >= 0 && origin - x0 <= area.width) {
        const int x = static_cast<int>(origin - x0);
        dc.SetPen(*wxBLACK_PEN);
        dc.DrawLine(x, 0, x, static_cast<int>(gridBottom));
        dc.DrawLine(static_cast<int>(-x0), g.HeaderHeight(), x, g.HeaderHeight());
    }

    for (std::int64_t row = page.firstRow; row < page.lastRow; ++row) {
        if (const CPerson* p = doc_->GetDisplayed(static_cast<int>(row))) {
            timeline.PaintRow(dc, area, *p, g.RowTop(row - page.firstRow));
        }
    }
    PaintNameColumn(dc, page);
}

void CPrintPagePainter::PaintNameColumn(wxDC& dc, const CPrintPage& page) const {
    const CTimelineGeometry& g = layout_->Geometry();
    const std::int64_t x0 = page.originX;
    const std::int64_t origin = g.TimelineOrigin();
    if (x0 >= origin || page.firstRow >= page.lastRow) {
        return;  // the name column stands on the first column of pages only
    }
    const CDocSettings& s = doc_->Settings();
    const int left = static_cast<int>(-x0);
    wxDCClipper clip(dc, left, 0, static_cast<int>(origin), static_cast<int>(pages_->PageHeight()));
    const wxFont before = dc.GetFont();
    // The text colour the rest of printing leaves alone: black on paper.
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const std::int64_t offset = static_cast<std::int64_t>(s.zoom) * s.rowHeight / 400;
    for (std::int64_t row = page.firstRow; row < page.lastRow; ++row) {
        const CPerson* p = doc_->GetDisplayed(static_cast<int>(row));
        if (p == nullptr) {
            continue;
        }
        const auto y = static_cast<int>(g.RowTop(row - page.firstRow) + offset);
        if (s.displaySuppleMark && !p->comment.empty()) {
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(ToWxColour(s.suppleColor)));
            dc.DrawRectangle(left + 1, y, 4, 4);
        }
        dc.SetFont(fonts_->Font(TimelineFont::Name));
        dc.DrawText(ToWx(CNameListLayout::ShortName(p->name, s.commentSeparator)), left + CNameListLayout::kTextX, y);
        dc.SetFont(fonts_->Font(TimelineFont::Scale));
        dc.DrawText(ToWx(CPrintLayout::NameColumnYears(*p)), left + CNameListLayout::kTextX,
                    y + fonts_->TextHeight(TimelineFont::Name));
    }
    dc.SetFont(before);
}
