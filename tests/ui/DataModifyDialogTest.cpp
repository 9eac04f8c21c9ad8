#include "dialogs/CDialogDataModify.h"
#include "dialogs/CDialogPerson.h"
#include "model/CDirectPeopleEditor.h"
#include "model/CEditSession.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"

#include "DialogDriving.h"

#include <wx/listctrl.h>

namespace {

class DataModifyDialogTest : public ::testing::Test {
protected:
    DataModifyDialogTest() {
        for (const auto& [name, birth, death] : {std::tuple{"甲", CScaleYear(1900), CScaleYear(1950)},
                                                 std::tuple{"乙", CScaleYear(1234567890, 1000), CScaleYear::Unknown()},
                                                 std::tuple{"丙", CScaleYear::Unknown(), CScaleYear(1800)}}) {
            auto p = std::make_unique<CPerson>();
            p->name = name;
            p->SetBirth(birth);
            p->SetDeath(death);
            p->category = doc.DefaultCategory();
            doc.AppendPerson(std::move(p));
        }
        doc.Sort();
    }

    static wxListCtrl& List(wxWindow& dlg) { return Control<wxListCtrl>(dlg, Id::DataList); }
    static wxString Cell(wxWindow& dlg, long row, int column) { return List(dlg).GetItemText(row, column); }
    static void Select(wxWindow& dlg, long row) {
        List(dlg).SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
    static long Selected(wxWindow& dlg) { return List(dlg).GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }
    std::string Stored() const {
        std::string s;
        for (const auto& p : doc.People()) {
            s += p->name;
        }
        return s;
    }

    CRecordingHost host;
    CEditSession session;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
    CDirectPeopleEditor editor{doc};
};

}  // namespace

TEST_F(DataModifyDialogTest, ListsPeopleInStoredOrderWithTheirYears) {
    doc.Settings().sortOrder = 1;
    doc.Sort();
    CDialogDataModify dlg(nullptr, doc, editor, session);
    EXPECT_EQ(dlg.GetTitle(), wxString::FromUTF8("データの編集"));
    wxListItem header;
    header.SetMask(wxLIST_MASK_TEXT);
    ASSERT_EQ(List(dlg).GetColumnCount(), 3);
    for (const auto& [column, text] : {std::pair{0, "名前"}, std::pair{1, "生年"}, std::pair{2, "没年"}}) {
        List(dlg).GetColumn(column, header);
        EXPECT_EQ(header.GetText(), wxString::FromUTF8(text));
    }
    EXPECT_EQ(List(dlg).GetColumnWidth(0), dlg.FromDIP(100));
    EXPECT_GE(List(dlg).GetColumnWidth(1), dlg.FromDIP(50));
    EXPECT_GT(List(dlg).GetColumnWidth(2), List(dlg).GetTextExtent(wxString::FromUTF8("設定なし")).x)
        << "the year column holds its longest text";

    ASSERT_EQ(List(dlg).GetItemCount(), 3);
    const char* expected[3][3] = {{"甲", "1900", "1950"}, {"乙", "1234567890000", "設定なし"}, {"丙", "設定なし", "1800"}};
    for (long row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            EXPECT_EQ(Cell(dlg, row, column), wxString::FromUTF8(expected[row][column])) << row << "," << column;
        }
    }
    // Every year shows whole: the columns widen past their longest text and
    // the margins the list keeps around it.
    for (int column = 1; column < 3; ++column) {
        int widest = 0;
        for (long row = 0; row < 3; ++row) {
            widest = std::max(widest, List(dlg).GetTextExtent(Cell(dlg, row, column)).x);
        }
        EXPECT_GE(List(dlg).GetColumnWidth(column), widest + 8) << column;
    }
    // ... and the list widens with them, so that none stands beyond its edge.
    const int columns = List(dlg).GetColumnWidth(0) + List(dlg).GetColumnWidth(1) + List(dlg).GetColumnWidth(2);
    EXPECT_GE(List(dlg).GetClientSize().x, columns);
}

