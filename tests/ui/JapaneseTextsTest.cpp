// Whatever the locale (the tests run under C.UTF-8), what the program shows
// in the toolkit's own widgets is Japanese and names its buttons as its
// messages do.
#include "CWindowFixture.h"
#include "TestDialogs.h"

#include "app/CMainFrame.h"
#include "app/CUiLanguage.h"
#include "dialogs/CWxFileChooser.h"
#include "dialogs/MessageBox.h"
#include "res/ids.h"
#include "view/WxConvert.h"

#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/translation.h>

namespace {

class JapaneseTexts : public CWindowFixture {
protected:
    void SetUp() override {
        CUiLanguage::Install(std::filesystem::path(VITACHRON_BIN_DIR) / "locale");
        CWindowFixture::SetUp();
    }
    void TearDown() override {
        CWindowFixture::TearDown();
        wxTranslations::Set(nullptr);
    }
};

// Answers a message box after noting its buttons' labels.
class CExpectButtons : public wxExpectModal<wxMessageDialog> {
public:
    CExpectButtons(int answer, std::vector<wxString>* labels) : wxExpectModal<wxMessageDialog>(answer), labels_(labels) {}

protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        *labels_ = {dlg->GetYesLabel(), dlg->GetNoLabel(), dlg->GetOKLabel(), dlg->GetCancelLabel()};
        return wxExpectModal<wxMessageDialog>::OnInvoked(dlg);
    }

private:
    std::vector<wxString>* labels_;
};

class CExpectFileTitle : public wxExpectModal<wxFileDialog> {
public:
    explicit CExpectFileTitle(wxString* title) : wxExpectModal<wxFileDialog>(wxString(), wxID_CANCEL), title_(title) {}

protected:
    int OnInvoked(wxFileDialog* dlg) const override {
        *title_ = dlg->GetMessage();  // what GTK shows as the window's title
        return wxID_CANCEL;
    }

private:
    wxString* title_;
};

// Kana or kanji: the toolkit's English texts have none.
bool IsJapanese(const wxString& text) {
    for (const auto c : text) {
        if (static_cast<wxUniChar::value_type>(c) >= 0x3000) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST_F(JapaneseTexts, MessageBoxButtonsAreNamedAsTheMessagesNameThem) {
    std::vector<wxString> labels;
    int answer = 0;
    wxTEST_DIALOG(answer = ShowMessageBox("?", wxYES_NO | wxCANCEL), CExpectButtons(wxNO, &labels));
    EXPECT_EQ(answer, wxNO);
    EXPECT_EQ(labels, (std::vector<wxString>{ToWx("はい"), ToWx("いいえ"), ToWx("OK"), ToWx("キャンセル")}));
    wxTEST_DIALOG(answer = ShowMessageBox("?", wxOK | wxCANCEL), CExpectButtons(wxCANCEL, &labels));
    EXPECT_EQ(answer, wxCANCEL);
    EXPECT_EQ(labels[3], ToWx("キャンセル"));
}

TEST_F(JapaneseTexts, AFileDialogWithoutATitleIsNamedAfterWhatItDoes) {
    CWxFileChooser files;
    CFileChooser::Request request;
    wxString title;
    wxTEST_DIALOG(files.ChooseOpen(request), CExpectFileTitle(&title));
    EXPECT_EQ(title, ToWx("開く"));
    wxTEST_DIALOG(files.ChooseOpenMany(request), CExpectFileTitle(&title));
    EXPECT_EQ(title, ToWx("開く"));
    wxTEST_DIALOG(files.ChooseSave(request), CExpectFileTitle(&title));
    EXPECT_EQ(title, ToWx("名前を付けて保存"));
    request.title = ToWx("ファイル選択");
    wxTEST_DIALOG(files.ChooseOpen(request), CExpectFileTitle(&title));
    EXPECT_EQ(title, ToWx("ファイル選択"));
}

TEST_F(JapaneseTexts, TheStatusBarHelpOfEveryMenuItemAndThePreviewsButtonsAreJapanese) {
    OpenWindow();
    int withHelp = 0;
    for (std::size_t m = 0; m < frame->GetMenuBar()->GetMenuCount(); ++m) {
        for (const wxMenuItem* item : frame->GetMenuBar()->GetMenu(m)->GetMenuItems()) {
            if (!item->GetHelp().empty()) {
                ++withHelp;
                EXPECT_TRUE(IsJapanese(item->GetHelp())) << item->GetHelp().utf8_string();
            }
        }
    }
    EXPECT_GT(withHelp, 5);  // the standard items carry the toolkit's help
    // The print preview's own buttons and the parser's messages.
    for (const char* text : {"Print", "First page", "Previous page", "Next page", "Last page", "Zoom In", "Zoom Out",
                             "&Close", "Page %d of %d", "Unknown long option '%s'"}) {
        EXPECT_TRUE(IsJapanese(wxGetTranslation(text))) << text;
    }
}
