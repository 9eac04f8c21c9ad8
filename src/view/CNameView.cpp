#include "view/CNameView.h"

#include "layout/CNameListLayout.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "view/CNameListPainter.h"
#include "view/CScrollCanvas.h"
#include "view/CTrackingTip.h"
#include "view/CViewDocument.h"
#include "view/CViewFrame.h"
#include "view/CVitachronView.h"
#include "wxsupport/WxConvert.h"

#include <wx/dc.h>
#include <wx/menu.h>
#include <wx/utils.h>

CNameView::CNameView() = default;
CNameView::~CNameView() = default;

CViewDocument* CNameView::Document() const { return dynamic_cast<CViewDocument*>(GetDocument()); }

CVitachronView* CNameView::Timeline() const { return Document()->TimelineView(); }

bool CNameView::OnCreate(wxDocument* doc, long flags) {
    if (!wxView::OnCreate(doc, flags)) {
        return false;
    }
    CViewFrame* frame = Document()->ViewFrame();
    if (frame == nullptr) {
        return false;
    }
    SetFrame(frame->Window());
    canvas_ = frame->NameCanvas();
    canvas_->SetView(this);
    canvas_->ScrollTo(0, 0);
    canvas_->Bind(wxEVT_LEFT_DOWN, &CNameView::OnLeftDown, this);
    canvas_->Bind(wxEVT_LEFT_UP, &CNameView::OnLeftUp, this);
    canvas_->Bind(wxEVT_MOTION, &CNameView::OnMotion, this);
    canvas_->Bind(wxEVT_LEFT_DCLICK, &CNameView::OnDoubleClick, this);
    canvas_->Bind(wxEVT_CONTEXT_MENU, &CNameView::OnContextMenu, this);
    // The list has no vertical range of its own: the wheel scrolls the timeline.
    canvas_->onWheel = [this](wxMouseEvent& event) {
        CVitachronView* timeline = Timeline();
        if (timeline != nullptr && !event.ShiftDown() && !event.ControlDown()) {
            timeline->Canvas()->ScrollByWheel(event);
        }
    };
    tip_ = std::make_unique<CTrackingTip>(canvas_);
    Document()->Core().AddObserver(*this);
    return true;
}

bool CNameView::OnClose(bool) {
    if (canvas_ != nullptr) {
        canvas_->Unbind(wxEVT_LEFT_DOWN, &CNameView::OnLeftDown, this);
        canvas_->Unbind(wxEVT_LEFT_UP, &CNameView::OnLeftUp, this);
        canvas_->Unbind(wxEVT_MOTION, &CNameView::OnMotion, this);
        canvas_->Unbind(wxEVT_LEFT_DCLICK, &CNameView::OnDoubleClick, this);
        canvas_->Unbind(wxEVT_CONTEXT_MENU, &CNameView::OnContextMenu, this);
        canvas_->onWheel = nullptr;
        canvas_->SetView(nullptr);
        if (CViewDocument* doc = Document()) {
            doc->Core().RemoveObserver(*this);
        }
        canvas_->Refresh(false);
    }
    tip_.reset();
    return true;
}

void CNameView::OnDraw(wxDC* dc) {
    CVitachronView* timeline = Timeline();
    if (timeline == nullptr || timeline->Canvas() == nullptr) {
        // The timeline view is made after this one; until then, an empty pane.
        dc->SetBackground(*wxWHITE_BRUSH);
        dc->Clear();
        return;
    }
    const CTimelineLayout& layout = timeline->Layout();
    CPaintArea area;
    area.scrollX = canvas_->ScrollX();
    area.scrollY = timeline->Canvas()->ScrollY();
    const wxSize size = canvas_->GetClientSize();
    area.width = size.x;
    area.height = size.y;
    CNameListPainter(Document()->Core(), layout, timeline->Fonts())
        .PaintScreen(*dc, area, FromWx(GetDocument()->GetUserReadableName()), pressedRow_);
}

