#include "CWindowFixture.h"
#include "TestDialogs.h"
#include "dialogs/CDialogPerson.h"

#include "app/CBarDataEdit.h"
#include "app/CMainFrame.h"
#include "app/CMainSplitter.h"
#include "app/CVitachronApp.h"
#include "app/CVitachronDocManager.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogAbout.h"
#include "model/ProfileKeys.h"
#include "res/ids.h"
#include "view/CNameView.h"
#include "view/CScrollCanvas.h"
#include "view/CTrackingTip.h"
#include "view/CVitachronView.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/log.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <cstdlib>
#include <optional>
#include <set>

namespace PK = ProfileKeys;

namespace {

class MainFrame : public CWindowFixture {
protected:
    wxMenuItem* Item(int id) const { return frame->GetMenuBar()->FindItem(id); }
    template <typename T>
    T* Control(int id) const {
        return dynamic_cast<T*>(frame->DataBar()->FindWindow(id));
    }
    // Presses a data bar button as the user does.
    void Click(int id) {
        auto* button = Control<wxButton>(id);
        ASSERT_NE(button, nullptr);
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(click);
        Settle();
    }
    void Search(const wxString& text) {
        frame->DataBar()->SearchText()->SetValue(text);
        Click(Id::SearchButton);
    }
};

}  // namespace

TEST_F(MainFrame, MenusCarryTheirTextsAndAcceleratorsAndLaterFeaturesAreGreyed) {
    OpenWindow();
    EXPECT_EQ(Item(Id::FileNew)->GetItemLabel(), ToWx("新規作成(&N)\tCtrl+N"));
    EXPECT_EQ(Item(Id::FileOpen)->GetItemLabel(), ToWx("開く(&O)...\tCtrl+O"));
    EXPECT_EQ(Item(Id::FileSave)->GetItemLabel(), ToWx("上書き保存(&S)\tCtrl+S"));
    EXPECT_EQ(Item(Id::FilePrint)->GetItemLabel(), ToWx("印刷(&P)...\tCtrl+P"));
    EXPECT_EQ(Item(Id::AppExit)->GetItemLabel(), ToWx("Vitachronの終了(&X)"));
    EXPECT_EQ(Item(Id::HelpContents)->GetItemLabel(), ToWx("ヘルプの表示(&H)"));
    EXPECT_EQ(Item(Id::SortNone)->GetItemLabelText(), ToWx("並べ替えない"));
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(1), ToWx("編集(&E)"));
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(3), ToWx("データ(&D)"));
    for (const int id : {Id::Zoom10, Id::Zoom300, Id::YearWidthWide, Id::ViewDataBar, Id::ExportCsv}) {
        EXPECT_NE(Item(id), nullptr) << id;
    }
    UpdateUi();
    for (const int id : {Id::ExportCsv, Id::ExportBasePointYears}) {  // nobody to export yet
        EXPECT_FALSE(Item(id)->IsEnabled()) << id;
    }
    EXPECT_FALSE(Item(wxID_UNDO)->IsEnabled());  // nothing done yet
    EXPECT_TRUE(Control<wxButton>(Id::AddPerson)->IsEnabled());
    EXPECT_FALSE(frame->GetToolBar()->GetToolEnabled(Id::EditCut));
    EXPECT_TRUE(frame->GetToolBar()->GetToolEnabled(Id::FilePrint));
    EXPECT_TRUE(frame->GetToolBar()->GetToolEnabled(Id::FileOpen));
    for (const int id : {Id::FileNew, Id::FileOpen, Id::FileSave, Id::SortName, Id::Zoom150, Id::HelpContents,
                         Id::AddPerson, Id::EditPeople, Id::YearRange, Id::ColorSettings, Id::FontSettings,
                         Id::FilePrint, Id::FilePrintPreview, Id::FilePrintSetup, Id::SaveAsImage,
                         Id::ImportCsv, Id::ImportBasePointYears}) {
        EXPECT_TRUE(Item(id)->IsEnabled()) << id;
    }
}

