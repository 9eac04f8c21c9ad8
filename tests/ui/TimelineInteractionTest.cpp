#include "CWindowFixture.h"
#include "RealInput.h"
#include "TestDialogs.h"

#include "app/CBarDataEdit.h"
#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogPerson.h"
#include "links/LinkProtocol.h"
#include "res/ids.h"
#include "view/CNameView.h"
#include "view/CScrollCanvas.h"
#include "view/CTrackingTip.h"
#include "view/CVitachronView.h"
#include "wxsupport/WxConvert.h"

#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <map>

namespace {

// Counts the commands that reach the frame, before anything handles them.
class CCommandProbe : public wxEvtHandler {
public:
    CCommandProbe(wxWindow* frame, std::initializer_list<int> ids) : frame_(frame) {
        for (const int id : ids) {
            Bind(wxEVT_MENU, [this](wxCommandEvent& e) { seen.push_back(e.GetId()); }, id);
        }
        frame_->PushEventHandler(this);
    }
    ~CCommandProbe() override { frame_->RemoveEventHandler(this); }
    std::vector<int> seen;

private:
    wxWindow* frame_;
};

// Notes which person the person dialog opened for, and cancels it.
class CSeePersonDialog : public wxExpectModalBase<CDialogPerson, CSeePersonDialog> {
public:
    explicit CSeePersonDialog(wxString* name) : name_(name) {}

protected:
    int OnInvoked(CDialogPerson* dialog) const override {
        auto* field = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(Id::PersonName));
        *name_ = field != nullptr ? field->GetValue() : wxString("?");
        return wxID_CANCEL;
    }

private:
    wxString* name_;
};

struct CShownMenu {
    std::vector<int> ids;  // 0 for a separator
    std::vector<wxString> labels;
    std::map<int, bool> enabled;
};

class TimelineInteraction : public CWindowFixture {
protected:
    void SetUp() override {
        CWindowFixture::SetUp();
        OpenWindow();
        frame->SetSize(1000, 700);
        CDocSettings& s = Doc().Core().Settings();
        s.startYear = 1500;
        s.endYear = 2000;
        AddPerson("徳川家康", 1543, 1616);
        AddPerson("織田信長##尾張の大名", 1534, 1582);
        AddPerson("豊臣秀吉", 1537, 1598);
        Changed();
        Doc().Modify(false);
        frame->contextMenuHook = [this](wxMenu& menu) {
            shown = CShownMenu{};
            for (wxMenuItem* item : menu.GetMenuItems()) {
                shown.ids.push_back(item->IsSeparator() ? 0 : item->GetId());
                shown.labels.push_back(item->GetItemLabelText());
                if (!item->IsSeparator()) {
                    shown.enabled[item->GetId()] = item->IsEnabled();
                }
            }
        };
    }

    wxPoint Screen(wxWindow* w, std::int64_t x, std::int64_t y) {
        return w->ClientToScreen(wxPoint(static_cast<int>(x), static_cast<int>(y)));
    }
    // Client y in the middle of a row's upper half (above the bar).
    std::int64_t RowY(std::int64_t row) { return Timeline().RowTop(row) + 5 - Timeline().Canvas()->ScrollY(); }
    void MenuOverTimeline(std::int64_t clientX, std::int64_t clientY) {
        Timeline().ShowContextMenu(Screen(Timeline().Canvas(), clientX, clientY));
    }
    void Mouse(wxEventType type, std::int64_t x, std::int64_t y, wxWindow* on = nullptr) {
        wxMouseEvent e(type);
        e.SetPosition(wxPoint(static_cast<int>(x), static_cast<int>(y)));
        wxWindow* target = on != nullptr ? on : Timeline().Canvas();
        e.SetEventObject(target);
        target->GetEventHandler()->ProcessEvent(e);
        Settle();
    }
    void Wheel(int rotation, bool shift, bool control, wxWindow* on = nullptr) {
        wxMouseEvent e(wxEVT_MOUSEWHEEL);
        e.m_wheelRotation = rotation;
        e.m_wheelDelta = 120;
        e.m_linesPerAction = 3;
        e.m_shiftDown = shift;
        e.m_controlDown = control;
        wxWindow* target = on != nullptr ? on : Timeline().Canvas();
        e.SetEventObject(target);
        target->GetEventHandler()->ProcessEvent(e);
        Settle();
    }
    std::size_t People() { return Doc().Core().DisplayOrder().size(); }
    // The document changed: measured again at once, as the next paint would.
    void Changed() {
        Refresh();
        Timeline().Layout();
    }

