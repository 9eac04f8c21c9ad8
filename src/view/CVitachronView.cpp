#include "view/CVitachronView.h"

#include "model/CVitachronDoc.h"
#include "model/FormatText.h"
#include "model/LocalTime.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "view/CNameView.h"
#include "view/CScrollCanvas.h"
#include "view/CTimelineImageSaver.h"
#include "view/CTimelinePrinting.h"
#include "view/CTrackingTip.h"
#include "view/CViewDocument.h"
#include "view/CViewFrame.h"
#include "wxsupport/CLogFontConverter.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/print.h>
#include <wx/settings.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <limits>

namespace {

int ToInt(std::int64_t year) {
    return static_cast<int>(std::clamp<std::int64_t>(year, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}


}  // namespace

CVitachronView::CVitachronView() {
    Bind(wxEVT_MENU, &CVitachronView::OnModifyPerson, this, Id::ModifyContextPerson);
    Bind(wxEVT_MENU, &CVitachronView::OnDeletePerson, this, Id::DeleteContextPerson);
    Bind(wxEVT_UPDATE_UI, &CVitachronView::OnUpdateContextPerson, this, Id::ModifyContextPerson);
    Bind(wxEVT_UPDATE_UI, &CVitachronView::OnUpdateContextPerson, this, Id::DeleteContextPerson);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Print(true); }, Id::FilePrint);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Print(false); }, Id::FilePrintDirect);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { PrintPreview(); }, Id::FilePrintPreview);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { SaveAsImage(); }, Id::SaveAsImage);
    for (const int id : {Id::FilePrint, Id::FilePrintDirect, Id::FilePrintPreview, Id::SaveAsImage}) {
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& e) { e.Enable(true); }, id);
    }
}

CVitachronView::~CVitachronView() = default;

CViewDocument* CVitachronView::Document() const { return dynamic_cast<CViewDocument*>(GetDocument()); }

bool CVitachronView::OnCreate(wxDocument* doc, long flags) {
    if (!wxView::OnCreate(doc, flags)) {
        return false;
    }
    CViewFrame* frame = Document()->ViewFrame();
    if (frame == nullptr) {
        return false;
    }
    SetFrame(frame->Window());
    canvas_ = frame->TimelineCanvas();
    canvas_->SetView(this);
    canvas_->ScrollTo(0, 0);
    canvas_->onScrolled = [this](std::int64_t, std::int64_t dy) {
        // A tip tells of the bar or row that was under the mouse, which
        // has moved away: the next motion shows the tip of what is there now.
        CNameView* names = Document()->NameView();
        for (CTrackingTip* tip : {tip_.get(), names != nullptr ? names->Tip() : nullptr}) {
            if (tip != nullptr) {
                tip->Hide();
            }
        }
        // The name list stands row for row beside the timeline.
        if (dy != 0 && names != nullptr) {
            names->Canvas()->Refresh(false);
        }
    };
    // Wheel turns with Shift or Ctrl held do nothing.
    canvas_->onWheel = [this](wxMouseEvent& event) {
        if (!event.ShiftDown() && !event.ControlDown()) {
            canvas_->ScrollByWheel(event);
        }
    };
    canvas_->Bind(wxEVT_CONTEXT_MENU, &CVitachronView::OnContextMenu, this);
    canvas_->Bind(wxEVT_LEFT_DCLICK, &CVitachronView::OnDoubleClick, this);
    canvas_->Bind(wxEVT_MOTION, &CVitachronView::OnMotion, this);
    canvas_->Bind(wxEVT_KEY_UP, &CVitachronView::OnKeyUp, this);
    tip_ = std::make_unique<CTrackingTip>(canvas_);
    Document()->Core().AddObserver(*this);
    RecreateFonts(100);
    Activate(true);
    return true;
}

