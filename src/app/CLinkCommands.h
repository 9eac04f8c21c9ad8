// The frame's four link commands and what stands behind them: the Annalix
// link ("Annalixを表示", "Annalixを選択して表示") and the HTML links
// ("HTMLを表示", "HTMLを設定して表示"), with their update
// handlers. The main frame owns one from its creation to its destruction.
//
// What the frame does, and all it has to do:
//
//   // at creation (after the views exist or with callbacks that cope with none):
//   links_ = std::make_unique<CLinkCommands>(CLinkCommands::Host{
//       this,                                       // parent of dialogs and messages; CallAfter target
//       [this] { return doc ? &doc->Model() : nullptr; },   // CVitachronDoc* of the open document
//       [this] { return FromWx(doc->GetFilename()); },      // its full path, "" when never saved
//       [this] { return timeline->GetContextYear(); },
//       [this](int year) { timeline->CentreYear(year); },
//       {},                                         // messages: ShowMessageBox(text, wxOK | wxICON_EXCLAMATION, this)
//   }, profile, fileChooser, app.Browser());
//   links_->BindTo(*this);  // the four commands and their update handlers
//
//   // close request: after storing "LastPos", before the framework's close
//   links_->OnFrameClosing();      // unmaps the shared block
//   ... if the user cancels at the save question:
//   links_->OnCloseCancelled();    // maps it again
//   // frame destruction: links_.reset() (leaves the bus, stops answering)
//
// A frame that forgets OnCloseCancelled gets "Annalixの起動に失敗しました"
// from both Annalix commands and unanswered queries: the released block is never used.
// Instead of the two calls the frame may equally destroy the object on
// close and make a new one when the close is cancelled.
#pragma once

#include "links/CAnnalixLink.h"

#include <wx/string.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CBrowserSupport;
class CFileChooser;
class CLinkTransport;
class CProfile;
class CVitachronDoc;
class wxEvtHandler;
class wxUpdateUIEvent;
class wxWindow;

class CLinkCommands {
public:
    struct Host {
        wxWindow* frame = nullptr;
        std::function<CVitachronDoc*()> document;
        std::function<std::string()> documentPath;
        std::function<int()> contextYear;
        std::function<void(int)> centreYear;
        // Empty: a message box with the program's caption over frame.
        std::function<void(const wxString&)> showMessage;
        // The desktop's default browser, for HTML links where no engine can
        // show them; empty: the toolkit's.
        std::function<bool(const wxString&)> openInBrowser;
    };

    // transport: none for the system's own (CDbusLinkTransport on Linux,
    // CWin32LinkTransport on Windows); tests give their own.
    CLinkCommands(Host host, CProfile& profile, CFileChooser& chooser, CBrowserSupport& browser,
                  std::unique_ptr<CLinkTransport> transport = nullptr,
                  CAnnalixLink::Options options = CAnnalixLink::Options{});
    ~CLinkCommands();
    CLinkCommands(const CLinkCommands&) = delete;
    CLinkCommands& operator=(const CLinkCommands&) = delete;

    // Routes the four commands and their update handlers of handler (the frame) here.
    void BindTo(wxEvtHandler& handler);

    void OnFrameClosing() { annalix_->ReleaseBlock(); }
    void OnCloseCancelled() { annalix_->Reacquire(); }

    // The commands.
    void OnShowAnnalix();
    void OnSelectAnnalix();
    void OnShowHtml();
    void OnSetHtml();
    void OnShowAnnalixUpdate(wxUpdateUIEvent& event);
    void OnSelectAnnalixUpdate(wxUpdateUIEvent& event);
    void OnShowHtmlUpdate(wxUpdateUIEvent& event);
    void OnSetHtmlUpdate(wxUpdateUIEvent& event);

    // Opens link at the context year ("%s#%d") in the browser window
    // "topWindow", after the old-browser warning where it is due.
    void ShowHtml(const std::string& link);

    CAnnalixLink& Annalix() { return *annalix_; }

    // "link#year".
    static std::string HtmlTarget(const std::string& link, int year);
    // "HTML(%s)を表示" with the whole link.
    static std::string ShowHtmlLabel(const std::string& link);
    // Writes the history to "HtmlPath" as "0", "1", ... oldest first, and
    // ends the list there, so entries of a longer old list do not come back.
    static void WriteHtmlHistory(CProfile& profile, const std::vector<std::string>& history);

private:
    void ShowInAnnalix(const std::string& path);
    void Message(const std::string& utf8) const;
    std::string CurrentHtmlLink() const;

    Host host_;
    CProfile* profile_;
    CFileChooser* chooser_;
    CBrowserSupport* browser_;
    std::unique_ptr<CAnnalixLink> annalix_;
};
