#include "CFakeFileChooser.h"
#include "TestDialogs.h"

#include "dialogs/CDialogOldBrowserWarning.h"
#include "dialogs/CDialogURLFile.h"
#include "links/CBrowserSupport.h"
#include "model/CMemoryProfile.h"
#include "model/ProfileKeys.h"
#include "res/ids.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/statbmp.h>
#include <wx/uiaction.h>

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::string>;

// With VITACHRON_SCREENSHOT_DIR set, the window as shown goes there as a PNG.
void Screenshot(wxWindow* window, const char* name) {
    const char* dir = std::getenv("VITACHRON_SCREENSHOT_DIR");
    if (dir == nullptr) {
        return;
    }
    window->Show();
    window->Raise();
    for (int i = 0; i < 40; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
    const wxRect r = window->GetScreenRect();
    wxBitmap shot(r.width, r.height, 24);
    {
        wxMemoryDC mem(shot);
        wxScreenDC screen;
        mem.Blit(0, 0, r.width, r.height, &screen, r.x, r.y);
    }
    shot.SaveFile(wxString(dir) + "/" + name + ".png", wxBITMAP_TYPE_PNG);
    window->Hide();
}

class LinkDialogsTest : public ::testing::Test {
protected:
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "links");
    CFakeFileChooser chooser;
    CMemoryProfile profile;

    void TearDown() override { frame->Destroy(); }
};

}  // namespace

TEST_F(LinkDialogsTest, TheLinkDialogListsTheHistoryNewestFirstWithTheNewestChosen) {
    CDialogURLFile dialog(frame, {"http://a/", "file:///b.html", "http://c/"}, 5, chooser);
    EXPECT_EQ(dialog.GetTitle(), wxString::FromUTF8("URLまたはファイルの設定"));
    wxComboBox* combo = dialog.Combo();
    EXPECT_EQ(combo->GetId(), Id::UrlFileCombo);
    ASSERT_EQ(combo->GetCount(), 3u);
    EXPECT_EQ(combo->GetString(0), "http://c/");
    EXPECT_EQ(combo->GetString(2), "http://a/");
    EXPECT_EQ(combo->GetValue(), "http://c/");
    EXPECT_EQ(combo->GetSelection(), 0);
    Screenshot(&dialog, "url-file-dialog");

    CDialogURLFile empty(frame, {}, 5, chooser);
    EXPECT_EQ(empty.Combo()->GetValue(), "");
    EXPECT_FALSE(empty.Accept());  // an empty text keeps the dialog open
}

TEST_F(LinkDialogsTest, ChoosingAFileGivesAFileLink) {
    CDialogURLFile dialog(frame, {"http://a/"}, 5, chooser);
    auto* button = wxWindow::FindWindowById(Id::UrlFileChoose, &dialog);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetLabel(), wxString::FromUTF8("ファイル選択"));

    chooser.answers.push_back({});  // cancelled: nothing changes
    chooser.answers.push_back({wxString::FromUTF8("/home/u/年表 1.html")});
    for (int i = 0; i < 2; ++i) {
        wxCommandEvent click(wxEVT_BUTTON, Id::UrlFileChoose);
        click.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(click);
        if (i == 0) {
            EXPECT_EQ(dialog.Combo()->GetValue(), "http://a/");
        }
    }
    EXPECT_EQ(dialog.Combo()->GetValue(), wxString::FromUTF8("file:///home/u/年表 1.html"));
    ASSERT_EQ(chooser.requests.size(), 2u);
    EXPECT_EQ(chooser.requests[0].wildcard,
              wxString::FromUTF8("html(*.html;*.htm)|*.html;*.htm|すべてのファイル(*.*)|*.*"));

    ASSERT_TRUE(dialog.Accept());
    EXPECT_EQ(dialog.Chosen(), "file:///home/u/年表 1.html");
    EXPECT_EQ(dialog.History(), (Paths{"http://a/", "file:///home/u/年表 1.html"}));
}