bool CVitachronView::OnClose(bool) {
    // The pane belongs to the frame and serves the next document too.
    if (canvas_ != nullptr) {
        canvas_->Unbind(wxEVT_CONTEXT_MENU, &CVitachronView::OnContextMenu, this);
        canvas_->Unbind(wxEVT_LEFT_DCLICK, &CVitachronView::OnDoubleClick, this);
        canvas_->Unbind(wxEVT_MOTION, &CVitachronView::OnMotion, this);
        canvas_->Unbind(wxEVT_KEY_UP, &CVitachronView::OnKeyUp, this);
        canvas_->onScrolled = nullptr;
        canvas_->onWheel = nullptr;
        canvas_->SetView(nullptr);
        canvas_->Refresh(false);
    }
    if (CViewDocument* doc = Document()) {
        doc->Core().RemoveObserver(*this);
    }
    measureTimer_.reset();
    tip_.reset();
    Activate(false);
    return true;
}

int CVitachronView::MeasureLeftMargin(const wxWindow* window) {
    if (window != nullptr) {
        return window->GetTextExtent("0000").x;
    }
    wxBitmap scratch(8, 8);
    wxMemoryDC dc(scratch);
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    return dc.GetTextExtent("0000").x;
}

int CVitachronView::LeftMargin() {
    if (leftMargin_ < 0) {
        // Both margins are the width of "0000" in the window's own font.
        leftMargin_ = MeasureLeftMargin(canvas_);
    }
    return leftMargin_;
}

const CTimelineLayout& CVitachronView::Layout() {
    if (!layout_) {
        const CVitachronDoc& core = Document()->Core();
        const int currentYear = CurrentLocalYear();
        measures_.Begin(core, CRowMeasures::Key{core.Settings(), fontGeneration_, currentYear, LeftMargin()});
        layout_ = std::make_unique<CTimelineLayout>(core, fonts_, LeftMargin(), currentYear, measures_);
        // An edit leaves a few people to measure: done at once, so that the
        // extent never shrinks for a moment (and the view with it) while the
        // person edited waits for the next slice.
        constexpr std::size_t kAtOnce = 2000;
        measures_.MeasureSome(core, layout_->Rows(), layout_->Names(), kAtOnce);
        layout_->SetMeasuredWidths(measures_.WidestRow(), measures_.WidestName());
        SetContentSizes();
        if (!measures_.Done() && canvas_ != nullptr) {
            if (!measureTimer_) {
                measureTimer_ = std::make_unique<wxTimer>();
                measureTimer_->Bind(wxEVT_TIMER, [this](wxTimerEvent&) { MeasureSlice(); });
            }
            // After the paint that asked for the layout: the rows in view first.
            measureTimer_->StartOnce(1);
        }
    }
    return *layout_;
}

void CVitachronView::SetContentSizes() {
    if (canvas_ != nullptr) {
        canvas_->SetContentSize(layout_->ContentWidth(), layout_->ContentHeight());
    }
    if (CNameView* names = Document()->NameView()) {
        names->Canvas()->SetContentSize(layout_->NameListWidth(), 1);
    }
}

void CVitachronView::MeasureSlice() {
    if (!layout_) {
        return;  // the next layout starts measuring again
    }
    // Slices short enough that the window keeps answering the user.
    constexpr auto kSlice = std::chrono::milliseconds(15);
    constexpr std::size_t kRowsBetweenClockReads = 2000;
    const auto until = std::chrono::steady_clock::now() + kSlice;
    bool done = false;
    while (!done && std::chrono::steady_clock::now() < until) {
        done = measures_.MeasureSome(Document()->Core(), layout_->Rows(), layout_->Names(), kRowsBetweenClockReads);
    }
    if (!done) {
        measureTimer_->StartOnce(1);
        return;
    }
    // The extents only grow here, and the scroll position stays: what is
    // in view does not move, the scroll bars take their final size.
    layout_->SetMeasuredWidths(measures_.WidestRow(), measures_.WidestName());
    SetContentSizes();
}

bool CVitachronView::MeasuringDone() const { return layout_ != nullptr && measures_.Done(); }

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

// The framework's own updates (its changes come as notifications): anything may have changed.
void CVitachronView::OnUpdate(wxView*, wxObject*) {
    Invalidate();
    if (canvas_ != nullptr) {
        canvas_->Refresh(false);
    }
}

