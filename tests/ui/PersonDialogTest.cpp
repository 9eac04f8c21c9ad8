#include "dialogs/CColorStatic.h"
#include "dialogs/CDialogCalcFromAge.h"
#include "dialogs/CDialogPerson.h"
#include "model/CDirectPeopleEditor.h"
#include "model/CEditSession.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"

#include "DialogDriving.h"

#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/stattext.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include <filesystem>

namespace {

const wxString kBirthMissing = wxString::FromUTF8(
    "生年が設定されていません。\r\n生年が不明な場合は「？マークを付ける」のチェックボックスにチェックを入れてください");

class PersonDialogTest : public ::testing::Test {
protected:
    PersonDialogTest() { warlord = doc.CategoryTable().Add(0x00FF00, "武将", false); }

    CPerson& AddPerson(const char* name, CScaleYear birth, CScaleYear death) {
        auto p = std::make_unique<CPerson>();
        p->name = name;
        p->SetBirth(birth);
        p->SetDeath(death);
        p->category = doc.DefaultCategory();
        CPerson& ref = *p;
        doc.AppendPerson(std::move(p));
        doc.Sort();
        return ref;
    }

    // Types a person and presses OK, expecting one message; returns its text.
    static wxString OkRefused(CDialogPerson& dlg) {
        wxString text;
        wxTEST_DIALOG(Click(dlg, wxID_OK), CExpectMessage(wxID_OK, &text));
        return text;
    }

    static void Type(CDialogPerson& dlg, const char* name, const char* birth, const char* death) {
        SetText(dlg, Id::PersonName, wxString::FromUTF8(name));
        SetText(dlg, Id::PersonBirth, wxString::FromUTF8(birth));
        SetText(dlg, Id::PersonDeath, wxString::FromUTF8(death));
    }

    static void Choose(CDialogPerson& dlg, int category) {
        auto& choice = Control<wxChoice>(dlg, Id::PersonCategory);
        choice.SetSelection(category);
        wxCommandEvent event(wxEVT_CHOICE, Id::PersonCategory);
        event.SetEventObject(&choice);
        event.SetInt(category);
        choice.HandleWindowEvent(event);
    }

    CRecordingHost host;
    CEditSession session;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
    CDirectPeopleEditor editor{doc};
    CCategory* warlord = nullptr;
};

}  // namespace

