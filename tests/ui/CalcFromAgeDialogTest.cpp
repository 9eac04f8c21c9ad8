#include "dialogs/CDialogCalcFromAge.h"
#include "res/ids.h"

#include "DialogDriving.h"

#include <wx/uiaction.h>

TEST(CDialogCalcFromAge, CalculatesOnTheButtonAndOnOk) {
    CDialogCalcFromAge dlg(nullptr, "", "1980", false);
    EXPECT_EQ(dlg.GetTitle(), wxString::FromUTF8("年齢から生没年を計算する"));
    SetText(dlg, Id::CalcAge, "80");
    Click(dlg, Id::CalcRun);
    EXPECT_EQ(Text(dlg, Id::CalcBirth), "1900");
    EXPECT_EQ(dlg.GetReturnCode(), 0);

    SetCheck(dlg, Id::CalcKazoe, true);
    SetText(dlg, Id::CalcBirth, "");
    Click(dlg, wxID_OK);
    EXPECT_EQ(dlg.GetReturnCode(), wxID_OK);
    EXPECT_EQ(dlg.BirthText(), "1901");
    EXPECT_EQ(dlg.DeathText(), "1980");
    EXPECT_TRUE(dlg.Kazoe());
}

TEST(CDialogCalcFromAge, RefusalsKeepTheDialogOpen) {
    CDialogCalcFromAge dlg(nullptr, "-100", "", false);
    wxString text;
    wxTEST_DIALOG(Click(dlg, wxID_OK), CExpectMessage(wxID_OK, &text));
    EXPECT_EQ(text, wxString::FromUTF8("年齢を入れてください"));
    EXPECT_EQ(dlg.GetReturnCode(), 0);

    SetText(dlg, Id::CalcBirth, "2147483000");
    SetText(dlg, Id::CalcAge, "1000");
    wxTEST_DIALOG(Click(dlg, wxID_OK), CExpectMessage(wxID_OK, &text));
    EXPECT_TRUE(text.StartsWith(wxString::FromUTF8("計算結果の年が大きすぎるか"))) << text;
    EXPECT_EQ(Text(dlg, Id::CalcDeath), "");
    EXPECT_EQ(dlg.GetReturnCode(), 0);

    SetText(dlg, Id::CalcBirth, "-100");
    SetText(dlg, Id::CalcAge, "50");
    Click(dlg, wxID_OK);
    EXPECT_EQ(dlg.DeathText(), "-50");
}

TEST(CDialogCalcFromAge, AgeFieldTakesFiguresOnly) {
    SKIP_UNDER_WINE(kWineLosesInput);
    CDialogCalcFromAge dlg(nullptr, "1900", "", false);
    dlg.Show();
    auto& age = Control<wxTextCtrl>(dlg, Id::CalcAge);
    PrepareTyping(age);
    wxUIActionSimulator sim;
    sim.Text("8a-0");
    EXPECT_TRUE(WaitFor([&] { return age.GetValue().length() >= 2; }));
    EXPECT_EQ(age.GetValue(), "80");
    dlg.Hide();
}
