#include "app/SettingsCommands.h"
#include "dialogs/CDialogDisplaySet.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"
#include "support/core/CRecordingProfile.h"

#include "DialogDriving.h"

#include <wx/uiaction.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class CDialogDisplaySetTest : public ::testing::Test {
protected:
    CDialogDisplaySetTest() { host.leftWidth = 150; }

    CDocSettings& S() { return doc.Settings(); }

    // Every control away from a new document's values.
    static void ChangeEverything(CDialogDisplaySet& d) {
        SetCheck(d, Id::DisplayYearRange, false);
        SetCheck(d, Id::DisplayAge, false);
        ChooseRadio(d, Id::DisplayYearOnly);
        EnterText(d, Id::DisplayBarLength, "10000");
        SetCheck(d, Id::DisplayKazoeAster, false);
        EnterText(d, Id::DisplayLeftWidth, "0");
        EnterText(d, Id::DisplayCommentSeparator, "");
        SetCheck(d, Id::DisplaySuppleMark, false);
    }

    CRecordingHost host;
    CRecordingProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
};

}  // namespace

TEST_F(CDialogDisplaySetTest, ShowsTheDocumentAndTheSplitterWidth) {
    SKIP_UNDER_WINE(kWineLosesInput);
    S().yearOnly = true;
    S().commentSeparator = "//";
    S().defaultBarLength = 80;
    CDialogDisplaySet d(nullptr, doc);
    EXPECT_TRUE(Ctrl<wxRadioButton>(d, Id::DisplayYearOnly)->GetValue());
    EXPECT_FALSE(Ctrl<wxRadioButton>(d, Id::DisplayFullDate)->GetValue());
    EXPECT_EQ(TextOf(d, Id::DisplayLeftWidth), "150");
    EXPECT_EQ(TextOf(d, Id::DisplayBarLength), "80");
    EXPECT_EQ(TextOf(d, Id::DisplayCommentSeparator), "//");
    EXPECT_TRUE(IsChecked(d, Id::DisplayYearRange));
    EXPECT_TRUE(IsChecked(d, Id::DisplayKazoeAster));
    EXPECT_FALSE(IsChecked(d, Id::DisplaySaveAsInitial));

    // The width field takes digits only from the keyboard.
    d.Show();
    auto* width = Ctrl<wxTextCtrl>(d, Id::DisplayLeftWidth);
    PrepareTyping(*width);
    width->SetInsertionPointEnd();
    wxUIActionSimulator typing;
    typing.Char('a');
    typing.Char('-');
    typing.Char('7');
    EXPECT_TRUE(WaitFor([&] { return width->GetValue().length() >= 4; }));
    EXPECT_EQ(width->GetValue(), "1507");
}