void CVitachronView::OnDocumentChanged(CDocChange changes) {
    if (Any(changes, CDocChange::Fonts | CDocChange::Zoom | CDocChange::Replaced)) {
        RecreateFonts(Document()->Core().Settings().zoom);
    } else if (Any(changes, kLayoutChanges)) {
        Invalidate();
    }
    if (canvas_ != nullptr && Any(changes, kLayoutChanges | CDocChange::Selection)) {
        canvas_->Refresh(false);
    }
    if (Any(changes, CDocChange::Zoom)) {
        // The new size is seen before the next event, as the zoom is chosen.
        RedrawNow();
        if (CNameView* names = Document()->NameView()) {
            names->RedrawNow();
        }
    }
}

void CVitachronView::Invalidate() { layout_.reset(); }

void CVitachronView::RecreateFonts(int percent) {
    fonts_.Recreate(Document()->Core().Settings(), percent);
    ++fontGeneration_;
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
    const CContextYear::Ends e = CContextYear::RecordedEnds(Geometry(), *person);
    const std::int64_t dx = (e.endX - e.beginX) / 2 + e.beginX - canvas_->GetClientSize().x / 2 - canvas_->ScrollX();
    canvas_->ScrollBy(dx, 0);
}

void CVitachronView::CentreYear(int year) {
    if (canvas_ == nullptr) {
        return;
    }
    const CTimelineGeometry& g = Geometry();
    const std::int64_t x = g.YearToX(std::max<std::int64_t>(year, g.FirstYear()));
    canvas_->ScrollBy(x - canvas_->GetClientSize().x / 2 - canvas_->ScrollX(), 0);
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

// ---- The context menu -----------------------------------------------------

std::unique_ptr<wxMenu> CVitachronView::BuildContextMenu(bool withLinks) {
    auto menu = std::make_unique<wxMenu>();
    menu->Append(Id::ModifyContextPerson, ToWx(Str::kMenuModifyContextPerson));
    menu->Append(Id::DeleteContextPerson, ToWx(Str::kMenuDeleteContextPerson));
    menu->Append(Id::AddPerson, ToWx(Str::kMenuAddContextPerson));
    if (withLinks) {
        menu->AppendSeparator();
        menu->Append(Id::ShowAnnalix, ToWx(Str::kMenuShowAnnalix));
        menu->Append(Id::SelectAnnalix, ToWx(Str::kMenuSelectAnnalix));
        menu->AppendSeparator();
        menu->Append(Id::ShowHtml, ToWx(Str::kMenuShowHtml));
        menu->Append(Id::SetHtml, ToWx(Str::kMenuSetHtml));
    }
    return menu;
}

void CVitachronView::SetContext(std::int64_t documentX, std::int64_t documentY, std::int64_t row) {
    const CTimelineLayout& layout = Layout();
    const CPaintArea area = PaintArea();
    CContextPoint c;
    c.x = documentX;
    c.y = documentY;
    c.row = row;
    // The header grid and the base-year label as the window shows them.
    const CHeaderGrid grid = layout.Header(CHeaderLayout::View{area.scrollX, area.width});
    c.gridFirstYear = grid.firstYear;
    c.gridLastYear = grid.lastYear;
    c.gridFirstX = grid.firstX;
    c.gridStep = grid.step;
    const CBaseLine line = layout.BaseLine();
    if (line.drawn) {
        c.baseLabel = CDocRect{line.labelLeft, line.labelTop + area.scrollY, line.labelWidth, line.labelHeight};
    }
    context_ = c;
}

bool CVitachronView::ContextRowHoldsPerson() const {
    return context_.row >= 0 && context_.row < static_cast<std::int64_t>(Document()->Core().DisplayOrder().size());
}

int CVitachronView::GetContextYear() {
    const std::int64_t scrollY = canvas_ != nullptr ? canvas_->ScrollY() : 0;
    return ToInt(CContextYear::Find(Document()->Core(), Geometry(), context_, scrollY));
}

void CVitachronView::ShowContextMenu(const wxPoint& screenPoint) {
    CViewFrame* frame = Document()->ViewFrame();
    if (frame == nullptr || canvas_ == nullptr) {
        return;
    }
    const wxPoint client = canvas_->ScreenToClient(screenPoint);
    const std::int64_t y = client.y + canvas_->ScrollY();
    SetContext(client.x + canvas_->ScrollX(), y, RowFromPoint(y));
    frame->Window()->Raise();
    const std::unique_ptr<wxMenu> menu = BuildContextMenu(true);
    // The Annalix entries can keep the window waiting for seconds: they run
    // once the menu has closed, not while it is still drawn over the window.
    for (const int id : {Id::ShowAnnalix, Id::SelectAnnalix}) {
        menu->Bind(
            wxEVT_MENU,
            [window = frame->Window()](wxCommandEvent& event) {
                window->CallAfter([window, id = event.GetId()] {
                    wxCommandEvent command(wxEVT_MENU, id);
                    command.SetEventObject(window);
                    window->ProcessWindowEvent(command);
                });
            },
            id);
    }
    frame->PopupContextMenu(*menu, screenPoint);
}

void CVitachronView::OnContextMenu(wxContextMenuEvent& event) {
    // From the keyboard there is no point: the mouse's stands for it.
    const wxPoint at = event.GetPosition() == wxDefaultPosition ? wxGetMousePosition() : event.GetPosition();
    ShowContextMenu(at);
}

void CVitachronView::OnUpdateContextPerson(wxUpdateUIEvent& event) { event.Enable(ContextRowHoldsPerson()); }

void CVitachronView::OnModifyPerson(wxCommandEvent&) {
    if (ContextRowHoldsPerson()) {
        CPerson* person = Document()->Core().GetDisplayed(static_cast<int>(context_.row));
        Document()->EditPerson(GetFrame(), *person);
    }
    context_.row = -1;
}

void CVitachronView::OnDeletePerson(wxCommandEvent&) {
    if (ContextRowHoldsPerson()) {
        const int row = static_cast<int>(context_.row);
        const CPerson* person = Document()->Core().GetDisplayed(row);
        const std::string question = FormatText(Str::kAskDeleteContextPerson, {person->name});
        if (ShowMessageBox(ToWx(question), wxYES_NO | wxICON_NONE, GetFrame()) == wxYES) {
            Document()->DeleteDisplayedPerson(row);
        }
    }
    context_.row = -1;
}

// ---- Mouse and keys ----------------------------------------------------------

void CVitachronView::OnDoubleClick(wxMouseEvent& event) {
    const wxPoint p = event.GetPosition();
    const std::int64_t qx = p.x + canvas_->ScrollX();
    const std::int64_t qy = p.y + canvas_->ScrollY();
    CViewFrame* frame = Document()->ViewFrame();
    const CBaseLine line = Layout().BaseLine();
    const CDocRect label{line.labelLeft, line.labelTop + canvas_->ScrollY(), line.labelWidth, line.labelHeight};
    if (line.drawn && frame != nullptr && label.Contains(qx, qy)) {
        // Posted: the base year dialog opens once this click is over.
        frame->Window()->GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_MENU, Id::BaseYearSettings));
    }
    if (p.y >= HeaderHeight() && frame != nullptr) {
        const std::int64_t row = std::min<std::int64_t>(RowFromPoint(qy), std::numeric_limits<int>::max());
        CVitachronDoc& core = Document()->Core();
        if (CPerson* person = core.GetDisplayed(static_cast<int>(row))) {
            Document()->EditPerson(frame->Window(), *person);
        } else if (row >= static_cast<std::int64_t>(core.DisplayOrder().size())) {
            wxCommandEvent add(wxEVT_MENU, Id::AddPerson);
            add.SetEventObject(canvas_);
            frame->Window()->GetEventHandler()->ProcessEvent(add);
        }
    }
    event.Skip();
}

