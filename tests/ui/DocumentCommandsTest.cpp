// The document's editing and settings commands as the menus reach them, and
// undo and redo of every change they make to people and their order.
#include "CWindowFixture.h"
#include "DialogDriving.h"

#include "app/CBarDataEdit.h"
#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogBaseYear.h"
#include "dialogs/CDialogDataModify.h"
#include "dialogs/CDialogDisplaySet.h"
#include "dialogs/CDialogPerson.h"
#include "dialogs/CDialogRangeYear.h"
#include "dialogs/CDialogSetFont.h"
#include "model/CPeopleEditor.h"
#include "model/ProfileKeys.h"
#include "res/ids.h"
#include "wxsupport/WxConvert.h"

#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/stattext.h>

namespace PK = ProfileKeys;

namespace {

class DocumentCommands : public CWindowFixture {
protected:
    CVitachronDoc& Core() { return Doc().Core(); }
    std::string Saved() { return Core().SaveToBytes(); }

    std::vector<std::string> Shown() {
        std::vector<std::string> names;
        for (const CPerson* p : Core().DisplayOrder()) {
            names.push_back(p->name);
        }
        return names;
    }

    wxMenuItem* Item(int id) { return frame->GetMenuBar()->FindItem(id); }

    static std::unique_ptr<CPerson> Person(const char* name, int birth) {
        auto p = std::make_unique<CPerson>();
        p->name = name;
        p->SetBirth(CScaleYear(birth));
        return p;
    }

    void Undo() { Command(wxID_UNDO); }
    void Redo() { Command(wxID_REDO); }
};

}  // namespace

TEST_F(DocumentCommands, EveryChangeToPeopleIsOneStepThatUndoRestoresAndRedoRepeats) {
    OpenWindow();
    CPeopleEditor& editor = Doc().PeopleEditor();
    editor.Append(Person("a", 1900));
    editor.Append(Person("b", 1800));
    editor.Append(Person("c", 1850));

    const auto check = [&](const std::function<void()>& change) {
        const std::string before = Saved();
        const auto shownBefore = Shown();
        change();
        const std::string after = Saved();
        ASSERT_NE(after, before);
        Undo();
        EXPECT_EQ(Saved(), before);
        EXPECT_EQ(Shown(), shownBefore);
        Redo();
        EXPECT_EQ(Saved(), after);
        Doc().Modify(false);
        Undo();  // undoing after a save marks the document modified again
        EXPECT_TRUE(Doc().IsModified());
        Redo();
    };
    check([&] { editor.Append(Person("d", 1700)); });
    check([&] {
        CPerson changed = *Core().People()[1];
        changed.name = "b2";
        changed.SetDeath(CScaleYear(1860));
        editor.Replace(1, changed);
    });
    check([&] { editor.Remove(0); });
    check([&] { editor.Move(0, 2); });
    check([&] { Command(Id::SortBirthEarliest); });
    check([&] { Command(Id::GroupByCategory); });
    check([&] { Command(Id::YearWidthWide); });
}

TEST_F(DocumentCommands, UndoMenuNamesTheStepAndIsGreyWithNothingToUndo) {
    OpenWindow();
    UpdateUi();
    EXPECT_FALSE(Item(wxID_UNDO)->IsEnabled());
    EXPECT_FALSE(Item(wxID_REDO)->IsEnabled());
    EXPECT_EQ(Item(wxID_UNDO)->GetItemLabel(), ToWx("元に戻す(&U)\tCtrl+Z"));
    Command(Id::SortName);
    UpdateUi();
    EXPECT_TRUE(Item(wxID_UNDO)->IsEnabled());
    EXPECT_EQ(Item(wxID_UNDO)->GetItemLabel(), ToWx("「並べ替え」を元に戻す(&U)\tCtrl+Z"));
    Undo();
    UpdateUi();
    EXPECT_EQ(Core().Settings().sortOrder, 0);
    EXPECT_EQ(Item(wxID_REDO)->GetItemLabel(), ToWx("「並べ替え」をやり直す(&R)\tCtrl+Y"));
    EXPECT_FALSE(Item(wxID_UNDO)->IsEnabled());
}

