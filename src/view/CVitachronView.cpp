#include "view/CVitachronView.h"

#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "model/LocalTime.h"
#include "view/CNameView.h"
#include "view/CScrollCanvas.h"
#include "view/CViewHint.h"

#include <wx/settings.h>

#include <algorithm>

CVitachronView::~CVitachronView() = default;

CWxDocument* CVitachronView::Document() const { return static_cast<CWxDocument*>(GetDocument()); }

bool CVitachronView::OnCreate(wxDocument* doc, long flags) {
    if (!wxView::OnCreate(doc, flags)) {
        return false;
    }
    CMainFrame* frame = Document()->Frame();
    if (frame == nullptr) {
        return false;
    }
    SetFrame(frame);
    canvas_ = frame->TimelineCanvas();
    canvas_->SetView(this);
    canvas_->ScrollTo(0, 0);
    canvas_->onScrolled = [this](std::int64_t, std::int64_t dy) {
        // The name list stands row for row beside the timeline.
        if (dy != 0) {
            if (CNameView* names = Document()->NameView()) {
                names->Canvas()->Refresh(false);
            }
        }
    };
    RecreateFonts(100);
    Activate(true);
    return true;
}

bool CVitachronView::OnClose(bool) {
    // The pane belongs to the frame and serves the next document too.
    if (canvas_ != nullptr) {
        canvas_->onScrolled = nullptr;
        canvas_->SetView(nullptr);
        canvas_->Refresh(false);
    }
    Activate(false);
    return true;
}

const CTimelineLayout& CVitachronView::Layout() {
    if (!layout_) {
        if (leftMargin_ < 0) {
            // Both margins are the width of "0000" in the window's own font.
            leftMargin_ = canvas_ != nullptr ? canvas_->GetTextExtent("0000").x : 28;
        }
        layout_ = std::make_unique<CTimelineLayout>(Document()->Core(), fonts_, leftMargin_, CurrentLocalYear());
        if (canvas_ != nullptr) {
            canvas_->SetContentSize(layout_->ContentWidth(), layout_->ContentHeight());
        }
        if (CNameView* names = Document()->NameView()) {
            names->Canvas()->SetContentSize(layout_->NameListWidth(), 1);
        }
    }
    return *layout_;
}

CPaintArea CVitachronView::PaintArea() const {
    CPaintArea area;
    if (canvas_ != nullptr) {
        area.scrollX = canvas_->ScrollX();
        area.scrollY = canvas_->ScrollY();
        const wxSize size = canvas_->GetClientSize();
        area.width = size.x;
        area.height = size.y;
    }
    return area;
}

void CVitachronView::OnDraw(wxDC* dc) {
    Layout();
    Render(*dc, PaintArea());
}

void CVitachronView::Render(wxDC& dc, const CPaintArea& area, CTimelinePainter::Rows rows) {
    const CTimelineLayout& layout = Layout();
    CTimelinePainter(Document()->Core(), layout, fonts_, patterns_).PaintScreen(dc, area, rows);
}

void CVitachronView::OnUpdate(wxView*, wxObject* hint) {
    const auto* viewHint = dynamic_cast<const CViewHint*>(hint);
    if (viewHint == nullptr || viewHint->GetKind() != CViewHint::Kind::SelectionOnly) {
        Invalidate();
    }
    if (canvas_ != nullptr) {
        canvas_->Refresh(false);
    }
}

void CVitachronView::Invalidate() { layout_.reset(); }

void CVitachronView::RecreateFonts(int percent) {
    fonts_.Recreate(Document()->Core().Settings(), percent);
    Invalidate();
    if (canvas_ != nullptr) {
        canvas_->Refresh(false);
    }
}

void CVitachronView::RedrawNow() {
    if (canvas_ != nullptr) {
        canvas_->Refresh(true);
        canvas_->Update();
    }
}

void CVitachronView::CentrePerson(int row) {
    const CPerson* person = Document()->Core().GetDisplayed(row);
    if (person == nullptr || canvas_ == nullptr) {
        return;
    }
    const CTimelineGeometry& g = Geometry();
    // The recorded years; an unknown birth starts with the range, an unknown
    // (or coarser than yearly) death runs past its end.
    const auto years = [](const CScaleYear& y, std::int64_t fallback) -> std::int64_t {
        if (y.IsUnknown()) {
            return fallback;
        }
        const CScaleYear::Scaled v = y.ValueIn(1);
        return v.multiplier > 1 ? fallback : v.value;
    };
    const std::int64_t beginX = g.YearToX(std::max(years(person->birth, g.FirstYear()), g.FirstYear()));
    const std::int64_t endX = g.YearToX(std::min(years(person->death, g.LastYear()), g.LastYear()));
    const std::int64_t dx = (endX - beginX) / 2 + beginX - canvas_->GetClientSize().x / 2 - canvas_->ScrollX();
    canvas_->ScrollBy(dx, 0);
}

void CVitachronView::ShowFoundPerson() {
    const int found = Document()->Core().CurrentIndex();
    if (found == -1 || canvas_ == nullptr) {
        return;
    }
    const std::int64_t top = RowTop(found);
    const std::int64_t target = top - Document()->Core().Settings().rowHeight;
    const std::int64_t scrollY = canvas_->ScrollY();
    const int scrollBar = std::max(wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, canvas_), 0);
    if (target < scrollY || top > scrollY + canvas_->GetClientSize().y - 2 * scrollBar) {
        canvas_->ScrollBy(0, target - scrollY);
    }
}
