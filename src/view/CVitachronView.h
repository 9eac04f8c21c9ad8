// The timeline pane: the year axis, a row per person, the base line. It
// owns the measured layout (rebuilt only when the document, the zoom or a
// font changes) and the geometry the name list and printing share, and it
// answers the user: context menu, double-clicks, the supplement tooltip,
// keys and wheel, printing and the picture of the whole timeline.
#pragma once

#include "layout/CContextYear.h"
#include "layout/CRowMeasures.h"
#include "layout/CTimelineLayout.h"
#include "model/CDocChange.h"
#include "view/CPaintArea.h"
#include "view/CPatternCache.h"
#include "view/CTimelineExport.h"
#include "view/CTimelinePainter.h"
#include "view/CTimelinePrintout.h"
#include "view/CViewFonts.h"

#include <wx/docview.h>

#include <memory>

class wxTimer;
class CScrollCanvas;
class CTrackingTip;
class CViewDocument;
class wxMenu;

class CVitachronView : public wxView, public CDocObserver {
public:
    CVitachronView();
    ~CVitachronView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC* dc) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    // The framework's own print route (wxDocManager) gets the same pages.
    wxPrintout* OnCreatePrintout() override;
    // What a change of the document means for the timeline: measured and
    // drawn again, new fonts, a zoom shown at once.
    void OnDocumentChanged(CDocChange changes) override;

    CViewDocument* Document() const;
    CScrollCanvas* Canvas() const { return canvas_; }
    const CViewFonts& Fonts() const { return fonts_; }
    CTrackingTip* Tip() const { return tip_.get(); }

    // The layout of the document as it is now, measured when first asked for.
    const CTimelineLayout& Layout();
    const CTimelineGeometry& Geometry() { return Layout().Geometry(); }
    int HeaderHeight() { return Geometry().HeaderHeight(); }
    std::int64_t RowTop(std::int64_t row) { return Geometry().RowTop(row); }
    std::int64_t YearSpanToPixels(std::int64_t years) { return Geometry().YearSpanToPixels(years); }
    std::int64_t RowFromPoint(std::int64_t documentY) { return Geometry().RowFromPoint(documentY); }
    // The window's view of the document: scroll position and client size.
    CPaintArea PaintArea() const;
    // Width of "0000" in the window's font (the GUI font without a window).
    int LeftMargin();
    static int MeasureLeftMargin(const wxWindow* window);

    void RecreateFonts(int percent);
    // The layout is dropped and made again at the next paint, without the
    // measures of every row: those go on a slice at a time, and only for
    // the people whose measured fields changed.
    void Invalidate();
    // True once every row is measured and the scroll extent is final.
    bool MeasuringDone() const;
    void RedrawNow();

    // Scrolls so the middle of the person's recorded life is in the middle of the window.
    void CentrePerson(int row);
    // Scrolls so the year stands in the middle of the window.
    void CentreYear(int year);
    // Brings the found person (the document's current row) into view.
    void ShowFoundPerson();

    // ---- The context menu and the person under it ----
    // The resource menu (modify, delete, add); withLinks appends the links'
    // four entries after separators.
    static std::unique_ptr<wxMenu> BuildContextMenu(bool withLinks);
    // Opens the timeline's context menu for a screen point.
    void ShowContextMenu(const wxPoint& screenPoint);
    // Where a context menu opened (document coordinates) and the row under
    // it; the name list sets them for its own menu.
    void SetContext(std::int64_t documentX, std::int64_t documentY, std::int64_t row);
    const CContextPoint& Context() const { return context_; }
    std::int64_t ContextRow() const { return context_.row; }
    bool ContextRowHoldsPerson() const;
    // The year the user pointed at with the last context menu.
    int GetContextYear();

    // ---- Printing and the picture ----
    std::unique_ptr<CTimelinePrintout> CreatePrintout();
    void Print(bool prompt);
    void PrintPreview();
    CTimelineExport::Source ExportSource();
    void SaveAsImage();

    // The timeline as the window shows it, drawn on any device context.
    void Render(wxDC& dc, const CPaintArea& area, CTimelinePainter::Rows rows = CTimelinePainter::Rows::InView);

private:
    void OnModifyPerson(wxCommandEvent& event);
    void OnDeletePerson(wxCommandEvent& event);
    void OnUpdateContextPerson(wxUpdateUIEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    // Measures rows for a slice of time; the extents grow once all are done.
    void MeasureSlice();
    void SetContentSizes();

    CScrollCanvas* canvas_ = nullptr;
    CViewFonts fonts_;
    CPatternCache patterns_;
    std::unique_ptr<CTimelineLayout> layout_;
    CRowMeasures measures_;
    int fontGeneration_ = 0;
    std::unique_ptr<wxTimer> measureTimer_;
    std::unique_ptr<CTrackingTip> tip_;
    CContextPoint context_;
    int leftMargin_ = -1;
};
