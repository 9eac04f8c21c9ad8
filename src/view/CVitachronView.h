// The timeline pane: the year axis, a row per person, the base line. It
// owns the measured layout (rebuilt only when the document, the zoom or a
// font changes) and the geometry the name list and printing share.
#pragma once

#include "layout/CTimelineLayout.h"
#include "view/CPaintArea.h"
#include "view/CPatternCache.h"
#include "view/CTimelinePainter.h"
#include "view/CViewFonts.h"

#include <wx/docview.h>

#include <memory>

class CScrollCanvas;
class CWxDocument;

class CVitachronView : public wxView {
public:
    CVitachronView() = default;
    ~CVitachronView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC* dc) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;

    CWxDocument* Document() const;
    CScrollCanvas* Canvas() const { return canvas_; }
    const CViewFonts& Fonts() const { return fonts_; }

    // The layout of the document as it is now, measured when first asked for.
    const CTimelineLayout& Layout();
    const CTimelineGeometry& Geometry() { return Layout().Geometry(); }
    int HeaderHeight() { return Geometry().HeaderHeight(); }
    std::int64_t RowTop(std::int64_t row) { return Geometry().RowTop(row); }
    std::int64_t YearSpanToPixels(std::int64_t years) { return Geometry().YearSpanToPixels(years); }
    std::int64_t RowFromPoint(std::int64_t documentY) { return Geometry().RowFromPoint(documentY); }
    // The window's view of the document: scroll position and client size.
    CPaintArea PaintArea() const;

    void RecreateFonts(int percent);
    // What was measured is dropped; the next paint measures again.
    void Invalidate();
    void RedrawNow();

    // Scrolls so the middle of the person's recorded life is in the middle of the window.
    void CentrePerson(int row);
    // Brings the found person (the document's current row) into view.
    void ShowFoundPerson();

    // The timeline as the window shows it, drawn on any device context.
    void Render(wxDC& dc, const CPaintArea& area, CTimelinePainter::Rows rows = CTimelinePainter::Rows::InView);

private:
    CScrollCanvas* canvas_ = nullptr;
    CViewFonts fonts_;
    CPatternCache patterns_;
    std::unique_ptr<CTimelineLayout> layout_;
    int leftMargin_ = -1;
};
