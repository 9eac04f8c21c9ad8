// Whatever the locale (the tests run under C.UTF-8), what the program shows
// in the toolkit's own widgets is Japanese and names its buttons as its
// messages do.
#include "CWindowFixture.h"
#include "TestDialogs.h"

#include "app/CMainFrame.h"
#include "app/CUiLanguage.h"
#include "res/ids.h"
#include "wxsupport/CWxFileChooser.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <gtk/gtk.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/translation.h>

#include <clocale>
#include <cstdlib>
#include <set>
#include <string>

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

namespace {

// Every text a GTK widget tree shows: labels, buttons and list headers.
void CollectTexts(GtkWidget* widget, std::set<std::string>& texts) {
    if (GTK_IS_LABEL(widget)) {
        texts.insert(gtk_label_get_text(GTK_LABEL(widget)));
    }
    if (GTK_IS_TREE_VIEW(widget)) {
        for (guint i = 0; GtkTreeViewColumn* column = gtk_tree_view_get_column(GTK_TREE_VIEW(widget), i); ++i) {
            if (const char* title = gtk_tree_view_column_get_title(column)) {
                texts.insert(title);
            }
        }
    }
    if (GTK_IS_CONTAINER(widget)) {
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer data) { CollectTexts(child, *static_cast<std::set<std::string>*>(data)); },
            &texts);
    }
}

// Switches the process to a Japanese locale for one test, from the copy
// the build generates (no system locale needed).
class JapaneseLocale {
public:
    JapaneseLocale() {
#ifdef VITACHRON_JA_LOCALE_DIR
        saved_ = std::setlocale(LC_ALL, nullptr);
        ::setenv("LOCPATH", VITACHRON_JA_LOCALE_DIR, 1);
        active_ = std::setlocale(LC_ALL, "ja_JP.UTF-8") != nullptr;
#endif
    }
    ~JapaneseLocale() {
        if (!saved_.empty()) {
            std::setlocale(LC_ALL, saved_.c_str());
            ::unsetenv("LOCPATH");
        }
    }
    JapaneseLocale(const JapaneseLocale&) = delete;
    JapaneseLocale& operator=(const JapaneseLocale&) = delete;
    bool Active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

}  // namespace

// Under a Japanese locale the toolkit's own parts of the file dialogs (the
// places, the column headers, the name field) are Japanese too.
TEST_F(JapaneseTexts, UnderAJapaneseLocaleTheFileDialogsOwnPartsAreJapanese) {
#ifndef VITACHRON_JA_LOCALE_DIR
    GTEST_SKIP() << "no localedef to make a Japanese locale with";
#else
    JapaneseLocale japanese;
    ASSERT_TRUE(japanese.Active()) << "ja_JP.UTF-8 under " << VITACHRON_JA_LOCALE_DIR;
    for (const long style : {wxFD_OPEN | wxFD_FILE_MUST_EXIST, wxFD_SAVE | wxFD_OVERWRITE_PROMPT}) {
        wxFileDialog dialog(nullptr, ToWx("開く"), wxString(), wxString(), "*.vtc", style);
        std::set<std::string> texts;
        CollectTexts(dialog.GetHandle(), texts);
        for (const char* english : {"Name", "_Name:", "Size", "Modified", "Recent", "Home", "Other Locations",
                                    "Cancel", "_Cancel", "Open", "_Open", "Save", "_Save"}) {
            EXPECT_EQ(texts.count(english), 0U) << english;
        }
        EXPECT_EQ(texts.count("名前"), 1U);  // the file list's first column
    }
#endif
}
