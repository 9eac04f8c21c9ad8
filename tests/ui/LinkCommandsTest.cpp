#include "CFakeFileChooser.h"
#include "TestDialogs.h"

#include "app/CLinkCommands.h"
#include "dialogs/CDialogOldBrowserWarning.h"
#include "dialogs/CDialogURLFile.h"
#include "links/CBrowserSupport.h"
#include "links/CHtmlLinkWindow.h"
#include "model/CMemoryProfile.h"
#include "model/CVitachronDoc.h"
#include "res/ids.h"
#include "support/core/CRecordingHost.h"
#include "support/links/CFakeLinkTransport.h"
#include "support/links/UniqueName.h"

#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/filename.h>
#include <wx/frame.h>
#include <wx/webview.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace std::chrono_literals;

namespace {

class CAnswerLinkDialog : public wxExpectModalBase<CDialogURLFile, CAnswerLinkDialog> {
public:
    explicit CAnswerLinkDialog(wxString text) : text_(std::move(text)) {}

protected:
    int OnInvoked(CDialogURLFile* dialog) const override {
        dialog->Combo()->SetValue(text_);
        return dialog->Accept() ? wxID_OK : wxID_CANCEL;
    }

private:
    wxString text_;
};

class CAnswerWarning : public wxExpectModalBase<CDialogOldBrowserWarning, CAnswerWarning> {
public:
    explicit CAnswerWarning(bool dontShowAgain) : dontShow_(dontShowAgain) {}

protected:
    int OnInvoked(CDialogOldBrowserWarning* dialog) const override {
        dialog->DontShowAgain()->SetValue(dontShow_);
        dialog->Accept();
        return wxID_OK;
    }

private:
    bool dontShow_;
};

// A page with an anchor for every year from 1500 to 1700, each far below the last.
std::filesystem::path WriteYearPage() {
    const auto file = std::filesystem::temp_directory_path() / ("vitachron-years-" + std::to_string(::getpid()) + ".html");
    std::ofstream out(file);
    out << "<!DOCTYPE html><html><head><meta charset='utf-8'><title>年表</title>"
           "<style>body{margin:0;font-family:sans-serif} h2{margin:0;padding:8px;background:#cde}"
           " section{height:240px;border-bottom:1px solid #888}</style></head><body>\n";
    for (int year = 1500; year <= 1700; ++year) {
        out << "<section><h2><a name='" << year << "' id='" << year << "'></a>" << year << "年</h2><p>"
            << (year == 1582 ? "本能寺の変" : year == 1600 ? "関ヶ原の戦い" : "") << "</p></section>\n";
    }
    out << "</body></html>\n";
    return file;
}

// Runs the event loop until the page's script gives the wanted answer.
wxString WaitForScript(wxWebView* view, const wxString& script, const wxString& wanted) {
    wxString result;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < deadline) {
        wxYield();
        if (view->RunScript(script, &result) && result == wanted) {
            break;
        }
        wxMilliSleep(50);
    }
    return result;
}

// Where the year's anchor is on the page as shown: 0 is the window's top edge.
wxString AnchorTop(int year) {
    return wxString::Format("(function(){var e=document.getElementById('%d');"
                            "return e ? String(Math.round(e.getBoundingClientRect().top)) : 'none';})()",
                            year);
}

int CountBrowserWindows() {
    int n = 0;
    for (wxWindow* w : wxTopLevelWindows) {
        n += dynamic_cast<CHtmlLinkWindow*>(w) != nullptr && !w->IsBeingDeleted();
    }
    return n;
}