void CVitachronView::OnMotion(wxMouseEvent& event) {
    event.Skip();
    const CVitachronDoc& core = Document()->Core();
    const CTimelineGeometry& g = Geometry();
    const std::int64_t qx = event.GetPosition().x + canvas_->ScrollX();
    const std::int64_t qy = event.GetPosition().y + canvas_->ScrollY();
    const std::int64_t row = g.BarRowFromPoint(qy, static_cast<std::int64_t>(core.DisplayOrder().size()));
    const CPerson* person = row >= 0 ? core.GetDisplayed(static_cast<int>(row)) : nullptr;
    if (person == nullptr) {
        tip_->Hide();
        return;
    }
    const CBar bar = g.ComputeBar(*person);
    if (qx < bar.beginX || qx > bar.endX || person->comment.empty()) {
        tip_->Hide();
        return;
    }
    std::string text = person->comment;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 2);
    }
    // At the start of the bar (or the window's edge), on the bar's top.
    const CDocSettings& s = core.Settings();
    const std::int64_t x =
        std::clamp<std::int64_t>(bar.beginX - canvas_->ScrollX(), 0, std::numeric_limits<int>::max());
    const std::int64_t y =
        static_cast<std::int64_t>(s.zoom) * s.rowHeight / 200 + g.RowTop(row) - canvas_->ScrollY();
    tip_->ShowAt(ToWx(text), canvas_->ClientToScreen(wxPoint(static_cast<int>(x), static_cast<int>(y))));
}

