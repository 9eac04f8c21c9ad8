#include "view/CTimelinePainter.h"

#include "model/CVitachronDoc.h"
#include "view/CDcMeasurer.h"
#include "view/CPatternCache.h"
#include "view/CViewFonts.h"
#include "wxsupport/WxConvert.h"

#include <wx/dc.h>

#include <algorithm>

namespace {

// Shapes are cut a little outside the visible area so their edges stay out of view.
constexpr std::int64_t kEdgeSlack = 4;
// No text is wider than this; one starting further left cannot show.
constexpr std::int64_t kWidestText = 1 << 16;

int ToDevice(std::int64_t v, std::int64_t lo, std::int64_t hi) { return static_cast<int>(std::clamp(v, lo, hi)); }

// Fills the window rectangle [left, right) x [top, bottom) given in window
// coordinates still 64 bits wide.
void FillWindowRect(wxDC& dc, const CPaintArea& a, std::int64_t left, std::int64_t top, std::int64_t right,
                    std::int64_t bottom) {
    const int l = ToDevice(left, -kEdgeSlack, a.width + kEdgeSlack);
    const int r = ToDevice(right, -kEdgeSlack, a.width + kEdgeSlack);
    const int t = ToDevice(top, -kEdgeSlack, a.height + kEdgeSlack);
    const int b = ToDevice(bottom, -kEdgeSlack, a.height + kEdgeSlack);
    if (r > l && b > t) {
        dc.DrawRectangle(l, t, r - l, b - t);
    }
}

void VerticalLine(wxDC& dc, const CPaintArea& a, std::int64_t x, std::int64_t top, std::int64_t bottom) {
    if (x < -1 || x > a.width || bottom <= top) {
        return;
    }
    const int t = ToDevice(top, -kEdgeSlack, a.height + kEdgeSlack);
    const int b = ToDevice(bottom, -kEdgeSlack, a.height + kEdgeSlack);
    if (b > t) {
        dc.DrawLine(static_cast<int>(x), t, static_cast<int>(x), b);
    }
}

void Text(wxDC& dc, const CPaintArea& a, const std::string& text, std::int64_t x, std::int64_t y) {
    if (text.empty() || x > a.width || x < -kWidestText || y > a.height || y < -kWidestText) {
        return;
    }
    dc.DrawText(ToWx(text), static_cast<int>(x), static_cast<int>(y));
}

}  // namespace

void CTimelinePainter::PaintScreen(wxDC& dc, const CPaintArea& area, Rows rows) const {
    const CTimelineGeometry& g = layout_->Geometry();
    const std::int64_t gridBottom = layout_->GridBottom(area.height);
    PaintBackground(dc, area);
    PaintHeader(dc, area, layout_->Header(CHeaderLayout::View{area.scrollX, area.width}), gridBottom);
    PaintBaseLine(dc, area, layout_->ContentHeight());
    {
        const auto rowsTop = static_cast<int>(std::clamp<std::int64_t>(g.HeaderHeight() - area.HeaderShift(), 0,
                                                                       std::max(area.height, 0)));
        wxDCClipper clip(dc, 0, rowsTop, area.width, std::max(0, area.height - rowsTop));
        if (rows == Rows::InView) {
            const auto range = layout_->VisibleRows(area.scrollY, area.height);
            PaintRows(dc, area, range.first, range.last);
        } else {
            PaintRows(dc, area, 0, layout_->PersonCount());
        }
        if (doc_->CurrentIndex() != -1) {
            PaintFoundFrame(dc, area, doc_->CurrentIndex());
        }
    }
}

void CTimelinePainter::PaintBackground(wxDC& dc, const CPaintArea& area) const {
    const wxColour back = ToWxColour(doc_->Settings().backColor);
    dc.SetBackground(wxBrush(back));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(back));
    dc.DrawRectangle(0, 0, area.width, area.height);
}