TEST_F(PersonDialogTest, ControlsCarryTheirIdsTextsAndInputKinds) {
    CDialogPerson add(nullptr, doc, editor, session, nullptr);
    EXPECT_EQ(add.GetTitle(), wxString::FromUTF8("人物情報"));
    EXPECT_EQ(Control<wxButton>(add, wxID_OK).GetLabel(), wxString::FromUTF8("設定(&S)"));
    EXPECT_EQ(Control<wxButton>(add, wxID_CANCEL).GetLabel(), wxString::FromUTF8("閉じる(&C)"));
    EXPECT_FALSE(Control<wxButton>(add, Id::PersonCategoryEdit).IsEnabled());
    EXPECT_EQ(Control<wxCheckBox>(add, Id::PersonBirthUncertain).GetLabel(), wxString::FromUTF8("？マークを付ける"));
    EXPECT_EQ(Control<wxCheckBox>(add, Id::PersonAgeUncertain).GetLabel(), wxString::FromUTF8("?マークを付ける"));
    EXPECT_EQ(Control<wxButton>(add, Id::PersonCalcFromAge).GetToolTipText(),
              wxString::FromUTF8("年齢と生年、または年齢と没年だけがわかっているときに、空欄を計算して埋めます"));
    EXPECT_EQ(Control<wxTextCtrl>(add, Id::PersonDeath).GetToolTipText(),
              wxString::FromUTF8("没年を入力します。生存者の場合は、空欄にします。月日を入れる場合は1234/2/4のように入力します"));
    for (const int id : {Id::PersonReading, Id::PersonNote}) {
        EXPECT_NO_THROW(Control<wxTextCtrl>(add, id));
    }
    for (const int id : {Id::PersonDeathUncertain, Id::PersonKazoe, Id::PersonHideBirth, Id::PersonHideDeath,
                         Id::PersonHideAge}) {
        EXPECT_NO_THROW(Control<wxCheckBox>(add, id));
    }
    EXPECT_NO_THROW(Control<CColorStatic>(add, Id::PersonCategorySwatch));
#ifdef __WXGTK__
    const auto purpose = [&](int id) { return gtk_entry_get_input_purpose(GTK_ENTRY(add.FindWindow(id)->GetHandle())); };
    EXPECT_EQ(purpose(Id::PersonName), GTK_INPUT_PURPOSE_FREE_FORM);
    EXPECT_EQ(purpose(Id::PersonBirth), GTK_INPUT_PURPOSE_NUMBER);
    EXPECT_EQ(purpose(Id::PersonDeath), GTK_INPUT_PURPOSE_NUMBER);
#endif

    CPerson& p = AddPerson("織田信長", CScaleYear(1534), CScaleYear(1582));
    CDialogPerson modify(nullptr, doc, editor, session, &p);
    EXPECT_EQ(Control<wxButton>(modify, wxID_OK).GetLabel(), "OK");
    EXPECT_EQ(Control<wxButton>(modify, wxID_CANCEL).GetLabel(), wxString::FromUTF8("ｷｬﾝｾﾙ"));
    EXPECT_EQ(Text(modify, Id::PersonName), wxString::FromUTF8("織田信長"));
    EXPECT_EQ(Text(modify, Id::PersonBirth), "1534");
}

TEST_F(PersonDialogTest, AddModeTakesThreeInARowKeepingKazoeHideFlagsAndCategory) {
    CDialogPerson dlg(nullptr, doc, editor, session, nullptr);
    auto& choice = Control<wxChoice>(dlg, Id::PersonCategory);
    ASSERT_EQ(choice.GetCount(), 2u);
    EXPECT_EQ(choice.GetString(0), wxString::FromUTF8("未設定"));
    EXPECT_EQ(Control<CColorStatic>(dlg, Id::PersonCategorySwatch).GetColor(), 255u);
    Choose(dlg, 1);
    EXPECT_EQ(Control<CColorStatic>(dlg, Id::PersonCategorySwatch).GetColor(), 0x00FF00u);
    SetCheck(dlg, Id::PersonKazoe, true);
    SetCheck(dlg, Id::PersonHideBirth, true);

    Type(dlg, "一", "？", "1900");
    SetCheck(dlg, Id::PersonAgeUncertain, true);
    Click(dlg, wxID_OK);
    ASSERT_EQ(doc.People().size(), 1u);
    EXPECT_TRUE(doc.People()[0]->birth.IsUnknown());
    EXPECT_TRUE(doc.People()[0]->birthUncertain);
    EXPECT_TRUE(doc.People()[0]->ageUncertain);

    EXPECT_EQ(Text(dlg, Id::PersonName), "");
    EXPECT_EQ(Text(dlg, Id::PersonDeath), "");
    EXPECT_FALSE(Checked(dlg, Id::PersonBirthUncertain));
    EXPECT_FALSE(Checked(dlg, Id::PersonAgeUncertain));
    EXPECT_TRUE(Checked(dlg, Id::PersonKazoe));
    EXPECT_TRUE(Checked(dlg, Id::PersonHideBirth));
    EXPECT_EQ(choice.GetSelection(), 1);

    Type(dlg, "二", "500", "500");
    Click(dlg, wxID_OK);
    Type(dlg, "三", "500/2/31", "");
    Click(dlg, wxID_OK);
    ASSERT_EQ(doc.People().size(), 3u);
    for (const auto& [i, name] : {std::pair{0, "一"}, std::pair{1, "二"}, std::pair{2, "三"}}) {
        const CPerson& p = *doc.People()[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.name, name);
        EXPECT_TRUE(p.kazoe && p.hideBirth);
        EXPECT_EQ(p.category, warlord);
    }
    EXPECT_FALSE(doc.People()[1]->ageUncertain);
    EXPECT_EQ(doc.People()[2]->birthDay, 31);
    EXPECT_EQ(host.updates, 3);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(dlg.GetReturnCode(), 0) << "the dialog stays open between entries";
}