TEST_F(DocumentCommands, UndoMenuHasItsNewTextBeforeItIsOpened) {
    // GTK measures the menu before the menu's update runs: a text that grew
    // only then would be cut off. No UpdateUi() here.
    OpenWindow();
    Command(Id::SortName);
    EXPECT_EQ(Item(wxID_UNDO)->GetItemLabel(), ToWx("「並べ替え」を元に戻す(&U)\tCtrl+Z"));
    EXPECT_TRUE(Item(wxID_UNDO)->IsEnabled());
    Undo();
    EXPECT_EQ(Item(wxID_REDO)->GetItemLabel(), ToWx("「並べ替え」をやり直す(&R)\tCtrl+Y"));
    EXPECT_EQ(Item(wxID_UNDO)->GetItemLabel(), ToWx("元に戻す(&U)\tCtrl+Z"));
    auto person = std::make_unique<CPerson>();
    person->name = "人";
    person->category = Core().DefaultCategory();
    Doc().PeopleEditor().Append(std::move(person));
    EXPECT_EQ(Item(wxID_UNDO)->GetItemLabel(), ToWx("「データの追加」を元に戻す(&U)\tCtrl+Z"));
    Doc().Modify(false);
    Command(Id::FileNew);
    EXPECT_EQ(Item(wxID_UNDO)->GetItemLabel(), ToWx("元に戻す(&U)\tCtrl+Z"));
}

