#include "app/SettingsCommands.h"
#include "dialogs/CDialogBaseYear.h"
#include "dialogs/CDialogBaseYearColor.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"

#include "CColorStaticProbe.h"
#include "CFakeColorChooser.h"
#include "DialogDriving.h"

#include <wx/uiaction.h>

#include <gtest/gtest.h>

namespace {

class CDialogBaseYearTest : public ::testing::Test {
protected:
    CDocSettings& S() { return doc.Settings(); }
    std::uint32_t CustomInProfile(int slot) const { return static_cast<std::uint32_t>(profile.GetInt("Color", "Custom" + std::to_string(slot), -7)); }

    CRecordingHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
    CFakeColorChooser chooser;
};

}  // namespace

TEST_F(CDialogBaseYearTest, ANewDocumentShowsYearOneSwitchedOffAndTypingSwitchesItOn) {
    SKIP_UNDER_WINE(kWineLosesInput);
    CDialogBaseYear d(nullptr, doc, CBaseYearValues::Of(S()), chooser);
    d.Show();
    EXPECT_EQ(TextOf(d, Id::BaseYearValue), "1");
    EXPECT_TRUE(IsChecked(d, Id::BaseYearOff));
    EXPECT_TRUE(IsChecked(d, Id::BaseYearBeforeBirth));
    EXPECT_TRUE(IsChecked(d, Id::BaseYearAfterDeath));
    EXPECT_TRUE(Ctrl<wxRadioButton>(d, Id::BaseYearFromBirth)->GetValue());
    EXPECT_TRUE(IsChecked(d, Id::BaseYearOnLine));
    EXPECT_FALSE(IsChecked(d, Id::BaseYearBesideAge));

    auto* year = Ctrl<wxTextCtrl>(d, Id::BaseYearValue);
    PrepareTyping(*year);
    year->SetInsertionPointEnd();
    wxUIActionSimulator().Char('9');
    EXPECT_TRUE(WaitFor([&] { return year->GetValue().length() >= 2; }));
    EXPECT_EQ(year->GetValue(), "19");
    EXPECT_FALSE(IsChecked(d, Id::BaseYearOff));
}

TEST_F(CDialogBaseYearTest, TheMemorialBoxIsEnabledOnlyWhileCountingFromTheDeath) {
    S().memorialCount = true;
    CDialogBaseYear d(nullptr, doc, CBaseYearValues::Of(S()), chooser);
    auto* memorial = Ctrl<wxCheckBox>(d, Id::BaseYearMemorial);
    EXPECT_FALSE(memorial->IsEnabled());
    ChooseRadio(d, Id::BaseYearFromDeath);
    EXPECT_TRUE(memorial->IsEnabled());
    SetCheck(d, Id::BaseYearMemorial, false);
    ChooseRadio(d, Id::BaseYearFromBirth);
    EXPECT_FALSE(memorial->IsEnabled());
    EXPECT_FALSE(memorial->GetValue()) << "the box keeps its state while disabled";

    S().countFromBirth = false;
    CDialogBaseYear fromDeath(nullptr, doc, CBaseYearValues::Of(S()), chooser);
    EXPECT_TRUE(Ctrl<wxCheckBox>(fromDeath, Id::BaseYearMemorial)->IsEnabled());
}