TEST_F(LinkDialogsTest, TheButtonsReadLikeThoseOfEveryOtherDialog) {
    CDialogURLFile link(frame, {}, 5, chooser);
    ASSERT_NE(link.FindWindow(wxID_OK), nullptr);
    ASSERT_NE(link.FindWindow(wxID_CANCEL), nullptr);
    EXPECT_EQ(link.FindWindow(wxID_OK)->GetLabel(), "OK");
    EXPECT_EQ(link.FindWindow(wxID_CANCEL)->GetLabel(), wxString::FromUTF8("ｷｬﾝｾﾙ"));

    CBrowserSupport browser(profile);
    CDialogOldBrowserWarning warning(frame, [&browser] { browser.DisableBrowserWarning(); });
    ASSERT_NE(warning.FindWindow(wxID_OK), nullptr);
    EXPECT_EQ(warning.FindWindow(wxID_OK)->GetLabel(), "OK");
    EXPECT_EQ(warning.FindWindow(wxID_CANCEL), nullptr) << "the warning has nothing to cancel";
}

TEST_F(LinkDialogsTest, RebuildingTheHistoryMovesAChosenEntryToTheNewestPlaceAndKeepsTheNewestFive) {
    // The list as the dialog shows it: newest first.
    EXPECT_EQ(CDialogURLFile::RebuildHistory({"c", "b", "a"}, "b", 5), (Paths{"a", "c", "b"}));
    EXPECT_EQ(CDialogURLFile::RebuildHistory({"e", "d", "c", "b", "a"}, "f", 5), (Paths{"b", "c", "d", "e", "f"}));
    EXPECT_EQ(CDialogURLFile::RebuildHistory({"e", "d", "c", "b", "a"}, "a", 5), (Paths{"b", "c", "d", "e", "a"}));
    EXPECT_EQ(CDialogURLFile::RebuildHistory({}, "x", 5), (Paths{"x"}));
    // Entries differ by case: "http://A/" is not "http://a/".
    EXPECT_EQ(CDialogURLFile::RebuildHistory({"http://a/"}, "http://A/", 5), (Paths{"http://a/", "http://A/"}));
}

TEST_F(LinkDialogsTest, TheWarningShowsItsTextAndOnlyOkWithTheBoxCheckedStopsItForGood) {
    SKIP_UNDER_WINE(kWineLosesInput);
    CBrowserSupport browser(profile);
    browser.Start([] { return std::nullopt; });
    ASSERT_TRUE(browser.WarnOldBrowser());
    {
        CDialogOldBrowserWarning dialog(frame, [&browser] { browser.DisableBrowserWarning(); });
        EXPECT_EQ(dialog.GetTitle(), wxString::FromUTF8("古いInternet Explorerの検出"));
        EXPECT_NE(dynamic_cast<wxStaticBitmap*>(wxWindow::FindWindowById(Id::BrowserWarnIcon, &dialog)), nullptr);
        EXPECT_EQ(dialog.DontShowAgain()->GetId(), Id::BrowserWarnDontShow);
        EXPECT_EQ(dialog.DontShowAgain()->GetLabel(), wxString::FromUTF8("次回からこのメッセージを表示しない"));
        Screenshot(&dialog, "browser-warning-dialog");
        dialog.Accept();  // OK without the box
        EXPECT_TRUE(browser.WarnOldBrowser());
    }
    {
        // Escape closes without counting the box.
        CDialogOldBrowserWarning dialog(frame, [&browser] { browser.DisableBrowserWarning(); });
        dialog.DontShowAgain()->SetValue(true);
        dialog.Show();
        PrepareTyping(dialog);
        wxUIActionSimulator().Char(WXK_ESCAPE);
        EXPECT_TRUE(WaitFor([&] { return !dialog.IsShown(); }));
        EXPECT_TRUE(browser.WarnOldBrowser());
        EXPECT_FALSE(profile.Has(ProfileKeys::kMessage, ProfileKeys::kMessageIE));
    }
    CDialogOldBrowserWarning dialog(frame, [&browser] { browser.DisableBrowserWarning(); });
    dialog.DontShowAgain()->SetValue(true);
    dialog.Accept();
    EXPECT_FALSE(browser.WarnOldBrowser());
    EXPECT_EQ(profile.GetInt("Message", "IE", 1), 0);
    // A later run reads it back.
    CBrowserSupport later(profile);
    later.Start([] { return std::nullopt; });
    EXPECT_FALSE(later.WarnOldBrowser());
}