TEST_F(MainFrame, SortOrdersFollowEachOtherBetweenMenuAndDataBar) {
    OpenWindow();
    AddPerson("うえだ", 1900, 1950);
    AddPerson("あべ", 1800, 1850);
    Refresh();
    Command(Id::SortName);
    EXPECT_EQ(Doc().Core().Settings().sortOrder, 1);
    EXPECT_EQ(Doc().Core().GetDisplayed(0)->name, "あべ");
    EXPECT_TRUE(Doc().IsModified());
    UpdateUi();
    EXPECT_TRUE(Item(Id::SortName)->IsChecked());
    EXPECT_TRUE(Control<wxRadioButton>(Id::SortName)->GetValue());

    // A click on a radio button travels as the menu command.
    auto* radio = Control<wxRadioButton>(Id::SortBirthLatest);
    radio->SetValue(true);
    wxCommandEvent click(wxEVT_RADIOBUTTON, Id::SortBirthLatest);
    click.SetEventObject(radio);
    radio->GetEventHandler()->ProcessEvent(click);
    Settle();
    EXPECT_EQ(Doc().Core().Settings().sortOrder, 4);
    UpdateUi();
    EXPECT_TRUE(Item(Id::SortBirthLatest)->IsChecked());
    EXPECT_FALSE(Item(Id::SortName)->IsChecked());

    auto* group = Control<wxCheckBox>(Id::GroupByCategory);
    group->SetValue(true);
    wxCommandEvent check(wxEVT_CHECKBOX, Id::GroupByCategory);
    check.SetEventObject(group);
    group->GetEventHandler()->ProcessEvent(check);
    EXPECT_TRUE(Doc().Core().Settings().groupByCategory);
}

TEST_F(MainFrame, ZoomRedrawsUnmodifiedAndYearWidthsMarkTheDocument) {
    OpenWindow();
    Command(Id::Zoom150);
    EXPECT_EQ(Doc().Core().Settings().zoom, 150);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Timeline().Geometry().RowHeight(), 60);
    Command(Id::YearWidthWide);
    Command(Id::YearWidthNormal);
    UpdateUi();
    EXPECT_TRUE(Item(Id::YearWidthNormal)->IsChecked());
    EXPECT_FALSE(Item(Id::YearWidthWide)->IsChecked());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MainFrame, NameSearchStepsThroughMatchesThenSaysNothingIsFound) {
    OpenWindow();
    AddPerson("徳川家康", 1543, 1616);
    AddPerson("織田信長", 1534, 1582);
    AddPerson("徳川秀忠", 1579, 1632);
    Refresh();
    Search(ToWx("徳川"));
    EXPECT_EQ(Doc().Core().CurrentIndex(), 0);
    Search(ToWx("徳川"));
    EXPECT_EQ(Doc().Core().CurrentIndex(), 2);
    // Enter in the search text searches too.
    wxComboBox* combo = frame->DataBar()->SearchText();
    combo->SetValue(ToWx("徳川"));
    wxCommandEvent enter(wxEVT_TEXT_ENTER, Id::SearchText);
    enter.SetEventObject(combo);
    wxString text;
    wxTEST_DIALOG(combo->GetEventHandler()->ProcessEvent(enter), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, ToWx("検索名が見つかりません"));
    EXPECT_EQ(Doc().Core().CurrentIndex(), -1);
    EXPECT_EQ(services.session.SearchHistory(), std::vector<std::string>{"徳川"});

    // The drop-down lists the history; the typed text stays.
    frame->DataBar()->SearchText()->SetValue("x");
    wxCommandEvent drop(wxEVT_COMBOBOX_DROPDOWN, Id::SearchText);
    drop.SetEventObject(frame->DataBar()->SearchText());
    frame->DataBar()->SearchText()->GetEventHandler()->ProcessEvent(drop);
    EXPECT_EQ(frame->DataBar()->SearchText()->GetCount(), 1u);
    EXPECT_EQ(frame->DataBar()->SearchText()->GetString(0), ToWx("徳川"));
    EXPECT_EQ(frame->DataBar()->SearchText()->GetValue(), "x");
}

TEST_F(MainFrame, FoundPersonIsBroughtIntoView) {
    OpenWindow();
    for (int i = 0; i < 80; ++i) {
        AddPerson(i == 70 ? "目当て" : "人" + std::to_string(i), 1600, 1650);
    }
    Refresh();
    Search(ToWx("目当て"));
    ASSERT_EQ(Doc().Core().CurrentIndex(), 70);
    const std::int64_t scrollY = Timeline().Canvas()->ScrollY();
    EXPECT_EQ(scrollY, std::min(Timeline().RowTop(70) - 40, Timeline().Canvas()->ScrollLimitY()));
}