void CTimelinePainter::PaintHeader(wxDC& dc, const CPaintArea& area, const CHeaderGrid& grid,
                                   std::int64_t gridBottom) const {
    const CTimelineGeometry& g = layout_->Geometry();
    const CDocSettings& s = doc_->Settings();
    const std::int64_t shift = area.HeaderShift();
    const std::int64_t hh = g.HeaderHeight() - shift;
    const std::int64_t sx = area.scrollX;

    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxLIGHT_GREY_BRUSH);
    FillWindowRect(dc, area, g.TimelineOrigin() - sx, -shift, g.AxisRight() - sx, hh);

    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(fonts_->Font(TimelineFont::Scale));
    dc.SetTextForeground(ToWxColour(s.headerYearColor));
    const int labelHeight = fonts_->TextHeight(TimelineFont::Scale);
    const std::int64_t gridEnd = gridBottom - area.scrollY;
    const wxPen gridPen(wxColour(kGridGrey, kGridGrey, kGridGrey), 1, wxPENSTYLE_SOLID);
    for (const CHeaderMark& m : grid.marks) {
        if (m.hasLabel) {
            const wxString label = wxString::Format("%lld", static_cast<long long>(m.labelYear));
            const std::int64_t x = m.labelX - sx;
            if (x > -kWidestText && x < area.width + kWidestText && hh > 0) {
                const int w = dc.GetTextExtent(label).x;
                dc.DrawText(label, static_cast<int>(x - w / 2), static_cast<int>(-shift));
            }
            dc.SetPen(*wxBLACK_PEN);
            VerticalLine(dc, area, x, labelHeight - shift, hh);
            dc.SetPen(gridPen);
            VerticalLine(dc, area, x, hh, gridEnd);
        }
        if (m.shortTickX) {
            dc.SetPen(*wxBLACK_PEN);
            VerticalLine(dc, area, *m.shortTickX - sx, labelHeight + 5 - shift, hh);
        }
    }
    dc.SetPen(wxPen(wxColour(kGridGrey, kGridGrey, kGridGrey), 1, wxPENSTYLE_DOT));
    VerticalLine(dc, area, g.YearToX(g.CurrentYear()) - sx, hh, gridEnd);
}

void CTimelinePainter::PaintBaseLine(wxDC& dc, const CPaintArea& area, std::int64_t bottom) const {
    const CBaseLine line = layout_->BaseLine();
    if (!line.drawn) {
        return;
    }
    const wxColour basis = ToWxColour(doc_->Settings().basisColor);
    dc.SetPen(wxPen(basis, 1, wxPENSTYLE_SOLID));
    const std::int64_t shift = area.HeaderShift();
    VerticalLine(dc, area, line.x - area.scrollX, layout_->Geometry().HeaderHeight() - shift, bottom - area.scrollY);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetFont(fonts_->Font(TimelineFont::Basis));
    dc.SetTextForeground(basis);
    Text(dc, area, line.label, line.labelLeft - area.scrollX, line.labelTop - shift);
}

void CTimelinePainter::PaintRows(wxDC& dc, const CPaintArea& area, std::int64_t first, std::int64_t last) const {
    const CTimelineGeometry& g = layout_->Geometry();
    for (std::int64_t row = first; row < last; ++row) {
        if (const CPerson* p = doc_->GetDisplayed(static_cast<int>(row))) {
            PaintRow(dc, area, *p, g.RowTop(row));
        }
    }
}

void CTimelinePainter::PaintRow(wxDC& dc, const CPaintArea& area, const CPerson& person, std::int64_t rowTop) const {
    const CDcMeasurer measurer(dc, *fonts_);
    const CRowPlan plan = CRowLayout(*doc_, layout_->Geometry(), measurer).Plan(person, rowTop);
    if (!plan.drawn) {
        return;
    }
    const std::uint32_t back = doc_->Settings().backColor;
    const std::int64_t top = plan.barTop - area.scrollY;
    const std::int64_t bottom = plan.barBottom - area.scrollY;
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const CBarFill& f : plan.fills) {
        if (f.kind == FillKind::Solid) {
            dc.SetBrush(wxBrush(ToWxColour(plan.barColor)));
        } else {
            dc.SetBrush(patterns_->Brush(f.kind, plan.barColor, back, area.scrollX, area.scrollY));
        }
        FillWindowRect(dc, area, f.left - area.scrollX, top, f.right - area.scrollX, bottom);
    }
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    for (const CPlacedText& t : plan.texts) {
        dc.SetFont(fonts_->Font(t.font));
        dc.SetTextForeground(ToWxColour(t.color));
        Text(dc, area, t.text, t.x - area.scrollX, t.y - area.scrollY);
    }
}

void CTimelinePainter::PaintFoundFrame(wxDC& dc, const CPaintArea& area, std::int64_t row) const {
    const CTimelineGeometry& g = layout_->Geometry();
    const std::int64_t top = g.RowTop(row) - area.scrollY;
    const std::int64_t left = -area.scrollX;
    const std::int64_t right = layout_->ContentWidth() - area.scrollX;
    if (top > area.height || top + g.RowHeight() < 0) {
        return;
    }
    // A one-pixel frame: the edges left and right of the window stay out of view.
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxRED_BRUSH);
    const std::int64_t bottom = top + g.RowHeight();
    FillWindowRect(dc, area, left, top, right, top + 1);
    FillWindowRect(dc, area, left, bottom - 1, right, bottom);
    FillWindowRect(dc, area, left, top, left + 1, bottom);
    FillWindowRect(dc, area, right - 1, top, right, bottom);
}