class LinkCommandsTest : public ::testing::Test {
protected:
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "frame");
    CRecordingHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CWatch watch_doc{doc, host};
    CFakeFileChooser chooser;
    CBrowserSupport browser{profile};
    CUniqueName block{"block"};
    CUniqueName event{"event"};
    CFakeLinkTransport* transport = nullptr;
    std::unique_ptr<CLinkCommands> links;
    std::vector<wxString> messages;
    std::vector<wxString> openedElsewhere;
    int contextYear = 1582;

    void SetUp() override {
        auto fake = std::make_unique<CFakeLinkTransport>();
        transport = fake.get();
        browser.Start([] { return CBrowserSupport::Version{2, 50}; });
        links = std::make_unique<CLinkCommands>(
            CLinkCommands::Host{frame, [this] { return &doc; }, [] { return std::string("/d/doc.vtc"); },
                                [this] { return contextYear; }, [](int) {},
                                [this](const wxString& text) { messages.push_back(text); },
                                [this](const wxString& url) {
                                    openedElsewhere.push_back(url);
                                    return true;
                                }},
            profile, chooser, browser, std::move(fake), CAnnalixLink::Options{block, event, 10ms, 1000ms});
        links->BindTo(*frame);
    }

    void TearDown() override {
        links.reset();
        if (CHtmlLinkWindow* w = CHtmlLinkWindow::Find(CHtmlLinkWindow::kTopWindow)) {
            w->Destroy();
        }
        frame->Destroy();
        wxYield();
    }

    void Command(int id) {
        wxCommandEvent e(wxEVT_MENU, id);
        EXPECT_TRUE(frame->ProcessWindowEvent(e)) << id;
    }

    struct Update {
        bool enabled;
        bool textSet;
        wxString text;
    };
    Update UpdateOf(int id) {
        wxUpdateUIEvent e(id);
        EXPECT_TRUE(frame->ProcessWindowEvent(e)) << id;
        return {e.GetEnabled(), e.GetSetText(), e.GetText()};
    }

    wxWebView* BrowserView() {
        CHtmlLinkWindow* w = CHtmlLinkWindow::Find(CHtmlLinkWindow::kTopWindow);
        return w ? w->View() : nullptr;
    }
};

}  // namespace

TEST_F(LinkCommandsTest, TheAnnalixEntryNamesTheLinkedFileAndShowsItAtTheContextYear) {
    Update u = UpdateOf(Id::ShowAnnalix);
    EXPECT_FALSE(u.enabled);
    EXPECT_FALSE(u.textSet);  // keeps "Annalixを表示"

    doc.SetLinkedDocument("/home/u/a.b.anx");
    u = UpdateOf(Id::ShowAnnalix);
    EXPECT_TRUE(u.enabled);
    EXPECT_EQ(u.text, wxString::FromUTF8("Annalix(a.b)を表示"));

    contextYear = -660;
    Command(Id::ShowAnnalix);
    EXPECT_EQ(transport->started, std::vector<std::string>{"/home/u/a.b.anx"});
    EXPECT_EQ(transport->sent, (std::vector<CFakeLinkTransport::Sent>{{transport->startResult.handle, -660, 0x1003}}));
}

TEST_F(LinkCommandsTest, ChoosingAnAnnalixDocumentLinksItEvenWhenAnnalixCannotStart) {
    EXPECT_FALSE(UpdateOf(Id::SelectAnnalix).enabled);
    transport->installed = true;
    EXPECT_TRUE(UpdateOf(Id::SelectAnnalix).enabled);

    Command(Id::SelectAnnalix);  // cancelled: nothing
    EXPECT_TRUE(doc.LinkedDocument().empty());
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].wildcard, wxString::FromUTF8("Annalix (*.anx)|*.anx|すべてのファイル (*.*)|*.*"));
    EXPECT_EQ(chooser.requests[0].defaultExtension, "anx");

    transport->startResult = {CLinkTransport::StartStatus::StartFailed, 0, 2};
    chooser.answers.push_back({wxString::FromUTF8("/home/u/日本史.anx")});
    Command(Id::SelectAnnalix);
    EXPECT_EQ(messages, std::vector<wxString>{wxString::FromUTF8("Annalixの起動に失敗しました(2)")});
    EXPECT_EQ(doc.LinkedDocument(), "/home/u/日本史.anx");
    EXPECT_TRUE(host.modified);
}