TEST_F(MainFrame, BaseYearFieldRefusesBadYearsWithItsTwoMessages) {
    OpenWindow();
    Doc().Core().Settings().baseYearShown = true;
    frame->DataBar()->SetBaseYearControls(1, true);
    wxTextCtrl* field = frame->DataBar()->BaseYearText();
    struct Case {
        const char* text;
        const char* message;
    };
    const char* invalid = "入力された基準年が不正です";
    const char* range = "基準年は-2000000000から2000000000の間で入れてください";
    for (const Case c : {Case{"abc", invalid}, Case{"", invalid}, Case{"3000000000", invalid}, Case{"12x", invalid},
                         Case{"-2000000001", range}, Case{"2000000001", range}}) {
        field->SetValue(c.text);
        wxString text;
        wxTEST_DIALOG(Click(Id::BarBaseYearApply), CExpectMessage(wxOK, &text));
        EXPECT_EQ(text, ToWx(c.message)) << c.text;
        EXPECT_EQ(Doc().Core().Settings().baseYear, 1);
    }
    EXPECT_FALSE(Doc().IsModified());
    for (const int year : {-2000000000, 2000000000, 1868}) {
        field->SetValue(wxString::Format("%d", year));
        Click(Id::BarBaseYearApply);
        EXPECT_EQ(Doc().Core().Settings().baseYear, year);
    }
    EXPECT_TRUE(Doc().IsModified());

    // Enter in the field applies it too.
    field->SetValue("1900");
    wxCommandEvent enter(wxEVT_TEXT_ENTER, Id::BarBaseYearText);
    enter.SetEventObject(field);
    field->GetEventHandler()->ProcessEvent(enter);
    EXPECT_EQ(Doc().Core().Settings().baseYear, 1900);
}

TEST_F(MainFrame, SwitchingTheBaseYearOffGreysTheFieldAndKeepsTheYear) {
    OpenWindow();
    Doc().Core().Settings().baseYearShown = true;
    Doc().Core().Settings().baseYear = 1600;
    frame->DataBar()->SetBaseYearControls(1600, true);
    wxCheckBox* off = frame->DataBar()->BaseYearOff();
    const auto toggle = [&](bool value) {
        off->SetValue(value);
        wxCommandEvent click(wxEVT_CHECKBOX, Id::BarBaseYearOff);
        click.SetEventObject(off);
        off->GetEventHandler()->ProcessEvent(click);
    };
    toggle(true);
    EXPECT_FALSE(Doc().Core().Settings().baseYearShown);
    EXPECT_FALSE(frame->DataBar()->BaseYearText()->IsEnabled());
    // A year typed while the base year is off changes nothing.
    frame->DataBar()->BaseYearText()->SetValue("1700");
    frame->DataBar()->ApplyBaseYear();
    EXPECT_EQ(Doc().Core().Settings().baseYear, 1600);
    toggle(false);
    EXPECT_TRUE(Doc().Core().Settings().baseYearShown);
    EXPECT_TRUE(frame->DataBar()->BaseYearText()->IsEnabled());
    EXPECT_EQ(Doc().Core().Settings().baseYear, 1600);
}

TEST_F(MainFrame, ToggledBarsFollowTheirChecks) {
    OpenWindow();
    UpdateUi();
    EXPECT_TRUE(Item(Id::ViewDataBar)->IsChecked());
    Command(Id::ViewDataBar);
    UpdateUi();
    EXPECT_FALSE(frame->DataBar()->IsShown());
    EXPECT_FALSE(Item(Id::ViewDataBar)->IsChecked());
    Command(Id::ViewDataBar);
    UpdateUi();
    EXPECT_TRUE(Item(Id::ViewDataBar)->IsChecked());
    Command(Id::ViewToolbar);
    UpdateUi();
    EXPECT_FALSE(Item(Id::ViewToolbar)->IsChecked());
}