TEST_F(CDialogDisplaySetTest, WidthAndBarLengthOutsideTheirRangesKeepTheDialogOpen) {
    const CDocSettings before = S();
    bool ok = false;
    wxTEST_DIALOG(ok = RunDisplaySettings(nullptr, doc), CDriveDialog<CDialogDisplaySet>([&](CDialogDisplaySet& d) {
                      ChangeEverything(d);
                      SetCheck(d, Id::DisplaySaveAsInitial, true);
                      const struct {
                          int field;
                          const char* text;
                          const char* message;
                      } refused[] = {
                          {Id::DisplayLeftWidth, "1001", "0から1000までの整数を入力してください。"},
                          {Id::DisplayLeftWidth, "-1", "0から1000までの整数を入力してください。"},
                          {Id::DisplayBarLength, "10001", "0から10000までの整数を入力してください。"},
                          {Id::DisplayBarLength, "five", "0から10000までの整数を入力してください。"},
                      };
                      for (const auto& r : refused) {
                          const wxString good = TextOf(d, r.field);
                          EnterText(d, r.field, r.text);
                          wxString text;
                          wxTEST_DIALOG(Click(d, wxID_OK), CExpectMessage(wxOK, &text));
                          EXPECT_EQ(text, wxString::FromUTF8(r.message)) << r.text;
                          EXPECT_TRUE(d.IsShown());
                          EnterText(d, r.field, good);
                      }
                      EXPECT_EQ(S(), before);
                      EXPECT_FALSE(host.Saw(CDocChange::LeftWidth));
                      EXPECT_THAT(profile.writes, IsEmpty());
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(host.Saw(CDocChange::LeftWidth));
    EXPECT_EQ(S().leftWidth, 0);
    EXPECT_EQ(S().defaultBarLength, 10000);
    EXPECT_TRUE(host.modified);
    EXPECT_GE(host.updates, 1);
}

TEST_F(CDialogDisplaySetTest, OkWithTheBoxWritesTheInitialValuesIncludingAnEmptySeparator) {
    wxTEST_DIALOG(RunDisplaySettings(nullptr, doc), CDriveDialog<CDialogDisplaySet>([&](CDialogDisplaySet& d) {
                      ChangeEverything(d);
                      EnterText(d, Id::DisplayLeftWidth, "1000");
                      SetCheck(d, Id::DisplaySaveAsInitial, true);
                      Click(d, wxID_OK);
                  }));
    EXPECT_TRUE(S().yearOnly);
    EXPECT_FALSE(S().displayYearRange);
    EXPECT_FALSE(S().displayAge);
    EXPECT_FALSE(S().kazoeAster);
    EXPECT_FALSE(S().displaySuppleMark);
    EXPECT_EQ(S().commentSeparator, "");
    EXPECT_EQ(S().leftWidth, 1000);
    EXPECT_TRUE(host.Saw(CDocChange::LeftWidth));

    EXPECT_THAT(profile.writes, ElementsAre("Init/LeftWidth", "Init/YearOnly", "Init/KazoeAster", "Init/Comment",
                                            "Init/DisplayAge", "Init/DisplayYearRange", "Init/DisplaySuppleMark",
                                            "Init/DefaultBarLength"));
    EXPECT_EQ(profile.Find("Init", "Comment"), CMemoryProfile::Value(std::string()));
    EXPECT_EQ(profile.GetInt("Init", "LeftWidth", -1), 1000);
    EXPECT_EQ(profile.GetInt("Init", "YearOnly", -1), 1);
    EXPECT_EQ(profile.GetInt("Init", "DisplayAge", -1), 0);
    EXPECT_EQ(profile.GetInt("Init", "DefaultBarLength", -1), 10000);
}

TEST_F(CDialogDisplaySetTest, OkWithoutTheBoxLeavesTheProfileAlone) {
    S().yearOnly = true;
    wxTEST_DIALOG(RunDisplaySettings(nullptr, doc), CDriveDialog<CDialogDisplaySet>([&](CDialogDisplaySet& d) {
                      ChooseRadio(d, Id::DisplayFullDate);
                      EnterText(d, Id::DisplayCommentSeparator, wxString::FromUTF8("＃"));
                      Click(d, wxID_OK);
                  }));
    EXPECT_FALSE(S().yearOnly);
    EXPECT_EQ(S().commentSeparator, "＃");
    EXPECT_TRUE(host.Saw(CDocChange::LeftWidth));
    EXPECT_EQ(S().leftWidth, 150);
    EXPECT_EQ(profile.WriteCount(), 0u);
}

TEST_F(CDialogDisplaySetTest, CancelAfterChangingEveryControlChangesNothing) {
    const CDocSettings before = S();
    bool ok = true;
    wxTEST_DIALOG(ok = RunDisplaySettings(nullptr, doc), CDriveDialog<CDialogDisplaySet>([&](CDialogDisplaySet& d) {
                      ChangeEverything(d);
                      SetCheck(d, Id::DisplaySaveAsInitial, true);
                      Click(d, wxID_CANCEL);
                  }));
    EXPECT_FALSE(ok);
    EXPECT_EQ(S(), before);
    EXPECT_FALSE(host.Saw(CDocChange::LeftWidth));
    EXPECT_EQ(profile.WriteCount(), 0u);
    EXPECT_EQ(host.modifiedCalls, 0);
    EXPECT_EQ(host.updates, 0);
}