    CShownMenu shown;
};

}  // namespace

TEST_F(TimelineInteraction, ContextMenuHoldsTheResourceItemsThenTheLinksAndEnablesForAPersonRow) {
    MenuOverTimeline(300, RowY(1));
    const std::vector<int> expected{Id::ModifyContextPerson, Id::DeleteContextPerson, Id::AddPerson, 0,
                                    Id::ShowAnnalix,         Id::SelectAnnalix,       0,            Id::ShowHtml,
                                    Id::SetHtml};
    EXPECT_EQ(shown.ids, expected);
    EXPECT_EQ(shown.labels[0], ToWx("このデータを修正"));
    EXPECT_EQ(shown.labels[1], ToWx("このデータを削除"));
    EXPECT_EQ(shown.labels[2], ToWx("データを追加"));
    EXPECT_EQ(shown.labels[4], ToWx("Annalixを表示"));
    EXPECT_EQ(shown.labels[5], ToWx("Annalixを選択して表示"));
    EXPECT_EQ(shown.labels[7], ToWx("HTMLを表示"));
    EXPECT_EQ(shown.labels[8], ToWx("HTMLを設定して表示"));
    EXPECT_EQ(Timeline().ContextRow(), 1);
    EXPECT_TRUE(shown.enabled[Id::ModifyContextPerson]);
    EXPECT_TRUE(shown.enabled[Id::DeleteContextPerson]);
    // Without links the link entries are there, greyed, with their plain texts.
    EXPECT_FALSE(shown.enabled[Id::ShowAnnalix]);
    EXPECT_FALSE(shown.enabled[Id::ShowHtml]);
    EXPECT_TRUE(shown.enabled[Id::SetHtml]);

    // Over the header and below the last person nothing is there to change.
    for (const std::int64_t y : {std::int64_t{3}, RowY(3), RowY(9)}) {
        MenuOverTimeline(300, y);
        EXPECT_FALSE(shown.enabled[Id::ModifyContextPerson]) << y;
        EXPECT_FALSE(shown.enabled[Id::DeleteContextPerson]) << y;
        EXPECT_EQ(shown.ids.size(), expected.size());
    }

    // With links, their entries name them.
    Doc().Core().SetLinkedDocument("/home/u/年表/history.anx");
    Doc().Core().AddHtmlPath("http://example.org/a?x=1&y=2");
    MenuOverTimeline(300, RowY(0));
    EXPECT_TRUE(shown.enabled[Id::ShowAnnalix]);
    EXPECT_EQ(shown.labels[4], ToWx("Annalix(history)を表示"));
    EXPECT_EQ(shown.labels[7], ToWx("HTML(http://example.org/a?x=1&y=2)を表示"));
}

TEST_F(TimelineInteraction, NameListMenuIsTheResourceMenuAloneAndSetsTheTimelinesContextRow) {
    Names().Canvas()->ScrollTo(0, 0);
    Names().ShowContextMenu(Screen(Names().Canvas(), 20, RowY(2)));
    EXPECT_EQ(shown.ids, (std::vector<int>{Id::ModifyContextPerson, Id::DeleteContextPerson, Id::AddPerson}));
    EXPECT_EQ(Timeline().ContextRow(), 2);
    EXPECT_TRUE(shown.enabled[Id::DeleteContextPerson]);
    // Its delete is the timeline's.
    wxString text;
    wxTEST_DIALOG(Command(Id::DeleteContextPerson), CExpectMessage(wxYES, &text));
    EXPECT_EQ(text, ToWx("このデータ(豊臣秀吉)を削除しますか？"));
    EXPECT_EQ(People(), 2u);
    EXPECT_EQ(Timeline().ContextRow(), -1);

    Names().ShowContextMenu(Screen(Names().Canvas(), 20, 2));
    EXPECT_FALSE(shown.enabled[Id::ModifyContextPerson]);
}