TEST_F(CDialogBaseYearTest, TheYearMustLieWithinTwoThousandMillion) {
    const CDocSettings before = S();
    bool ok = false;
    wxTEST_DIALOG(ok = RunBaseYearSettings(nullptr, doc, chooser),
                  CDriveDialog<CDialogBaseYear>([&](CDialogBaseYear& d) {
                      for (const char* refused : {"2000000001", "-2000000001", "12a", "", "3000000000"}) {
                          EnterText(d, Id::BaseYearValue, refused);
                          wxString text;
                          wxTEST_DIALOG(Click(d, wxID_OK), CExpectMessage(wxOK, &text));
                          EXPECT_EQ(text, wxString::FromUTF8("-2000000000から2000000000までの整数を入力してください。"))
                              << refused;
                          EXPECT_TRUE(d.IsShown()) << refused;
                      }
                      EXPECT_EQ(S(), before) << "nothing is written while the dialog stays open";
                      EnterText(d, Id::BaseYearValue, "-2000000000");
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    EXPECT_EQ(S().baseYear, -2000000000);
    EXPECT_TRUE(S().baseYearShown) << "typing the year switched the base year on";
    EXPECT_GE(host.updates, 1);
    EXPECT_TRUE(host.modified);
}

TEST_F(CDialogBaseYearTest, OkStoresEveryValueAndCancelNone) {
    const CDocSettings before = S();
    const auto changeEverything = [&](CDialogBaseYear& d) {
        EnterText(d, Id::BaseYearValue, "1868");
        SetCheck(d, Id::BaseYearOff, true);  // after typing: stays off
        SetCheck(d, Id::BaseYearBeforeBirth, false);
        SetCheck(d, Id::BaseYearAfterDeath, false);
        ChooseRadio(d, Id::BaseYearFromDeath);
        SetCheck(d, Id::BaseYearMemorial, true);
        chooser.Pick(0x00AA00);
        Click(d, Id::BaseYearColorChange);
        SetCheck(d, Id::BaseYearOnLine, false);
        SetCheck(d, Id::BaseYearBesideAge, true);
    };

    bool ok = true;
    wxTEST_DIALOG(ok = RunBaseYearSettings(nullptr, doc, chooser),
                  CDriveDialog<CDialogBaseYear>([&](CDialogBaseYear& d) {
                      changeEverything(d);
                      Click(d, wxID_CANCEL);
                  }));
    EXPECT_FALSE(ok);
    EXPECT_EQ(S(), before);
    EXPECT_EQ(host.modifiedCalls, 0);

    wxTEST_DIALOG(ok = RunBaseYearSettings(nullptr, doc, chooser),
                  CDriveDialog<CDialogBaseYear>([&](CDialogBaseYear& d) {
                      changeEverything(d);
                      EXPECT_EQ(SwatchColor(d, Id::BaseYearSwatch), 0x00AA00u);
                      EXPECT_EQ(S().basisColor, before.basisColor) << "the document waits for OK";
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    const CBaseYearValues expected{1868, false, false, false, false, true, 0x00AA00, false, true};
    EXPECT_EQ(CBaseYearValues::Of(S()), expected);
    EXPECT_EQ(S().ageColors, before.ageColors);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(chooser.requests.back().initial, before.basisColor);
    EXPECT_FALSE(chooser.requests.back().customColors) << "the base colour uses the chooser's own custom slots";
}

TEST_F(CDialogBaseYearTest, CancellingTheAgeColoursAfterTwoChangesRestoresBoth) {
    const auto before = S().ageColors;
    const auto customBefore = S().customColors;
    CDialogBaseYear d(nullptr, doc, CBaseYearValues::Of(S()), chooser);
    d.Show();
    chooser.PickEditingCustom(0x0000AA, 3, 0x123456);
    chooser.Pick(0x00AA00);
    wxTEST_DIALOG(Click(d, Id::BaseYearAgeColors), CDriveDialog<CDialogBaseYearColor>([&](CDialogBaseYearColor& c) {
                      // The custom slots reach the profile as the dialog opens.
                      EXPECT_EQ(CustomInProfile(3), customBefore[3]);
                      const int updates = host.updates;
                      Click(c, Id::AgeColorBeforeBirth);
                      EXPECT_EQ(S().ageColors[0], 0x0000AAu) << "applied at once";
                      EXPECT_EQ(host.updates, updates + 1);
                      EXPECT_EQ(SwatchColor(c, Id::AgeSwatchBeforeBirth), 0x0000AAu);
                      Click(c, Id::AgeColorAfterDeath);
                      EXPECT_EQ(S().ageColors[2], 0x00AA00u);
                      EXPECT_EQ(chooser.requests.back().customColors->at(3), 0x123456u)
                          << "the custom slots live on while the dialog is open";
                      Click(c, wxID_CANCEL);
                  }));
    EXPECT_EQ(S().ageColors, before);
    EXPECT_EQ(S().customColors, customBefore);
    EXPECT_EQ(CustomInProfile(3), customBefore[3]);
}

TEST_F(CDialogBaseYearTest, AcceptedAgeColoursStayAfterTheBaseYearIsCancelled) {
    wxTEST_DIALOG(RunBaseYearSettings(nullptr, doc, chooser), CDriveDialog<CDialogBaseYear>([&](CDialogBaseYear& d) {
                      chooser.PickEditingCustom(0x0000AA, 15, 0x654321);
                      wxTEST_DIALOG(Click(d, Id::BaseYearAgeColors),
                                    CDriveDialog<CDialogBaseYearColor>([&](CDialogBaseYearColor& c) {
                                        Click(c, Id::AgeColorMemorial);
                                        Click(c, wxID_OK);
                                    }));
                      Click(d, wxID_CANCEL);
                  }));
    EXPECT_EQ(S().ageColors[3], 0x0000AAu);
    EXPECT_EQ(S().customColors[15], 0x654321u);
    EXPECT_EQ(CustomInProfile(15), 0x654321u);
    EXPECT_TRUE(host.modified) << "the accepted colours are a change to the document";
}

TEST_F(CDialogBaseYearTest, ResetUsesTheBaseColourTheDocumentHolds) {
    S().ageColors = {1, 2, 3, 4};
    const std::uint32_t stored = S().basisColor;
    CDialogBaseYear d(nullptr, doc, CBaseYearValues::Of(S()), chooser);
    d.Show();
    chooser.Pick(0x00AA00);
    Click(d, Id::BaseYearColorChange);  // chosen here, not yet the document's
    wxTEST_DIALOG(Click(d, Id::BaseYearAgeColors), CDriveDialog<CDialogBaseYearColor>([&](CDialogBaseYearColor& c) {
                      const int updates = host.updates;
                      Click(c, Id::AgeColorsReset);
                      EXPECT_EQ(host.updates, updates + 4);
                      for (int swatch : {Id::AgeSwatchBeforeBirth, Id::AgeSwatchAlive, Id::AgeSwatchAfterDeath,
                                         Id::AgeSwatchMemorial}) {
                          EXPECT_EQ(SwatchColor(c, swatch), stored);
                      }
                      Click(c, wxID_OK);
                  }));
    EXPECT_EQ(S().ageColors, (std::array<std::uint32_t, 4>{stored, stored, stored, stored}));
}