TEST_F(MainFrame, HelpOpensTheHelpPageOrSaysItCannot) {
    OpenWindow();
    Command(Id::HelpContents);
    ASSERT_EQ(openedUrls.size(), 1u);
    EXPECT_TRUE(openedUrls[0].StartsWith("file://"));
    EXPECT_TRUE(openedUrls[0].EndsWith("HTMLHelp/index.html"));

    openUrlSucceeds = false;
    wxString text;
    wxTEST_DIALOG(Command(Id::HelpContents), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, ToWx("ヘルプの起動ができませんでした"));

    openUrlSucceeds = true;
    services.helpIndex = TempDir() / "missing.html";
    wxTEST_DIALOG(Command(Id::HelpContents), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, ToWx("ヘルプの起動ができませんでした"));
}

TEST_F(MainFrame, AboutBoxShowsTheVersion) {
    OpenWindow();
    wxString shown;
    class ExpectAbout : public wxExpectModalBase<CDialogAbout> {
    public:
        explicit ExpectAbout(wxString* text) : text_(text) {}

    protected:
        int OnInvoked(CDialogAbout* dlg) const override {
            for (wxWindow* child : dlg->GetChildren()) {
                if (auto* label = dynamic_cast<wxStaticText*>(child)) {
                    *text_ += label->GetLabel();
                }
            }
            return wxID_OK;
        }

    private:
        wxString* text_;
    };
    wxTEST_DIALOG(Command(Id::AppAbout), ExpectAbout(&shown));
    EXPECT_EQ(shown, "Vitachron Version 2.18");
}

TEST_F(MainFrame, WindowTakesItsStoredPlaceAndNameListWidth) {
    profile.WriteInt(PK::kLastPos, PK::kLastPosLeft, 40);
    profile.WriteInt(PK::kLastPos, PK::kLastPosTop, 30);
    profile.WriteInt(PK::kLastPos, PK::kLastPosRight, 840);
    profile.WriteInt(PK::kLastPos, PK::kLastPosBottom, 630);
    profile.WriteInt(PK::kInit, PK::kInitLeftWidth, 222);
    profile.WriteInt(PK::kInit, PK::kInitYearOnly, 1);
    OpenWindow();
    EXPECT_EQ(frame->GetSize(), wxSize(800, 600));
    EXPECT_EQ(frame->LeftPaneWidth(), 222);
    EXPECT_TRUE(frame->YearOnly());
    frame->Close(true);
    Settle();
    frame = nullptr;
    EXPECT_EQ(profile.GetInt(PK::kLastPos, PK::kLastPosRight, 0) - profile.GetInt(PK::kLastPos, PK::kLastPosLeft, 0),
              800);
    EXPECT_EQ(profile.GetInt(PK::kLastPos, PK::kLastPosBottom, 0) - profile.GetInt(PK::kLastPos, PK::kLastPosTop, 0),
              600);
}

TEST_F(MainFrame, EmptyStoredPlaceIsIgnoredAndTheListIs150Wide) {
    profile.WriteInt(PK::kLastPos, PK::kLastPosLeft, 500);
    profile.WriteInt(PK::kLastPos, PK::kLastPosRight, 500);
    profile.WriteInt(PK::kLastPos, PK::kLastPosBottom, 400);
    OpenWindow();
    EXPECT_GT(frame->GetSize().x, 100);
    EXPECT_EQ(frame->LeftPaneWidth(), 150);
    EXPECT_FALSE(frame->YearOnly());
}

TEST_F(MainFrame, MovingTheSplitterMarksTheDocumentModified) {
    OpenWindow();
    EXPECT_FALSE(Doc().IsModified());
    wxSplitterEvent moved(wxEVT_SPLITTER_SASH_POS_CHANGED, frame->Splitter());
    moved.SetSashPosition(200);
    frame->Splitter()->GetEventHandler()->ProcessEvent(moved);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MainFrame, NameListPressFramesTheRowCentresItsBarAndReleaseClearsIt) {
    OpenWindow();
    Doc().Core().Settings().startYear = 0;
    Doc().Core().Settings().endYear = 3000;
    AddPerson("a", 1800, 1900);
    Refresh();
    const CTimelineGeometry& g = Timeline().Geometry();
    const wxPoint inRow(20, static_cast<int>(g.RowTop(0) + 5));
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    down.SetPosition(inRow);
    Names().Canvas()->GetEventHandler()->ProcessEvent(down);
    EXPECT_EQ(Names().PressedRow(), 0);
    const std::int64_t middle = (g.YearToX(1800) + g.YearToX(1900)) / 2;
    EXPECT_EQ(Timeline().Canvas()->ScrollX(), middle - Timeline().Canvas()->GetClientSize().x / 2);
    const wxImage pressed = RenderNames().ConvertToImage();
    EXPECT_EQ(Pixel(pressed, 0, g.RowTop(0) + 10), *wxRED);
    wxMouseEvent up(wxEVT_LEFT_UP);
    up.SetPosition(inRow);
    Names().Canvas()->GetEventHandler()->ProcessEvent(up);
    EXPECT_FALSE(Names().PressedRow().has_value());
    EXPECT_NE(Pixel(RenderNames().ConvertToImage(), 0, g.RowTop(0) + 10), *wxRED);
}