TEST_F(LinkCommandsTest, TheHtmlEntryShowsTheWholeLinkAndIsOffWithoutOne) {
    Update u = UpdateOf(Id::ShowHtml);
    EXPECT_FALSE(u.enabled);
    EXPECT_FALSE(u.textSet);
    doc.AddHtmlPath("");
    EXPECT_FALSE(UpdateOf(Id::ShowHtml).enabled);  // an empty last entry is no link

    doc.AddHtmlPath("http://example.org/年表?a=1&b=2");
    u = UpdateOf(Id::ShowHtml);
    EXPECT_TRUE(u.enabled);
    // The whole link; "&" doubled so that the menu shows it rather than a mnemonic.
    EXPECT_EQ(u.text, wxString::FromUTF8("HTML(http://example.org/年表?a=1&&b=2)を表示"));
    EXPECT_TRUE(UpdateOf(Id::SetHtml).enabled);

    EXPECT_EQ(CLinkCommands::HtmlTarget("http://x/p.html", -500), "http://x/p.html#-500");
    EXPECT_EQ(CLinkCommands::HtmlTarget("file:///p.html", 1582), "file:///p.html#1582");
}

// Wine's prefix for the tests leaves out Gecko, its HTML engine: there the
// fallback is what runs.
TEST_F(LinkCommandsTest, WithoutAnHtmlEngineTheDefaultBrowserOpensTheLinkAtTheYear) {
    if (CBrowserSupport::EngineUsable()) {
        GTEST_SKIP() << "this system has an HTML engine";
    }
    links->ShowHtml("http://example.org/年表.html");
    EXPECT_EQ(openedElsewhere, std::vector<wxString>{wxString::FromUTF8("http://example.org/年表.html#1582")});
    EXPECT_EQ(CountBrowserWindows(), 0);
}

