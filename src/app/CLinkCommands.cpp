#include "app/CLinkCommands.h"

#include "dialogs/CDialogOldBrowserWarning.h"
#include "dialogs/CDialogURLFile.h"
#include "links/CBrowserSupport.h"
#ifdef _WIN32
#include "links/CWin32LinkTransport.h"
#else
#include "links/CDbusLinkTransport.h"
#endif
#include "links/CHtmlLinkWindow.h"
#include "links/LinkProtocol.h"
#include "model/CDocHost.h"
#include "model/CProfile.h"
#include "model/CVitachronDoc.h"
#include "model/ProfileKeys.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/control.h>
#include <wx/event.h>
#include <wx/window.h>

CLinkCommands::CLinkCommands(Host host, CProfile& profile, CFileChooser& chooser, CBrowserSupport& browser,
                             std::unique_ptr<CLinkTransport> transport, CAnnalixLink::Options options)
    : host_(std::move(host)), profile_(&profile), chooser_(&chooser), browser_(&browser) {
    if (!transport) {
#ifdef _WIN32
        transport = std::make_unique<CWin32LinkTransport>(LinkProtocol::kToVitachron, LinkProtocol::kToAnnalix);
#else
        transport = std::make_unique<CDbusLinkTransport>(LinkProtocol::kToVitachron, LinkProtocol::kToAnnalix);
#endif
    }
    wxWindow* frame = host_.frame;
    CAnnalixLink::Callbacks callbacks{
        host_.documentPath,
        host_.contextYear,
        host_.centreYear,
        [this](const std::string& text) { Message(text); },
        [frame](std::function<void()> task) { frame->CallAfter(std::move(task)); },
    };
    annalix_ = std::make_unique<CAnnalixLink>(std::move(transport), std::move(callbacks), std::move(options));
}

CLinkCommands::~CLinkCommands() = default;

void CLinkCommands::BindTo(wxEvtHandler& handler) {
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnShowAnnalix(); }, Id::ShowAnnalix);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnSelectAnnalix(); }, Id::SelectAnnalix);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnShowHtml(); }, Id::ShowHtml);
    handler.Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnSetHtml(); }, Id::SetHtml);
    handler.Bind(wxEVT_UPDATE_UI, &CLinkCommands::OnShowAnnalixUpdate, this, Id::ShowAnnalix);
    handler.Bind(wxEVT_UPDATE_UI, &CLinkCommands::OnSelectAnnalixUpdate, this, Id::SelectAnnalix);
    handler.Bind(wxEVT_UPDATE_UI, &CLinkCommands::OnShowHtmlUpdate, this, Id::ShowHtml);
    handler.Bind(wxEVT_UPDATE_UI, &CLinkCommands::OnSetHtmlUpdate, this, Id::SetHtml);
}

void CLinkCommands::Message(const std::string& utf8) const {
    if (host_.showMessage) {
        host_.showMessage(ToWx(utf8));
    } else {
        ShowMessageBox(ToWx(utf8), wxOK | wxICON_EXCLAMATION, host_.frame);
    }
}

void CLinkCommands::ShowInAnnalix(const std::string& path) {
    // The link can keep the window from drawing for seconds: show it whole
    // first, without the menu or the dialog that led here.
    if (host_.frame != nullptr) {
        host_.frame->Refresh();
        host_.frame->Update();
    }
    annalix_->ShowInAnnalix(path);
}

void CLinkCommands::OnShowAnnalix() {
    const CVitachronDoc* doc = host_.document();
    if (doc && !doc->LinkedDocument().empty()) {
        ShowInAnnalix(doc->LinkedDocument());
    }
}

void CLinkCommands::OnShowAnnalixUpdate(wxUpdateUIEvent& event) {
    const CVitachronDoc* doc = host_.document();
    const bool linked = doc && !doc->LinkedDocument().empty();
    event.Enable(linked);
    if (linked) {
        event.SetText(wxControl::EscapeMnemonics(ToWx(CAnnalixLink::ShowLabel(doc->LinkedDocument()))));
    }
}

void CLinkCommands::OnSelectAnnalix() {
    CFileChooser::Request request;
    request.parent = host_.frame;
    request.wildcard = ToWx(Str::kAnnalixFileFilter);
    request.defaultExtension = ToWx(Str::kAnnalixFileExtension);
    const auto path = chooser_->ChooseOpen(request);
    if (!path) {
        return;
    }
    const std::string chosen = FromWx(*path);
    ShowInAnnalix(chosen);
    // Linked even when the link reported an error: the user chose it.
    if (CVitachronDoc* doc = host_.document()) {
        doc->SetLinkedDocument(chosen);
    }
}

void CLinkCommands::OnSelectAnnalixUpdate(wxUpdateUIEvent& event) { event.Enable(annalix_->AnnalixInstalled()); }

std::string CLinkCommands::CurrentHtmlLink() const {
    const CVitachronDoc* doc = host_.document();
    const auto last = doc ? doc->LastHtmlPath() : std::nullopt;
    return last.value_or(std::string());
}

void CLinkCommands::OnShowHtml() {
    const std::string link = CurrentHtmlLink();
    if (!link.empty()) {
        ShowHtml(link);
    }
}

void CLinkCommands::OnShowHtmlUpdate(wxUpdateUIEvent& event) {
    const std::string link = CurrentHtmlLink();
    event.Enable(!link.empty());
    if (!link.empty()) {
        // A link may hold "&" (query strings); in a menu that would mark a mnemonic.
        event.SetText(wxControl::EscapeMnemonics(ToWx(ShowHtmlLabel(link))));
    }
}

void CLinkCommands::OnSetHtml() {
    CVitachronDoc* doc = host_.document();
    if (doc == nullptr) {
        return;
    }
    CDialogURLFile dialog(host_.frame, doc->HtmlPaths(), doc->HtmlPathLimit(), *chooser_);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    ShowHtml(dialog.Chosen());
    doc->SetHtmlPaths(dialog.History());
    WriteHtmlHistory(*profile_, dialog.History());
    doc->NotifyChanged(CDocChange::Modified);
}

void CLinkCommands::OnSetHtmlUpdate(wxUpdateUIEvent& event) { event.Enable(host_.document() != nullptr); }

void CLinkCommands::ShowHtml(const std::string& link) {
    if (browser_->MustWarn(link)) {
        CDialogOldBrowserWarning warning(host_.frame, [this] { browser_->DisableBrowserWarning(); });
        warning.ShowModal();
    }
    CHtmlLinkWindow::Navigate2(ToWx(HtmlTarget(link, host_.contextYear())), CHtmlLinkWindow::kTopWindow,
                               host_.openInBrowser);
}

std::string CLinkCommands::HtmlTarget(const std::string& link, int year) { return link + "#" + std::to_string(year); }

std::string CLinkCommands::ShowHtmlLabel(const std::string& link) {
    std::string text = Str::kMenuShowHtmlNamed;
    text.replace(text.find("%s"), 2, link);
    return text;
}

void CLinkCommands::WriteHtmlHistory(CProfile& profile, const std::vector<std::string>& history) {
    for (std::size_t i = 0; i < history.size(); ++i) {
        profile.WriteString(ProfileKeys::kHtmlPath, std::to_string(i), history[i]);
    }
    const std::string end = std::to_string(history.size());
    if (!profile.GetString(ProfileKeys::kHtmlPath, end, "").empty()) {
        profile.WriteString(ProfileKeys::kHtmlPath, end, "");
    }
}