TEST_F(MainFrame, NameListTooltipShowsTheSupplementWithoutLineBreaks) {
    OpenWindow();
    AddPerson("a", 1800, 1900).comment = "一行目\r\n二行目";
    AddPerson("b", 1800, 1900);
    Refresh();
    const CTimelineGeometry& g = Timeline().Geometry();
    wxMouseEvent move(wxEVT_MOTION);
    move.SetPosition(wxPoint(10, static_cast<int>(g.RowTop(0) + 3)));
    Names().Canvas()->GetEventHandler()->ProcessEvent(move);
    ASSERT_TRUE(Names().Tip()->IsShown());
    EXPECT_EQ(Names().Tip()->Text(), ToWx("一行目二行目"));
    EXPECT_TRUE(Names().Tip()->TimerRunning());
    move.SetPosition(wxPoint(10, static_cast<int>(g.RowTop(1) + 3)));
    Names().Canvas()->GetEventHandler()->ProcessEvent(move);
    EXPECT_FALSE(Names().Tip()->IsShown());
    // Shown again, then the mouse leaves the window: the timer's check hides it.
    move.SetPosition(wxPoint(10, static_cast<int>(g.RowTop(0) + 3)));
    Names().Canvas()->GetEventHandler()->ProcessEvent(move);
    Names().Tip()->CheckMouse(Names().Canvas()->GetScreenRect().GetBottomRight() + wxPoint(50, 50));
    EXPECT_FALSE(Names().Tip()->IsShown());
    EXPECT_FALSE(Names().Tip()->TimerRunning());
}

TEST_F(MainFrame, NameListShowsCutNamesYearLinesAndTheTitle) {
    OpenWindow();
    CPerson& p = AddPerson("織田信長##尾張の大名", 1534, 1582);
    p.comment = "本能寺";
    Refresh();
    const CTimelineGeometry& g = Timeline().Geometry();
    const wxImage img = RenderNames().ConvertToImage();
    // Title cell grey, the supplement mark red in the corner of the row.
    EXPECT_EQ(Pixel(img, img.GetWidth() - 2, 2), wxColour(192, 192, 192));
    EXPECT_EQ(Pixel(img, 0, g.RowTop(0) + 10), ToWxColour(Doc().Core().Settings().suppleColor));
    EXPECT_EQ(Pixel(img, 4, g.RowTop(0) + 10), *wxWHITE);
    // The list is as wide as its widest text: the name before the separator.
    const int nameWidth = Timeline().Fonts().TextWidth(TimelineFont::Name, "織田信長");
    const int yearWidth = Timeline().Fonts().TextWidth(TimelineFont::Year, " 1534  -  1582");
    EXPECT_EQ(Names().Canvas()->ContentWidth(), std::max(nameWidth, yearWidth) + 5);
}

TEST_F(MainFrame, WheelOverTheNameListScrollsTheTimelineUnlessCtrlOrShiftIsHeld) {
    OpenWindow();
    for (int i = 0; i < 80; ++i) {
        AddPerson("p" + std::to_string(i), 1600, 1650);
    }
    Refresh();
    Timeline().Layout();  // as the first paint does: the scroll range
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.m_linesPerAction = 3;
    Names().Canvas()->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(Timeline().Canvas()->ScrollY(), 3 * CScrollCanvas::kLineSize);
    EXPECT_EQ(Names().Canvas()->ScrollY(), 0);  // the list has no vertical range of its own
    wheel.SetControlDown(true);
    Names().Canvas()->GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(Timeline().Canvas()->ScrollY(), 3 * CScrollCanvas::kLineSize);
}