void CVitachronView::OnKeyUp(wxKeyEvent& event) {
    // Any key lets go of the found person and of the person under the last menu.
    Document()->Core().SetCurrentIndex(-1);
    context_.row = -1;
    Document()->UpdateSelection();
    RedrawNow();
    event.Skip();
}

// ---- Printing ------------------------------------------------------------------

std::unique_ptr<CTimelinePrintout> CVitachronView::CreatePrintout() {
    CTimelinePrintout::Source source;
    source.doc = &Document()->Core();
    source.fonts = &fonts_;
    source.leftMargin = LeftMargin();
    CViewFrame* frame = Document()->ViewFrame();
    source.nameColumnWidth = frame != nullptr ? std::max(frame->LeftPaneWidth(), 0) : 0;
    source.nameListWidth = source.nameColumnWidth;
    if (CNameView* names = Document()->NameView(); names != nullptr && names->Canvas()->GetClientSize().x > 0) {
        source.nameListWidth = names->Canvas()->GetClientSize().x;
    }
    source.title = FromWx(GetDocument()->GetUserReadableName());
    source.currentYear = CurrentLocalYear();
    auto printout = std::make_unique<CTimelinePrintout>(std::move(source));
    printout->onProblem = [this](CTimelinePrintout::Problem problem) {
        // Told once the printing machinery has let go.
        wxWindow* frame = GetFrame();
        if (frame != nullptr) {
            frame->CallAfter([frame, problem] { CTimelinePrinting::ShowProblem(frame, problem); });
        }
    };
    return printout;
}

wxPrintout* CVitachronView::OnCreatePrintout() { return CreatePrintout().release(); }

void CVitachronView::Print(bool prompt) {
    CTimelinePrinting(*this, GetDocumentManager()->GetPageSetupDialogData()).Print(prompt);
}

void CVitachronView::PrintPreview() {
    if (CViewFrame* frame = Document()->ViewFrame()) {
        CTimelinePrinting(*this, GetDocumentManager()->GetPageSetupDialogData()).Preview(*frame);
    }
}

// ---- The picture of the whole timeline -------------------------------------------

CTimelineExport::Source CVitachronView::ExportSource() {
    CTimelineExport::Source source;
    source.doc = &Document()->Core();
    source.fonts = &fonts_;
    source.leftMargin = LeftMargin();
    source.title = FromWx(GetDocument()->GetUserReadableName());
    source.currentYear = CurrentLocalYear();
    source.screenPpi = static_cast<int>(CLogFontConverter::ScreenDpi());
    return source;
}

void CVitachronView::SaveAsImage() {
    CTimelineImageSaver(GetFrame(), Document()->FileChooser()).Run(GetDocument()->GetFilename(), ExportSource());
}
