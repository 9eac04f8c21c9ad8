#include "app/SettingsCommands.h"
#include "dialogs/CDialogCategory.h"
#include "dialogs/CDialogCategoryTable.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"

#include "CFakeColorChooser.h"
#include "DialogDriving.h"

#include <wx/listctrl.h>
#include <wx/uiaction.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class CDialogCategoryTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vitachron-colorkind-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        doc = std::make_unique<CVitachronDoc>(host, profile, SharedFile());
        doc->AddObserver(host);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path SharedFile() const { return dir / "color.tbl"; }
    std::string SharedFileText() const {
        std::ifstream in(SharedFile(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    CCategoryTable& Table() { return doc->CategoryTable(); }

    static wxListCtrl& List(wxWindow& d) { return *Ctrl<wxListCtrl>(d, Id::CategoryList); }
    static wxString Cell(wxWindow& d, long row, int column) { return List(d).GetItemText(row, column); }
    static void Select(wxWindow& d, long row) {
        List(d).SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }

    // Adds through "追加..." with the given colour and name, answering the
    // sharing question.
    void AddCategory(CDialogCategoryTable& d, std::uint32_t color, const wxString& name, int shareAnswer) {
        chooser.Pick(color);
        wxString question;
        wxTEST_DIALOG(Click(d, Id::CategoryAdd), CDriveDialog<CDialogCategory>([&](CDialogCategory& p) {
                          Click(p, Id::CategoryColorChange);
                          EnterText(p, Id::CategoryName, name);
                          Click(p, wxID_OK);
                      }),
                      CExpectMessage(shareAnswer, &question));
        EXPECT_EQ(question, wxString::FromUTF8("他のデータでも使えるように登録しますか？"));
    }

    fs::path dir;
    CRecordingHost host;
    CMemoryProfile profile;
    std::unique_ptr<CVitachronDoc> doc;
    CFakeColorChooser chooser;
};

}  // namespace

TEST_F(CDialogCategoryTableTest, ListsEveryCategoryWithColourTextAndUnsetName) {
    Table().Add(0x804020, "家族", true);
    CDialogCategoryTable d(nullptr, Table(), 1, chooser);
    ASSERT_EQ(List(d).GetItemCount(), 2);
    EXPECT_EQ(Cell(d, 0, 0), wxString::FromUTF8("未設定"));
    EXPECT_EQ(Cell(d, 0, 1), "#ff0000");
    EXPECT_FALSE(List(d).IsItemChecked(0));
    EXPECT_EQ(Cell(d, 1, 0), wxString::FromUTF8("家族"));
    EXPECT_EQ(Cell(d, 1, 1), "#204080");
    EXPECT_TRUE(List(d).IsItemChecked(1));
    EXPECT_EQ(List(d).GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 1);
}

TEST_F(CDialogCategoryTableTest, AddingTheProposedValuesTwiceMakesOneRedCategoryNamedUnset) {
    CDialogCategoryTable d(nullptr, Table(), 0, chooser);
    d.Show();
    for (int attempt = 0; attempt < 2; ++attempt) {
        wxString question;
        wxTEST_DIALOG(Click(d, Id::CategoryAdd), CDriveDialog<CDialogCategory>([](CDialogCategory& p) {
                          EXPECT_EQ(TextOf(p, Id::CategoryName), wxString::FromUTF8("未設定"));
                          Click(p, wxID_OK);
                      }),
                      CExpectMessage(wxNO, &question));
    }
    // Separate from the unset category, whose name is empty.
    ASSERT_EQ(Table().Size(), 2u);
    EXPECT_EQ(Table().At(0)->name, "");
    EXPECT_EQ(Table().At(1)->name, "未設定");
    EXPECT_EQ(Table().At(1)->color, 255u);
    EXPECT_FALSE(Table().At(1)->shared);
    EXPECT_EQ(List(d).GetItemCount(), 2);
    EXPECT_EQ(Cell(d, 1, 1), "#ff0000");
    EXPECT_TRUE(d.TableChanged());
}

TEST_F(CDialogCategoryTableTest, CheckBoxesReachTheTableOnCloseButNotOnEsc) {
    SKIP_UNDER_WINE(kWineLosesInput);
    Table().Add(0x00FF00, "友人", false);
    bool closed = true;
    wxTEST_DIALOG(closed = EditCategories(nullptr, *doc, 0, chooser),
                  CDriveDialog<CDialogCategoryTable>([&](CDialogCategoryTable& d) {
                      List(d).CheckItem(1, true);
                      PrepareTyping(List(d));
                      wxUIActionSimulator().Char(WXK_ESCAPE);
                      EXPECT_TRUE(WaitFor([&] { return !d.IsShown(); }));
                  }));
    EXPECT_FALSE(closed);
    EXPECT_FALSE(Table().At(1)->shared);
    EXPECT_FALSE(fs::exists(SharedFile()));
    EXPECT_EQ(host.modifiedCalls, 0) << "nothing changed";

    wxTEST_DIALOG(closed = EditCategories(nullptr, *doc, 0, chooser),
                  CDriveDialog<CDialogCategoryTable>([&](CDialogCategoryTable& d) {
                      List(d).CheckItem(1, true);
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(closed);
    EXPECT_TRUE(Table().At(1)->shared);
    EXPECT_EQ(SharedFileText(), "65280,\x97\x46\x90\x6c\r\n");  // code page 932
    EXPECT_TRUE(host.modified);
}

TEST_F(CDialogCategoryTableTest, TheCloseBoxCancelsLikeEsc) {
    CDialogCategoryTable d(nullptr, Table(), 0, chooser);
    d.Show();
    List(d).CheckItem(0, true);
    d.Close();
    EXPECT_FALSE(d.IsShown());
    EXPECT_EQ(d.GetReturnCode(), wxID_CANCEL);
    EXPECT_FALSE(Table().At(0)->shared);
}

TEST_F(CDialogCategoryTableTest, ASharedCategorySurvivesIntoANewDocumentOnlyAfterClose) {
    SKIP_UNDER_WINE(kWineLosesInput);
    // Added and shared, but the dialog is left with Esc: the table has it,
    // the file does not.
    wxTEST_DIALOG(EditCategories(nullptr, *doc, 0, chooser), CDriveDialog<CDialogCategoryTable>([&](CDialogCategoryTable& d) {
                      AddCategory(d, 0xC08000, wxString::FromUTF8("家族"), wxYES);
                      EXPECT_EQ(List(d).GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 1);
                      PrepareTyping(List(d));
                      wxUIActionSimulator().Char(WXK_ESCAPE);
                      EXPECT_TRUE(WaitFor([&] { return !d.IsShown(); }));
                  }));
    EXPECT_EQ(Table().IndexOf(0xC08000, "家族"), 1);
    EXPECT_TRUE(Table().At(1)->shared);
    EXPECT_FALSE(fs::exists(SharedFile()));
    EXPECT_TRUE(host.modified) << "the table is part of the document";
    {
        CVitachronDoc fresh(host, profile, SharedFile());
        CWatch watch_fresh{fresh, host};
        EXPECT_EQ(fresh.CategoryTable().IndexOfName("家族"), -1);
    }

    wxTEST_DIALOG(EditCategories(nullptr, *doc, 1, chooser),
                  CDriveDialog<CDialogCategoryTable>([&](CDialogCategoryTable& d) { Click(d, wxID_OK); }));
    EXPECT_EQ(SharedFileText(), "12615680,\x89\xC6\x91\xB0\r\n");  // code page 932

    CVitachronDoc fresh(host, profile, SharedFile());

    CWatch watch_fresh{fresh, host};
    ASSERT_EQ(fresh.CategoryTable().Size(), 2u);
    EXPECT_EQ(fresh.CategoryTable().At(0)->name, "家族");
    EXPECT_EQ(fresh.CategoryTable().At(0)->color, 0xC08000u);
    EXPECT_TRUE(fresh.CategoryTable().At(0)->shared);
    EXPECT_EQ(fresh.DefaultCategory(), fresh.CategoryTable().At(1));
}

TEST_F(CDialogCategoryTableTest, RenamingInPlaceToEmptyShowsUnsetAndSynchronisesTheBoxes) {
    SKIP_UNDER_WINE(kWineLosesInput);
    Table().Add(0x00FF00, "友人", false);
    CDialogCategoryTable d(nullptr, Table(), 1, chooser);
    d.Show();
    List(d).CheckItem(0, true);  // renaming is one of the moments the boxes count

    wxTextCtrl* edit = List(d).EditLabel(1);
    ASSERT_NE(edit, nullptr);
    edit->SetValue("");
    List(d).EndEditLabel(false);
    wxYield();

    EXPECT_EQ(Table().At(1)->name, "");
    EXPECT_EQ(Table().At(1)->color, 0x00FF00u);
    EXPECT_EQ(Cell(d, 1, 0), wxString::FromUTF8("未設定"));
    EXPECT_TRUE(Table().At(0)->shared);
    EXPECT_TRUE(List(d).IsItemChecked(0));

    // A cancelled edit keeps the name.
    edit = List(d).EditLabel(0);
    ASSERT_NE(edit, nullptr);
    edit->SetValue("x");
    List(d).EndEditLabel(true);
    wxYield();
    EXPECT_EQ(Table().At(0)->name, "");
}

TEST_F(CDialogCategoryTableTest, ChangingMayMakeTwoEqualCategoriesAndNeedsASelectedRow) {
    Table().Add(0x00FF00, "友人", false);
    Table().Add(0x0000FF, "敵", false);
    CDialogCategoryTable d(nullptr, Table(), -1, chooser);
    d.Show();

    Click(d, Id::CategoryChange);  // no row selected: no dialog opens
    EXPECT_TRUE(chooser.requests.empty());

    // Double-clicking a row changes it too.
    chooser.Pick(0x0000FF);
    List(d).CheckItem(2, true);
    wxTEST_DIALOG(
        {
            wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, Id::CategoryList);
            activated.SetEventObject(&List(d));
            activated.m_itemIndex = 1;
            List(d).ProcessWindowEvent(activated);
        },
        CDriveDialog<CDialogCategory>([](CDialogCategory& p) {
            EXPECT_EQ(TextOf(p, Id::CategoryName), wxString::FromUTF8("友人"));
            Click(p, Id::CategoryColorChange);
            EnterText(p, Id::CategoryName, wxString::FromUTF8("敵"));
            Click(p, wxID_OK);
        }));
    EXPECT_EQ(chooser.requests.at(0).initial, 0x00FF00u);
    ASSERT_EQ(Table().Size(), 3u);
    EXPECT_EQ(Table().At(1)->name, "敵");
    EXPECT_EQ(Table().At(1)->color, 0x0000FFu);
    EXPECT_TRUE(Table().At(2)->shared) << "changing synchronises the boxes first";
    EXPECT_EQ(Cell(d, 1, 0), Cell(d, 2, 0));

    // The button acts on the selected row; a cancelled change leaves it.
    Select(d, 0);
    wxTEST_DIALOG(Click(d, Id::CategoryChange),
                  CDriveDialog<CDialogCategory>([](CDialogCategory& p) {
                      // Accepting the shown "未設定" stores that text as the name.
                      Click(p, wxID_OK);
                  }));
    EXPECT_EQ(Table().At(0)->name, "未設定");
}

TEST(CDialogCategory, RefusesAnEmptyNameAndKeepsTheColourChosen) {
    CFakeColorChooser chooser;
    CDialogCategory p(nullptr, 0x123456, "家族", chooser);
    p.Show();
    chooser.Cancel();
    Click(p, Id::CategoryColorChange);
    EXPECT_EQ(p.Color(), 0x123456u);

    EnterText(p, Id::CategoryName, "");
    wxString text;
    wxTEST_DIALOG(Click(p, wxID_OK), CExpectMessage(wxOK, &text));
    EXPECT_EQ(text, wxString::FromUTF8("分類名を入力してください"));
    EXPECT_TRUE(p.IsShown());

    chooser.Pick(0x654321);
    Click(p, Id::CategoryColorChange);
    EnterText(p, Id::CategoryName, wxString::FromUTF8("親戚"));
    Click(p, wxID_OK);
    EXPECT_FALSE(p.IsShown());
    EXPECT_EQ(p.GetReturnCode(), wxID_OK);
    EXPECT_EQ(p.Name(), "親戚");
    EXPECT_EQ(p.Color(), 0x654321u);
}

TEST_F(CDialogCategoryTableTest, AColorTblThatCannotBeWrittenIsReported) {
    const fs::path blocker = dir / "not-a-folder";
    std::ofstream(blocker) << "x";
    CVitachronDoc blocked(host, profile, blocker / "color.tbl");
    CWatch watch_blocked{blocked, host};
    wxString text;
    bool closed = false;
    wxTEST_DIALOG(closed = EditCategories(nullptr, blocked, 0, chooser),
                  CDriveDialog<CDialogCategoryTable>([&](CDialogCategoryTable& d) {
                      List(d).CheckItem(0, true);
                      Click(d, wxID_OK);
                  }),
                  CExpectMessage(wxOK, &text));
    EXPECT_TRUE(closed);
    EXPECT_TRUE(text.StartsWith(wxString::FromUTF8("共有する分類をcolor.tblに保存できませんでした。")));
    EXPECT_TRUE(blocked.CategoryTable().At(0)->shared) << "the table keeps the change";
}