TEST_F(MainFrame, DoubleClickBelowTheLastNameAsksToAddAPerson) {
    OpenWindow();
    AddPerson("a", 1600, 1650);
    Refresh();
    const CTimelineGeometry& g = Timeline().Geometry();
    wxMouseEvent dclick(wxEVT_LEFT_DCLICK);
    // Below the last person: the person dialog opens in add mode.
    dclick.SetPosition(wxPoint(10, static_cast<int>(g.RowTop(1) + 5)));
    wxTEST_DIALOG(Names().Canvas()->GetEventHandler()->ProcessEvent(dclick),
                  wxExpectDismissableModal<CDialogPerson>(wxID_CANCEL));
    dclick.SetPosition(wxPoint(10, 2));  // the title cell: nothing opens
    Names().Canvas()->GetEventHandler()->ProcessEvent(dclick);
    EXPECT_EQ(Doc().Core().People().size(), 1u);
}

#ifdef __WXGTK__
TEST_F(MainFrame, MenusAnswerOnlyTheShortcutsTheirTextsName) {
    OpenWindow();
    // GTK would give the stock commands (exit, save as, preview) shortcuts of their own.
    std::set<std::string> shortcuts;
    for (GSList* node = gtk_accel_groups_from_object(G_OBJECT(frame->GetHandle())); node != nullptr;
         node = node->next) {
        gtk_accel_group_find(
            GTK_ACCEL_GROUP(node->data),
            +[](GtkAccelKey* key, GClosure*, gpointer found) -> gboolean {
                std::string name = (key->accel_mods & GDK_CONTROL_MASK) != 0 ? "Ctrl+" : "";
                name += (key->accel_mods & GDK_SHIFT_MASK) != 0 ? "Shift+" : "";
                name += (key->accel_mods & GDK_MOD1_MASK) != 0 ? "Alt+" : "";
                name += gdk_keyval_name(key->accel_key);
                static_cast<std::set<std::string>*>(found)->insert(name);
                return FALSE;
            },
            &shortcuts);
    }
    EXPECT_EQ(shortcuts, (std::set<std::string>{"Ctrl+n", "Ctrl+o", "Ctrl+s", "Ctrl+p", "Ctrl+z", "Ctrl+y"}));
}
#endif

TEST_F(MainFrame, SearchHistoryIsInTheDropDownBeforeItOpens) {
    OpenWindow();
    AddPerson("徳川家康", 1543, 1616);
    Refresh();
    // GTK sizes the popup before the drop-down event arrives: the entries must be there already.
    Search(ToWx("徳川"));
    wxComboBox* combo = frame->DataBar()->SearchText();
    ASSERT_EQ(combo->GetCount(), 1u);
    EXPECT_EQ(combo->GetString(0), ToWx("徳川"));
    EXPECT_EQ(combo->GetValue(), ToWx("徳川"));

    // A new document starts with no history.
    Doc().Modify(false);
    Command(Id::FileNew);
    EXPECT_EQ(frame->DataBar()->SearchText()->GetCount(), 0u);
}

TEST_F(MainFrame, ABrowserThatDoesNotStartLeavesTheMessageToTheProgram) {
    // No browser to be found, and an address nobody opens.
    const std::filesystem::path empty = TempDir();
    const char* path = std::getenv("PATH");
    const std::optional<std::string> oldPath = path != nullptr ? std::optional<std::string>(path) : std::nullopt;
    wxSetEnv("PATH", PathToWx(empty));
    class CCountingLog : public wxLog {
    public:
        int count = 0;

    protected:
        void DoLogRecord(wxLogLevel, const wxString&, const wxLogRecordInfo&) override { ++count; }
    };
    CCountingLog log;
    wxLog* before = wxLog::SetActiveTarget(&log);
    const bool opened = CVitachronApp::OpenInBrowser("vitachron-nowhere:index.html");
    wxLog::FlushActive();
    wxLog::SetActiveTarget(before);
    if (oldPath) {
        wxSetEnv("PATH", wxString::FromUTF8(*oldPath));
    }
    EXPECT_FALSE(opened);
    EXPECT_EQ(log.count, 0) << "the toolkit spoke up too";
}