TEST_F(PersonDialogTest, RefusedEntriesShowTheirMessageAndAddNothing) {
    CDialogPerson dlg(nullptr, doc, editor, session, nullptr);
    EXPECT_EQ(OkRefused(dlg), wxString::FromUTF8("名前が入力されていません"));
    for (const auto& [birth, death, message] :
         {std::tuple{"500/13", "", "月日の設定が間違っています"},
          std::tuple{"12345678901234", "", "生年数値が大きするか、小さすぎます"},
          std::tuple{"5234567890123", "", "生年数値が大きするか、小さすぎます"},
          std::tuple{"", "1900", ""},
          std::tuple{"1800", "1700", "没年の方が生年よりも早い年となっています"}}) {
        Type(dlg, "名", birth, death);
        const wxString expected = *message != '\0' ? wxString::FromUTF8(message) : kBirthMissing;
        EXPECT_EQ(OkRefused(dlg), expected) << birth << " / " << death;
        EXPECT_EQ(Text(dlg, Id::PersonBirth), wxString::FromUTF8(birth)) << "what was typed stays";
    }
    EXPECT_TRUE(doc.People().empty());
    EXPECT_EQ(host.updates, 0);

    Type(dlg, "名", "1234567890123", "");
    Click(dlg, wxID_OK);
    ASSERT_EQ(doc.People().size(), 1u);
    EXPECT_TRUE(doc.People()[0]->birth.SameFields(CScaleYear(1234567890, 1000)));
}

TEST_F(PersonDialogTest, YearZeroQuestionAnsweredNoKeepsTheEntryAndYesAddsIt) {
    CDialogPerson dlg(nullptr, doc, editor, session, nullptr);
    Type(dlg, "零", "0", "");
    wxString question;
    wxTEST_DIALOG(Click(dlg, wxID_OK), CExpectMessage(wxID_NO, &question));
    EXPECT_EQ(question, wxString::FromUTF8("西暦0年は存在しませんが、このまま入力しますか？"));
    EXPECT_TRUE(doc.People().empty());
    EXPECT_EQ(Text(dlg, Id::PersonName), wxString::FromUTF8("零"));

    wxTEST_DIALOG(Click(dlg, wxID_OK), CExpectMessage(wxID_YES, &question));
    ASSERT_EQ(doc.People().size(), 1u);
    EXPECT_TRUE(doc.People()[0]->birth.SameFields(CScaleYear(0, 1)));
}