TEST_F(DataModifyDialogTest, MovesKeepTheSelectionAndStopAtTheEnds) {
    CDialogDataModify dlg(nullptr, doc, editor, session);
    Select(dlg, 0);
    Click(dlg, Id::DataMoveUp);
    Select(dlg, 2);
    Click(dlg, Id::DataMoveDown);
    EXPECT_EQ(Stored(), "甲乙丙");
    EXPECT_EQ(host.updates, 0);

    Select(dlg, 0);
    Click(dlg, Id::DataMoveDown);
    EXPECT_EQ(Stored(), "乙甲丙");
    EXPECT_EQ(Cell(dlg, 1, 0), wxString::FromUTF8("甲"));
    EXPECT_EQ(Selected(dlg), 1);
    EXPECT_EQ(doc.DisplayOrder()[1]->name, "甲") << "unsorted views show the new order";
    EXPECT_EQ(host.updates, 1);
    EXPECT_TRUE(host.modified);

    Click(dlg, Id::DataMoveUp);
    Click(dlg, Id::DataMoveUp);
    EXPECT_EQ(Stored(), "甲乙丙");
    EXPECT_EQ(Selected(dlg), 0);
}

TEST_F(DataModifyDialogTest, DeleteAsksFirstAndNothingIsLeftToDoOnAnEmptyList) {
    CDialogDataModify dlg(nullptr, doc, editor, session);
    Click(dlg, Id::DataDelete);  // no selection: no question
    Select(dlg, 1);
    wxString question;
    wxTEST_DIALOG(Click(dlg, Id::DataDelete), CExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, wxString::FromUTF8("選択したデータを削除しますか？"));
    EXPECT_EQ(Stored(), "甲乙丙");

    for (const long row : {1L, 0L, 0L}) {
        Select(dlg, row);
        wxTEST_DIALOG(Click(dlg, Id::DataDelete), CExpectMessage(wxID_YES, &question));
    }
    EXPECT_EQ(Stored(), "");
    EXPECT_EQ(List(dlg).GetItemCount(), 0);
    EXPECT_TRUE(doc.DisplayOrder().empty());
    for (const int id : {Id::DataDelete, Id::DataMoveUp, Id::DataMoveDown}) {
        Click(dlg, id);
    }
}

TEST_F(DataModifyDialogTest, DoubleClickChangesThePersonAndTheListShowsIt) {
    session.SetPersonDialogRect(CRectI{50, 60, 550, 760});
    CDialogDataModify dlg(nullptr, doc, editor, session);
    Select(dlg, 0);
    wxListEvent activate(wxEVT_LIST_ITEM_ACTIVATED, Id::DataList);
    activate.SetEventObject(&List(dlg));
    activate.m_itemIndex = 0;
    wxTEST_DIALOG(List(dlg).HandleWindowEvent(activate), CDriveModal<CDialogPerson>([](CDialogPerson& person) {
                      EXPECT_FALSE(person.IsAddMode());
                      EXPECT_EQ(Text(person, Id::PersonName), wxString::FromUTF8("甲"));
                      SetText(person, Id::PersonDeath, "1960");
                      person.SetSize(70, 80, 520, 700);
                      Click(person, wxID_OK);
                      return person.GetReturnCode();
                  }));
    EXPECT_EQ(Cell(dlg, 0, 2), "1960");
    EXPECT_TRUE(doc.People()[0]->death.SameFields(CScaleYear(1960)));
    EXPECT_EQ(session.PersonDialogRect(), (CRectI{70, 80, 590, 780}));
    EXPECT_EQ(host.updates, 1);
}

TEST_F(DataModifyDialogTest, ClosingLeavesTheDocumentSortedAndModifiedEvenUnchanged) {
    doc.Settings().sortOrder = 4;  // birth latest: the unknown birth of 丙 counts as the latest
    doc.SetCurrentIndex(2);
    wxTEST_DIALOG(CDialogDataModify::RunModal(nullptr, doc, editor, session), CDriveModal<CDialogDataModify>([&](CDialogDataModify&) {
                      EXPECT_EQ(doc.CurrentIndex(), -1);
                      return wxID_OK;
                  }));
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(doc.DisplayOrder().front()->name, "丙");
    EXPECT_EQ(doc.DisplayOrder().back()->name, "甲");
}