TEST_F(DocumentCommands, YearWidthsCheckOneItemAndMarkModifiedWhileZoomDoesNot) {
    OpenWindow();
    Command(Id::YearWidthWide);
    Command(Id::YearWidthNormal);
    UpdateUi();
    EXPECT_FALSE(Item(Id::YearWidthNarrow)->IsChecked());
    EXPECT_TRUE(Item(Id::YearWidthNormal)->IsChecked());
    EXPECT_FALSE(Item(Id::YearWidthWide)->IsChecked());
    EXPECT_TRUE(Doc().IsModified());

    Doc().Modify(false);
    Command(Id::Zoom150);
    UpdateUi();
    EXPECT_TRUE(Item(Id::Zoom150)->IsChecked());
    EXPECT_FALSE(Item(Id::Zoom100)->IsChecked());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(DocumentCommands, AddPersonCommandAppendsThroughTheDialogAndUndoTakesItBack) {
    OpenWindow();
    wxTEST_DIALOG(Command(Id::AddPerson), CDriveModal<CDialogPerson>([](CDialogPerson& d) {
                      SetText(d, Id::PersonName, ToWx("織田信長"));
                      SetText(d, Id::PersonBirth, "1534/6/23");
                      SetText(d, Id::PersonDeath, "1582/6/21");
                      Click(d, wxID_OK);  // 設定(&S): added, the fields cleared for the next
                      return wxID_CANCEL;
                  }));
    ASSERT_EQ(Core().People().size(), 1u);
    EXPECT_EQ(Core().People()[0]->name, "織田信長");
    EXPECT_EQ(Core().People()[0]->deathMonth, 6);
    EXPECT_TRUE(Doc().IsModified());
    Undo();
    EXPECT_TRUE(Core().People().empty());
    Redo();
    EXPECT_EQ(Core().People().size(), 1u);
}

TEST_F(DocumentCommands, DataListMovesAreUndoneOneByOne) {
    OpenWindow();
    for (const char* n : {"a", "b", "c"}) {
        Doc().PeopleEditor().Append(Person(n, 1900));
    }
    const std::string start = Saved();
    wxTEST_DIALOG(Command(Id::EditPeople), CDriveModal<CDialogDataModify>([](CDialogDataModify& d) {
                      auto& list = Control<wxListCtrl>(d, Id::DataList);
                      list.SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                      Click(d, Id::DataMoveDown);
                      Click(d, Id::DataMoveDown);
                      return wxID_OK;
                  }));
    EXPECT_EQ(Core().People()[2]->name, "a");
    Undo();
    EXPECT_EQ(Core().People()[1]->name, "a");
    Undo();
    EXPECT_EQ(Saved(), start);
}

TEST_F(DocumentCommands, YearRangeTakesBothYearsAndUndoesAsOneStep) {
    OpenWindow();
    Core().SetCurrentIndex(0);
    wxTEST_DIALOG(Command(Id::YearRange), CDriveDialog<CDialogRangeYear>([](CDialogRangeYear& d) {
                      EnterText(d, Id::RangeStart, "-500");
                      EnterText(d, Id::RangeEnd, "1600");
                      Click(d, wxID_OK);
                  }));
    EXPECT_EQ(Core().Settings().startYear, -500);
    EXPECT_EQ(Core().Settings().endYear, 1600);
    EXPECT_EQ(Core().CurrentIndex(), -1);
    EXPECT_TRUE(Doc().IsModified());
    Undo();
    EXPECT_EQ(Core().Settings().startYear, 0);

    wxTEST_DIALOG(Command(Id::YearRange), CDriveDialog<CDialogRangeYear>([](CDialogRangeYear& d) {
                      EnterText(d, Id::RangeStart, "100");
                      Click(d, wxID_CANCEL);
                  }));
    EXPECT_EQ(Core().Settings().startYear, 0);
}

TEST_F(DocumentCommands, FontDialogPreviewsAppliesAtOnceAndCancelRestores) {
    OpenWindow();
    EXPECT_EQ(CDialogSetFont::PointSize(CLogFont::Default(), 96.0), 11);
    CLogFont big = CLogFont::Default();
    big.height = -30;
    big.faceName = "IPAGothic";
    fontChooser.answers.push_back(big);
    wxTEST_DIALOG(Command(Id::FontSettings), CDriveDialog<CDialogSetFont>([&](CDialogSetFont& d) {
                      EXPECT_EQ(Control<wxStaticText>(d, Id::FontsScaleFace).GetLabel(), ToWx("ＭＳ Ｐゴシック"));
                      Click(d, Id::FontsScale);
                      // Chosen fonts reach the document and the views while the dialog is open.
                      EXPECT_EQ(Core().Settings().fontScale, big);
                      EXPECT_EQ(Control<wxStaticText>(d, Id::FontsScaleFace).GetLabel(), "IPAGothic");
                      Click(d, wxID_CANCEL);
                  }));
    EXPECT_EQ(Core().Settings().fontScale, CLogFont::Default());
    EXPECT_FALSE(Doc().IsModified());
    ASSERT_EQ(fontChooser.requests.size(), 1u);
    EXPECT_EQ(fontChooser.requests[0], CLogFont::Default());
}

TEST_F(DocumentCommands, FontDefaultsAndInitialValuesReachTheProfile) {
    OpenWindow();
    CLogFont small = CLogFont::Default();
    small.height = -10;
    Core().Settings().fontName = small;
    Core().Settings().fontBasis = small;
    wxTEST_DIALOG(Command(Id::FontSettings), CDriveDialog<CDialogSetFont>([](CDialogSetFont& d) {
                      Click(d, Id::FontsDefaults);
                      SetCheck(d, Id::FontsSaveAsInitial, true);
                      Click(d, wxID_OK);
                  }));
    EXPECT_EQ(Core().Settings().fontName, CLogFont::Default());
    EXPECT_EQ(Core().Settings().fontBasis, CLogFont::Default());
    EXPECT_TRUE(Doc().IsModified());
    for (const char* section : {PK::kFontName, PK::kFontScale, PK::kFontYear, PK::kFontBasis}) {
        CLogFont stored;
        ASSERT_TRUE(profile.GetProfileFont(section, stored)) << section;
        EXPECT_EQ(stored, CLogFont::Default()) << section;
    }
}

TEST_F(DocumentCommands, FontsWithoutTheInitialBoxLeaveTheProfileAlone) {
    OpenWindow();
    CLogFont big = CLogFont::Default();
    big.height = -30;
    fontChooser.answers.push_back(big);
    wxTEST_DIALOG(Command(Id::FontSettings), CDriveDialog<CDialogSetFont>([](CDialogSetFont& d) {
                      Click(d, Id::FontsName);
                      Click(d, wxID_OK);
                  }));
    EXPECT_EQ(Core().Settings().fontName, big);
    EXPECT_FALSE(profile.Has(PK::kFontName, PK::kLfHeight));
}

TEST_F(DocumentCommands, BaseYearOkShowsTheNewYearOnTheDataBar) {
    OpenWindow();
    wxTEST_DIALOG(Command(Id::BaseYearSettings), CDriveDialog<CDialogBaseYear>([](CDialogBaseYear& d) {
                      EnterText(d, Id::BaseYearValue, "1868");
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(Core().Settings().baseYearShown);
    EXPECT_EQ(Core().Settings().baseYear, 1868);
    EXPECT_EQ(frame->DataBar()->BaseYearText()->GetValue(), "1868");
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(DocumentCommands, DisplaySettingsGiveTheFrameItsYearOnlyAndListWidth) {
    OpenWindow();
    wxTEST_DIALOG(Command(Id::DisplaySettings), CDriveDialog<CDialogDisplaySet>([](CDialogDisplaySet& d) {
                      ChooseRadio(d, Id::DisplayYearOnly);
                      EnterText(d, Id::DisplayLeftWidth, "222");
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(Core().Settings().yearOnly);
    EXPECT_TRUE(frame->YearOnly());
    EXPECT_EQ(frame->LeftWidthSetting(), 222);
    EXPECT_EQ(frame->LeftPaneWidth(), 222);
    EXPECT_FALSE(profile.Has(PK::kInit, PK::kInitLeftWidth));  // the initial-values box was not ticked
}

TEST_F(DocumentCommands, SettingsFromTheDataBarAndTheDialogsAreStepsTheEditMenuNames) {
    OpenWindow();
    const std::string saved = Saved();
    CBarDataEdit& bar = *frame->DataBar();
    const auto undoLabel = [&] { return Item(wxID_UNDO)->GetItemLabel(); };

    // "設定しない" cleared, then a new year: two steps.
    bar.BaseYearOff()->SetValue(false);
    wxCommandEvent click(wxEVT_CHECKBOX, Id::BarBaseYearOff);
    click.SetEventObject(bar.BaseYearOff());
    bar.BaseYearOff()->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(undoLabel(), ToWx("「基準年の表示・非表示」を元に戻す(&U)\tCtrl+Z"));
    bar.BaseYearText()->SetValue("1700");
    bar.ApplyBaseYear();
    EXPECT_EQ(Core().Settings().baseYear, 1700);
    EXPECT_EQ(undoLabel(), ToWx("「基準年の変更」を元に戻す(&U)\tCtrl+Z"));

    // Year-only through the display dialog.
    wxTEST_DIALOG(Command(Id::DisplaySettings), CDriveDialog<CDialogDisplaySet>([](CDialogDisplaySet& d) {
                      ChooseRadio(d, Id::DisplayYearOnly);
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(Core().Settings().yearOnly);
    EXPECT_TRUE(frame->YearOnly());
    EXPECT_EQ(undoLabel(), ToWx("「表示設定」を元に戻す(&U)\tCtrl+Z"));

    Undo();
    EXPECT_FALSE(Core().Settings().yearOnly);
    EXPECT_FALSE(frame->YearOnly());
    Undo();
    // The bar follows the document back.
    EXPECT_EQ(bar.BaseYearText()->GetValue(), ToWx(std::to_string(Core().Settings().baseYear)));
    Undo();
    EXPECT_FALSE(bar.BaseYearOff()->IsChecked() == Core().Settings().baseYearShown);
    EXPECT_EQ(Saved(), saved);
    Redo();
    Redo();
    EXPECT_EQ(Core().Settings().baseYear, 1700);
    EXPECT_TRUE(Core().Settings().baseYearShown);
}