TEST_F(PersonDialogTest, ClosingAsksAboutATypedNameAndNoAddsNothing) {
    {
        CDialogPerson dlg(nullptr, doc, editor, session, nullptr);
        Type(dlg, "未登録", "1900", "");
        wxString question;
        // The close box takes the way of the cancel button (a hidden dialog ignores it).
        dlg.Show();
        wxTEST_DIALOG(dlg.Close(), CExpectMessage(wxID_NO, &question));
        EXPECT_FALSE(dlg.IsShown());
        EXPECT_EQ(question, wxString::FromUTF8("データを設定してから閉じますか？"));
        EXPECT_EQ(dlg.GetReturnCode(), wxID_CANCEL);
        EXPECT_TRUE(doc.People().empty());
    }
    {
        CDialogPerson dlg(nullptr, doc, editor, session, nullptr);
        Type(dlg, "登録", "1900", "1800");
        wxString question, refusal;
        wxTEST_DIALOG(Click(dlg, wxID_CANCEL), CExpectMessage(wxID_YES, &question), CExpectMessage(wxID_OK, &refusal));
        EXPECT_EQ(dlg.GetReturnCode(), 0) << "a refused entry keeps the dialog open";
        SetText(dlg, Id::PersonDeath, "1950");
        wxTEST_DIALOG(Click(dlg, wxID_CANCEL), CExpectMessage(wxID_YES, &question));
        EXPECT_EQ(dlg.GetReturnCode(), wxID_CANCEL);
        ASSERT_EQ(doc.People().size(), 1u);
    }
    CDialogPerson empty(nullptr, doc, editor, session, nullptr);
    Click(empty, wxID_CANCEL);  // nothing typed: no question
    EXPECT_EQ(empty.GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(doc.People().size(), 1u);
}

TEST_F(PersonDialogTest, ModifyModeWritesTheRecordOnlyWhenEveryCheckPasses) {
    CPerson& p = AddPerson("不詳", CScaleYear::Unknown(), CScaleYear(1900));
    p.birthUncertain = true;
    const std::string before = doc.SaveToBytes();
    CDialogPerson dlg(nullptr, doc, editor, session, &p);
    EXPECT_TRUE(Checked(dlg, Id::PersonHideAge)) << "no birth, no age";
    EXPECT_TRUE(Checked(dlg, Id::PersonBirthUncertain));
    EXPECT_EQ(Text(dlg, Id::PersonBirth), "");

    // The birth passes its checks, the death fails its own.
    SetText(dlg, Id::PersonName, wxString::FromUTF8("改名"));
    SetText(dlg, Id::PersonBirth, "1850");
    SetText(dlg, Id::PersonDeath, "1900/13");
    EXPECT_EQ(OkRefused(dlg), wxString::FromUTF8("月日の設定が間違っています"));
    EXPECT_EQ(doc.SaveToBytes(), before);
    EXPECT_EQ(host.updates, 0);

    SetText(dlg, Id::PersonDeath, "1900/12");
    SetCheck(dlg, Id::PersonHideAge, false);
    Click(dlg, wxID_OK);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    ASSERT_EQ(doc.People()[0].get(), &p);
    EXPECT_EQ(p.name, "改名");
    EXPECT_TRUE(p.birth.SameFields(CScaleYear(1850)));
    EXPECT_EQ(p.deathMonth, 12);
    EXPECT_FALSE(p.hideAge);
    EXPECT_EQ(host.updates, 1);
    EXPECT_TRUE(host.modified);
}

TEST_F(PersonDialogTest, AgeCalculationFillsTheYearAndRemembersTheKazoeChoice) {
    CDialogPerson dlg(nullptr, doc, editor, session, nullptr);
    wxString text;
    wxTEST_DIALOG(Click(dlg, Id::PersonCalcFromAge), CExpectMessage(wxID_OK, &text));
    EXPECT_EQ(text, wxString::FromUTF8("生年または没年を入れてください"));

    Type(dlg, "計算", "1900/5/3", "");
    wxTEST_DIALOG(Click(dlg, Id::PersonCalcFromAge), CDriveModal<CDialogCalcFromAge>([](CDialogCalcFromAge& calc) {
                      EXPECT_EQ(Text(calc, Id::CalcBirth), "1900/5/3");
                      EXPECT_FALSE(Checked(calc, Id::CalcKazoe));
                      SetText(calc, Id::CalcAge, "80");
                      SetCheck(calc, Id::CalcKazoe, true);
                      Click(calc, wxID_OK);
                      return calc.GetReturnCode();
                  }));
    EXPECT_EQ(Text(dlg, Id::PersonBirth), "1900/5/3");
    EXPECT_EQ(Text(dlg, Id::PersonDeath), "1979");
    EXPECT_TRUE(Checked(dlg, Id::PersonKazoe));
    EXPECT_TRUE(session.LastKazoeChoice());
    EXPECT_TRUE(doc.People().empty()) << "nothing is stored before OK";

    // A cancelled calculation changes nothing.
    wxTEST_DIALOG(Click(dlg, Id::PersonCalcFromAge), CDriveModal<CDialogCalcFromAge>([](CDialogCalcFromAge& calc) {
                      SetText(calc, Id::CalcAge, "5");
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(Text(dlg, Id::PersonDeath), "1979");

    CDialogPerson next(nullptr, doc, editor, session, nullptr);
    EXPECT_TRUE(Checked(next, Id::PersonKazoe)) << "a new entry starts from the last choice";
}

TEST_F(PersonDialogTest, CategoryButtonOpensTheEditorAndRefillsTheList) {
    const std::filesystem::path table = std::filesystem::path(wxFileName::CreateTempFileName("vtc").utf8_string());
    CVitachronDoc shared(host, profile, table);
    CWatch watch_shared{shared, host};
    CDirectPeopleEditor sharedEditor(shared);
    CDialogPerson dlg(nullptr, shared, sharedEditor, session, nullptr);
    SetText(dlg, Id::PersonName, wxString::FromUTF8("途中"));

    int asked = -2;
    bool answer = false;
    dlg.SetCategoryEditor([&](wxWindow*, int selection) {
        asked = selection;
        shared.CategoryTable().Add(0xFF0000, "文人", true);
        return answer;
    });
    Click(dlg, Id::PersonCategoryEdit);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(Control<wxChoice>(dlg, Id::PersonCategory).GetCount(), 1u) << "not closed with its close button";

    answer = true;
    Click(dlg, Id::PersonCategoryEdit);
    auto& choice = Control<wxChoice>(dlg, Id::PersonCategory);
    ASSERT_EQ(choice.GetCount(), 2u);
    EXPECT_EQ(choice.GetString(1), wxString::FromUTF8("文人"));
    EXPECT_EQ(choice.GetSelection(), 0);
    EXPECT_EQ(Text(dlg, Id::PersonName), wxString::FromUTF8("途中")) << "typing survives";
    CCategoryTable reread;
    reread.LoadShared(table);
    EXPECT_GE(reread.IndexOfName("文人"), 0) << "shared categories are written to the table file";
    std::filesystem::remove(table);
}

TEST_F(PersonDialogTest, WindowRectangleIsHandedInAndBackAtOk) {
    const CRectI rect{120, 90, 620, 760};
    session.SetPersonDialogRect(rect);
    CRectI atOk;
    wxTEST_DIALOG(CDialogPerson::RunModal(nullptr, doc, editor, session, nullptr), CDriveModal<CDialogPerson>([&](CDialogPerson& d) {
                      const wxRect r = d.GetScreenRect();
                      EXPECT_EQ(r, wxRect(120, 90, 500, 670));
                      d.SetSize(200, 150, 520, 680);
                      Type(d, "位置", "1900", "");
                      Click(d, wxID_OK);
                      atOk = d.WindowRect();
                      d.SetSize(0, 0, 530, 690);  // moved after OK: not remembered
                      Click(d, wxID_CANCEL);
                      return d.GetReturnCode();
                  }));
    EXPECT_EQ(atOk, (CRectI{200, 150, 720, 830}));
    EXPECT_EQ(session.PersonDialogRect(), atOk);

    // Closing without an OK hands back what came in.
    session.SetPersonDialogRect(CRectI{});
    wxTEST_DIALOG(CDialogPerson::RunModal(nullptr, doc, editor, session, nullptr), CDriveModal<CDialogPerson>([](CDialogPerson& d) {
                      Click(d, wxID_CANCEL);
                      return d.GetReturnCode();
                  }));
    EXPECT_TRUE(session.PersonDialogRect().IsEmpty());
}