void CNameView::OnUpdate(wxView*, wxObject*) {
    if (canvas_ != nullptr) {
        canvas_->Refresh(false);
    }
}

void CNameView::OnDocumentChanged(CDocChange changes) {
    if (canvas_ != nullptr && Any(changes, kLayoutChanges | CDocChange::Selection)) {
        canvas_->Refresh(false);
    }
}

void CNameView::Activate(bool activate) {
    if (CVitachronView* timeline = activate ? Timeline() : nullptr) {
        timeline->Activate(true);
        return;
    }
    wxView::Activate(activate);
}

void CNameView::RedrawNow() {
    if (canvas_ != nullptr) {
        canvas_->Refresh(true);
        canvas_->Update();
    }
}

std::int64_t CNameView::RowAt(const wxPoint& client) const {
    CVitachronView* timeline = Timeline();
    if (timeline == nullptr) {
        return -1;
    }
    return timeline->RowFromPoint(client.y + timeline->Canvas()->ScrollY());
}

void CNameView::OnLeftDown(wxMouseEvent& event) {
    const std::int64_t row = RowAt(event.GetPosition());
    if (row >= 0) {
        // Framed while the button is held; the press also brings the bar into view.
        pressedRow_ = row;
        canvas_->Refresh(false);
        Timeline()->CentrePerson(static_cast<int>(row));
    }
    event.Skip();
}

void CNameView::OnLeftUp(wxMouseEvent& event) {
    if (pressedRow_) {
        pressedRow_.reset();
        canvas_->Refresh(false);
    }
    event.Skip();
}

void CNameView::OnMotion(wxMouseEvent& event) {
    event.Skip();
    const std::int64_t row = RowAt(event.GetPosition());
    const CPerson* person = row >= 0 ? Document()->Core().GetDisplayed(static_cast<int>(row)) : nullptr;
    if (person == nullptr || person->comment.empty()) {
        tip_->Hide();
        return;
    }
    std::string text = person->comment;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 2);
    }
    CVitachronView* timeline = Timeline();
    const CDocSettings& s = Document()->Core().Settings();
    const std::int64_t x = std::max<std::int64_t>(0, -canvas_->ScrollX());
    const std::int64_t y = timeline->Fonts().TextHeight(TimelineFont::Name) +
                           static_cast<std::int64_t>(s.zoom) * s.rowHeight / 400 + timeline->RowTop(row) -
                           timeline->Canvas()->ScrollY();
    tip_->ShowAt(ToWx(text), canvas_->ClientToScreen(wxPoint(static_cast<int>(x), static_cast<int>(y))));
}

void CNameView::OnDoubleClick(wxMouseEvent& event) {
    CVitachronView* timeline = Timeline();
    const std::int64_t row = RowAt(event.GetPosition());
    if (timeline != nullptr && event.GetPosition().y >= timeline->HeaderHeight() && row >= 0 &&
        Document()->Core().GetDisplayed(static_cast<int>(row)) == nullptr) {
        // Below the last person: add one, as the menu's command does.
        wxCommandEvent add(wxEVT_MENU, Id::AddPerson);
        add.SetEventObject(canvas_);
        GetFrame()->GetEventHandler()->ProcessEvent(add);
    }
    event.Skip();
}

void CNameView::ShowContextMenu(const wxPoint& screenPoint) {
    CVitachronView* timeline = Timeline();
    CViewFrame* frame = Document()->ViewFrame();
    if (timeline == nullptr || frame == nullptr) {
        return;
    }
    const wxPoint client = canvas_->ScreenToClient(screenPoint);
    timeline->SetContext(client.x + canvas_->ScrollX(), client.y + timeline->Canvas()->ScrollY(), RowAt(client));
    frame->Window()->Raise();
    // The resource menu alone: the links belong to the timeline's menu.
    const std::unique_ptr<wxMenu> menu = CVitachronView::BuildContextMenu(false);
    frame->PopupContextMenu(*menu, screenPoint);
}

void CNameView::OnContextMenu(wxContextMenuEvent& event) {
    ShowContextMenu(event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition());
}