TEST_F(TimelineInteraction, DeleteAsksWithTheWholeNameAndOnlyYesRemovesThePerson) {
    MenuOverTimeline(300, RowY(1));
    wxString text;
    wxTEST_DIALOG(Command(Id::DeleteContextPerson), CExpectMessage(wxNO, &text));
    EXPECT_EQ(text, ToWx("このデータ(織田信長##尾張の大名)を削除しますか？"));
    EXPECT_EQ(People(), 3u);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Timeline().ContextRow(), -1);
    // The row was let go of: the command is greyed until the next menu.
    UpdateUi();
    MenuOverTimeline(300, RowY(1));
    wxTEST_DIALOG(Command(Id::DeleteContextPerson), CExpectMessage(wxYES, &text));
    ASSERT_EQ(People(), 2u);
    EXPECT_EQ(Doc().Core().GetDisplayed(1)->name, "豊臣秀吉");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Timeline().ContextRow(), -1);
}

TEST_F(TimelineInteraction, ModifyOpensThePersonDialogForTheContextRowAndLetsGoOfIt) {
    MenuOverTimeline(300, RowY(2));
    wxString name;
    wxTEST_DIALOG(Command(Id::ModifyContextPerson), CSeePersonDialog(&name));
    EXPECT_EQ(name, ToWx("豊臣秀吉"));
    EXPECT_EQ(Timeline().ContextRow(), -1);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(TimelineInteraction, DoubleClicksEditAPersonAddBelowTheLastAndOpenTheBaseYearOnItsLabel) {
    wxString name;
    wxTEST_DIALOG(Mouse(wxEVT_LEFT_DCLICK, 300, RowY(0)), CSeePersonDialog(&name));
    EXPECT_EQ(name, ToWx("徳川家康"));

    CCommandProbe probe(frame, {Id::AddPerson, Id::BaseYearSettings});
    Mouse(wxEVT_LEFT_DCLICK, 300, RowY(5));
    EXPECT_EQ(probe.seen, std::vector<int>{Id::AddPerson});
    // The header band without the base year's label: nothing.
    Mouse(wxEVT_LEFT_DCLICK, 300, 3);
    EXPECT_EQ(probe.seen.size(), 1u);

    Doc().Core().Settings().baseYearShown = true;
    Doc().Core().Settings().baseYear = 1600;
    Changed();
    const CBaseLine line = Timeline().Layout().BaseLine();
    ASSERT_TRUE(line.drawn);
    Mouse(wxEVT_LEFT_DCLICK, line.labelLeft + line.labelWidth, line.labelTop);  // the corner belongs to it
    EXPECT_EQ(probe.seen, (std::vector<int>{Id::AddPerson, Id::BaseYearSettings}));
    Mouse(wxEVT_LEFT_DCLICK, line.labelLeft - 1, line.labelTop + 2);
    EXPECT_EQ(probe.seen.size(), 2u);
}

TEST_F(TimelineInteraction, WheelScrollsUnlessShiftOrCtrlIsHeldAndTheNameListFollows) {
    for (int i = 0; i < 60; ++i) {
        AddPerson("人" + std::to_string(i), 1600 + i, 1650 + i);
    }
    Changed();
    CScrollCanvas* canvas = Timeline().Canvas();
    Wheel(-120, false, false);
    EXPECT_EQ(canvas->ScrollY(), 3 * CScrollCanvas::kLineSize);
    Wheel(-120, true, false);
    Wheel(-120, false, true);
    EXPECT_EQ(canvas->ScrollY(), 3 * CScrollCanvas::kLineSize);
    Wheel(120, false, false);
    EXPECT_EQ(canvas->ScrollY(), 0);

    // Rows and the name list move together, the header band stays.
    const wxImage top = RenderTimeline().ConvertToImage();
    const wxImage namesTop = RenderNames().ConvertToImage();
    canvas->ScrollTo(0, 400);
    Settle();
    const wxImage down = RenderTimeline().ConvertToImage();
    const wxImage namesDown = RenderNames().ConvertToImage();
    const int hh = Timeline().HeaderHeight();
    const int x = static_cast<int>(Timeline().Geometry().YearToX(1620));
    for (int y = 0; y < hh; ++y) {
        EXPECT_EQ(Pixel(top, x, y), Pixel(down, x, y)) << y;
    }
    int moved = 0;
    for (int y = hh; y + 400 < top.GetHeight(); ++y) {
        moved += Pixel(top, x, y + 400) == Pixel(down, x, y);
        for (int nx = 0; nx < namesTop.GetWidth(); nx += 7) {
            EXPECT_EQ(Pixel(namesTop, nx, y + 400), Pixel(namesDown, nx, y)) << nx << "," << y;
        }
    }
    EXPECT_EQ(moved, top.GetHeight() - 400 - hh);
}

TEST_F(TimelineInteraction, RealWheelTurnsWithShiftOrCtrlHeldMoveNothingEvenAfterTheToolkitHadThem) {
    SKIP_UNDER_WINE(kWineLosesInput);
    Doc().Core().Settings().endYear = 3000;  // room to scroll sideways too
    for (int i = 0; i < 60; ++i) {
        AddPerson("人" + std::to_string(i), 1600 + i, 1650 + i);
    }
    Changed();
    CScrollCanvas* canvas = Timeline().Canvas();
    CScrollCanvas* names = Names().Canvas();
    ASSERT_GT(canvas->ScrollLimitY(), 300);
    for (CScrollCanvas* over : {canvas, names}) {
        canvas->ScrollTo(0, 0);
        Settle();
        const wxPoint at = over->GetScreenRect().GetPosition() + wxPoint(60, 200);
        RealWheel(at, -10, HeldKey::Control);
        RealWheel(at, -10, HeldKey::Shift);
        // X delivers in order: once the plain notch after them has scrolled,
        // GTK has had the held ones too.
        RealWheel(at, -1);
        EXPECT_TRUE(WaitFor([&] { return canvas->ScrollY() != 0; }));
        Settle();
        EXPECT_EQ(canvas->ScrollY(), 3 * CScrollCanvas::kLineSize) << (over == names ? "names" : "timeline");
        EXPECT_EQ(canvas->ScrollX(), 0);
        EXPECT_EQ(names->ScrollX(), 0);
    }
}

TEST_F(TimelineInteraction, TheSupplementTipLetsTheMouseThroughToTheBarAndTheNameList) {
    SKIP_UNDER_WINE(kWineLosesInput);
    CDocSettings& s = Doc().Core().Settings();
    s.startYear = 500;  // the bar's centre is right of the window's middle
    for (int i = 0; i < 60; ++i) {
        AddPerson("人" + std::to_string(i), 1600 + i, 1650 + i);
    }
    Doc().Core().GetDisplayed(0)->comment = "江戸幕府を開いた征夷大将軍";
    Changed();
    CScrollCanvas* canvas = Timeline().Canvas();
    const CTimelineGeometry& g = Timeline().Geometry();
    canvas->ScrollTo(g.YearToX(1500), 0);
    Settle();
    // The mouse over the bar, where the tip stands once it shows.
    const wxRect bar(canvas->ClientToScreen(wxPoint(static_cast<int>(g.YearToX(1543) - canvas->ScrollX()),
                                                    static_cast<int>(g.BarTop(g.RowTop(0))))),
                     wxSize(static_cast<int>(g.YearToX(1616) - g.YearToX(1543)), g.BarThickness()));
    wxUIActionSimulator mouse;
    mouse.MouseMove(bar.GetPosition() + wxPoint(8, 1));
    CTrackingTip* tip = Timeline().Tip();
    ASSERT_TRUE(WaitFor([&] { return tip->IsShown(); }));
    const wxRect under = tip->ScreenRect().Intersect(bar);
    ASSERT_FALSE(under.IsEmpty()) << "the tip does not cover the bar";
    const wxPoint point(under.x + under.width / 2, under.y + under.height / 2);
    mouse.MouseMove(point);
    WaitFor([&] { return tip->IsShown() && tip->ScreenRect().Contains(point); });
    ASSERT_TRUE(tip->ScreenRect().Contains(point));

    wxString name;
    wxTEST_DIALOG(
        {
            mouse.MouseDblClick();
            EXPECT_TRUE(WaitFor([&] { return !name.empty(); }));
        },
        CSeePersonDialog(&name));
    EXPECT_EQ(name, ToWx("徳川家康"));
    RealWheel(point, -1);
    EXPECT_TRUE(WaitFor([&] { return canvas->ScrollY() == 3 * CScrollCanvas::kLineSize; }));
    EXPECT_FALSE(tip->IsShown()) << "the bar it told of has moved away";

    // In the name list the tip stands below the name: a press there frames
    // the row and brings its bar to the middle.
    canvas->ScrollTo(0, 0);
    Settle();
    CScrollCanvas* names = Names().Canvas();
    const wxPoint nameRow = names->ClientToScreen(wxPoint(20, static_cast<int>(Timeline().RowTop(0)) + 4));
    mouse.MouseMove(nameRow);
    ASSERT_TRUE(WaitFor([&] { return Names().Tip()->IsShown(); }));
    const wxRect rowRect(names->ClientToScreen(wxPoint(0, static_cast<int>(Timeline().RowTop(0)))),
                         wxSize(names->GetClientSize().x, g.RowHeight()));
    const wxRect nameUnder = Names().Tip()->ScreenRect().Intersect(rowRect);
    ASSERT_FALSE(nameUnder.IsEmpty()) << "the tip does not cover the row";
    const wxPoint press(nameUnder.x + nameUnder.width / 2, nameUnder.y + nameUnder.height / 2);
    mouse.MouseMove(press);
    WaitFor([&] { return Names().Tip()->ScreenRect().Contains(press); });
    mouse.MouseDown();
    EXPECT_TRUE(WaitFor([&] { return Names().PressedRow() == std::optional<std::int64_t>(0); }));
    const int half = canvas->GetClientSize().x / 2;
    const std::int64_t centred = (g.YearToX(1543) + g.YearToX(1616)) / 2 - half;
    ASSERT_GT(centred, 0);
    EXPECT_EQ(canvas->ScrollX(), centred);
    mouse.MouseUp();
    EXPECT_TRUE(WaitFor([&] { return !Names().PressedRow(); }));
}

TEST_F(TimelineInteraction, ThumbTrackingReachesPositionsBeyondSixteenBits) {
    Doc().Core().Settings().startYear = 0;
    Doc().Core().Settings().endYear = 50000;  // 100,000 pixels
    Changed();
    CScrollCanvas* canvas = Timeline().Canvas();
    ASSERT_GT(canvas->ScrollLimitX(), 70000);
    wxScrollWinEvent track(wxEVT_SCROLLWIN_THUMBTRACK, 70000, wxHORIZONTAL);
    track.SetEventObject(canvas);
    canvas->GetEventHandler()->ProcessEvent(track);
    EXPECT_EQ(canvas->ScrollX(), 70000);
    // The header follows horizontally.
    const CHeaderGrid grid = Timeline().Layout().Header(CHeaderLayout::View{canvas->ScrollX(), 800});
    EXPECT_LE(grid.firstX, 70000);
    EXPECT_GT(grid.firstX, 70000 - 2 * grid.step);
}

TEST_F(TimelineInteraction, CentringPutsTheYearOrTheLifeInTheMiddle) {
    Doc().Core().Settings().endYear = 3000;
    Changed();
    CScrollCanvas* canvas = Timeline().Canvas();
    const int half = canvas->GetClientSize().x / 2;
    const CTimelineGeometry& g = Timeline().Geometry();
    Timeline().CentreYear(2200);
    EXPECT_EQ(canvas->ScrollX(), g.YearToX(2200) - half);
    Timeline().CentreYear(-5000);  // before the range: its first year, as far left as it goes
    EXPECT_EQ(canvas->ScrollX(), 0);
    Timeline().CentrePerson(0);  // 1543 to 1616
    EXPECT_EQ(canvas->ScrollX(), std::max<std::int64_t>(0, (g.YearToX(1543) + g.YearToX(1616)) / 2 - half));

    // A year request from Annalix centres through the same service.
    linkTransport->Deliver(2, 2500).get();
    Settle();
    EXPECT_EQ(canvas->ScrollX(), g.YearToX(2500) - half);
}

TEST_F(TimelineInteraction, KeyReleaseLetsGoOfTheFoundPersonAndTheContextRow) {
    Doc().Core().SetCurrentIndex(2);
    MenuOverTimeline(300, RowY(1));
    ASSERT_EQ(Timeline().ContextRow(), 1);
    wxKeyEvent up(wxEVT_KEY_UP);
    up.m_keyCode = 'A';
    up.SetEventObject(Timeline().Canvas());
    Timeline().Canvas()->GetEventHandler()->ProcessEvent(up);
    Settle();
    EXPECT_EQ(Doc().Core().CurrentIndex(), -1);
    EXPECT_EQ(Timeline().ContextRow(), -1);
    const wxImage img = RenderTimeline().ConvertToImage();
    EXPECT_NE(Pixel(img, 300, Timeline().RowTop(2)), *wxRED);
}

TEST_F(TimelineInteraction, SupplementTipShowsOverABarWithTextAndHidesElsewhere) {
    Doc().Core().GetDisplayed(0)->comment = "江戸幕府\r\nを開く";
    const CTimelineGeometry& g = Timeline().Geometry();
    const std::int64_t barY = g.BarTop(g.RowTop(0)) + 1;
    CTrackingTip* tip = Timeline().Tip();
    Mouse(wxEVT_MOTION, g.YearToX(1580), barY);
    ASSERT_TRUE(tip->IsShown());
    EXPECT_EQ(tip->Text(), ToWx("江戸幕府を開く"));
    EXPECT_TRUE(tip->TimerRunning());
    // Beside the bar, above it, and over a bar without text: hidden.
    Mouse(wxEVT_MOTION, g.YearToX(1620), barY);
    EXPECT_FALSE(tip->IsShown());
    Mouse(wxEVT_MOTION, g.YearToX(1580), barY - 3);
    EXPECT_FALSE(tip->IsShown());
    Mouse(wxEVT_MOTION, g.YearToX(1580), g.BarTop(g.RowTop(2)) + 1);
    EXPECT_FALSE(tip->IsShown());
    // The once-a-second check hides it when the mouse has left the window.
    Mouse(wxEVT_MOTION, g.YearToX(1580), barY);
    ASSERT_TRUE(tip->IsShown());
    tip->CheckMouse(Timeline().Canvas()->GetScreenRect().GetBottomRight() + wxPoint(50, 50));
    EXPECT_FALSE(tip->IsShown());
    EXPECT_FALSE(tip->TimerRunning());
}

TEST_F(TimelineInteraction, ContextYearAndTheAnnalixLinkUseThePointOfTheMenu) {
    const CTimelineGeometry& g = Timeline().Geometry();
    // Row 0 is 1543 to 1616: the birth side, the death side.
    MenuOverTimeline(g.YearToX(1550), RowY(0));
    EXPECT_EQ(Timeline().GetContextYear(), 1543);
    MenuOverTimeline(g.YearToX(1610), RowY(0));
    EXPECT_EQ(Timeline().GetContextYear(), 1616);
    // Over the header: the grid year under the point.
    MenuOverTimeline(g.YearToX(1700) + 3, 4);
    EXPECT_EQ(Timeline().GetContextYear(), 1700);

    // "Annalixを表示" sends that year to the Annalix it starts.
    Doc().Core().SetLinkedDocument("/tmp/年表.anx");
    MenuOverTimeline(g.YearToX(1610), RowY(0));
    Command(Id::ShowAnnalix);
    ASSERT_EQ(linkTransport->started, std::vector<std::string>{"/tmp/年表.anx"});
    ASSERT_FALSE(linkTransport->sent.empty());
    EXPECT_EQ(linkTransport->sent.back().wParam, 1616);
    EXPECT_EQ(linkTransport->sent.back().lParam, LinkProtocol::kShowYear);
}