TEST_F(LinkCommandsTest, SettingALinkRebuildsTheHistoryWritesItToTheProfileAndOpensIt) {
    if (!CBrowserSupport::EngineUsable()) {
        GTEST_SKIP() << "no HTML engine here (Wine without Gecko)";
    }
    const auto page = WriteYearPage();
    for (const char* old : {"http://1/", "http://2/", "http://3/", "http://4/", "http://5/"}) {
        doc.AddHtmlPath(old);
    }
    profile.WriteString("HtmlPath", "5", "stale");  // from a longer list of old
    const wxString link = "file://" + wxString(page.string());

    wxTEST_DIALOG(Command(Id::SetHtml), CAnswerLinkDialog(link));

    const std::vector<std::string> expected{"http://2/", "http://3/", "http://4/", "http://5/", link.utf8_string()};
    EXPECT_EQ(doc.HtmlPaths(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(profile.GetString("HtmlPath", std::to_string(i), ""), expected[i]) << i;
    }
    EXPECT_EQ(profile.GetString("HtmlPath", "5", ""), "");
    EXPECT_TRUE(host.modified);

    // The page opens in "topWindow" at the context year.
    wxWebView* view = BrowserView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(WaitForScript(view, "location.hash", "#1582"), "#1582");
    std::filesystem::remove(page);
}

TEST_F(LinkCommandsTest, ALocalLinkWarnsAnOldBrowserOnceAndNeverAfterTheBoxIsChecked) {
    browser.Start([] { return std::nullopt; });  // no engine to ask: an old browser
    ASSERT_TRUE(browser.WarnOldBrowser());
    ASSERT_FALSE(browser.NewBrowser());

    // A web address never warns (any unexpected dialog fails the test).
    links->ShowHtml("http://127.0.0.1:9/");
    wxTEST_DIALOG(links->ShowHtml("file:///nowhere.html"), CAnswerWarning(false));
    wxTEST_DIALOG(links->ShowHtml("file:///nowhere.html"), CAnswerWarning(true));
    links->ShowHtml("file:///nowhere.html");
    EXPECT_EQ(profile.GetInt("Message", "IE", 1), 0);
    EXPECT_EQ(CountBrowserWindows(), CBrowserSupport::EngineUsable() ? 1 : 0);
}

TEST_F(LinkCommandsTest, ALocalPageOpensInTheTopWindowScrolledToTheYearAndLaterLinksReuseIt) {
    if (!CBrowserSupport::EngineUsable()) {
        GTEST_SKIP() << "no HTML engine here (Wine without Gecko)";
    }
    const auto page = WriteYearPage();
    const std::string link = "file://" + page.string();
    links->ShowHtml(link);
    CHtmlLinkWindow* first = CHtmlLinkWindow::Find(CHtmlLinkWindow::kTopWindow);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetName(), "topWindow");
    first->SetSize(0, 0, 800, 600);
    wxWebView* view = first->View();
    const wxString top1582 = AnchorTop(1582);
    EXPECT_EQ(WaitForScript(view, top1582, "0"), "0") << "the year's anchor is at the top of the window";
    wxString scrolled;
    view->RunScript("String(window.scrollY > 0)", &scrolled);
    EXPECT_EQ(scrolled, "true");

    if (const char* dir = std::getenv("VITACHRON_SCREENSHOT_DIR")) {
        first->Raise();
        for (int i = 0; i < 20; ++i) {
            wxYield();
            wxMilliSleep(25);
        }
        const wxRect r = first->GetScreenRect();
        wxBitmap shot(r.width, r.height, 24);
        {
            wxMemoryDC mem(shot);
            wxScreenDC screen;
            mem.Blit(0, 0, r.width, r.height, &screen, r.x, r.y);
        }
        shot.SaveFile(wxString(dir) + "/html-link-topWindow.png", wxBITMAP_TYPE_PNG);
    }

    contextYear = 1600;
    links->ShowHtml(link);
    EXPECT_EQ(CHtmlLinkWindow::Find(CHtmlLinkWindow::kTopWindow), first);
    EXPECT_EQ(CountBrowserWindows(), 1);
    const wxString top1600 = AnchorTop(1600);
    EXPECT_EQ(WaitForScript(view, top1600, "0"), "0");
    std::filesystem::remove(page);
}

TEST(CBrowserSupport, TheEngineCountsAsNewFromItsFirstVersionAndAFailedQueryAsOld) {
    using V = CBrowserSupport::Version;
    EXPECT_FALSE(CBrowserSupport::DetectNewBrowser([] { return std::nullopt; }));
    EXPECT_FALSE(CBrowserSupport::DetectNewBrowser([] { return V{0, 9}; }));
    EXPECT_TRUE(CBrowserSupport::DetectNewBrowser([] { return V{1, 0}; }));
    EXPECT_TRUE(CBrowserSupport::DetectNewBrowser([] { return V{2, 50}; }));
    // The engine this program is built with counts as new wherever it works.
    EXPECT_EQ(CBrowserSupport::DetectNewBrowser(), CBrowserSupport::EngineUsable());

    CMemoryProfile profile;
    CBrowserSupport browser(profile);
    browser.ReadBrowserWarning();
    EXPECT_TRUE(browser.WarnOldBrowser());  // first run
    profile.WriteInt("Message", "IE", 2);
    browser.ReadBrowserWarning();
    EXPECT_FALSE(browser.WarnOldBrowser());  // only exactly 1 means on

    profile.WriteInt("Message", "IE", 1);
    browser.Start([] { return std::nullopt; });
    EXPECT_TRUE(browser.MustWarn("file:///a.html"));
    EXPECT_TRUE(browser.MustWarn("HTTP://example.org/"));
    EXPECT_FALSE(browser.MustWarn("http://example.org/"));
    EXPECT_FALSE(browser.MustWarn("https://example.org/"));
    browser.Start([] { return V{2, 0}; });
    EXPECT_FALSE(browser.MustWarn("file:///a.html"));
}
