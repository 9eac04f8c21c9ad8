#include "links/CHtmlLinkWindow.h"

#include "links/CBrowserSupport.h"
#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

#include <wx/sizer.h>
#include <wx/utils.h>
#include <wx/webview.h>

CHtmlLinkWindow::CHtmlLinkWindow(const wxString& targetFrameName)
    : wxFrame(nullptr, wxID_ANY, ToWx(Str::kAppName), wxDefaultPosition, wxSize(900, 700), wxDEFAULT_FRAME_STYLE,
              targetFrameName) {
    view_ = wxWebView::New(this, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(view_, 1, wxEXPAND);
    SetSizer(sizer);
    view_->Bind(wxEVT_WEBVIEW_TITLE_CHANGED, [this](wxWebViewEvent& e) {
        SetTitle(e.GetString().empty() ? ToWx(Str::kAppName) : e.GetString());
    });
}

CHtmlLinkWindow* CHtmlLinkWindow::Find(const wxString& targetFrameName) {
    for (wxWindow* w : wxTopLevelWindows) {
        auto* browser = dynamic_cast<CHtmlLinkWindow*>(w);
        if (browser && !browser->IsBeingDeleted() && browser->GetName() == targetFrameName) {
            return browser;
        }
    }
    return nullptr;
}

void CHtmlLinkWindow::Navigate(const wxString& url) {
    // The same address again (another look at the same year) would be
    // ignored as a jump to where the page already is: load it afresh.
    if (view_->GetCurrentURL() == url) {
        view_->Reload();
    } else {
        view_->LoadURL(url);
    }
}

bool CHtmlLinkWindow::Navigate2(const wxString& url, const wxString& targetFrameName,
                                const std::function<bool(const wxString&)>& openElsewhere) {
    if (!CBrowserSupport::EngineUsable()) {
        return openElsewhere ? openElsewhere(url) : wxLaunchDefaultBrowser(url);
    }
    CHtmlLinkWindow* browser = Find(targetFrameName);
    if (browser == nullptr) {
        browser = new CHtmlLinkWindow(targetFrameName);
    }
    browser->Navigate(url);
    browser->Show();
    browser->Iconize(false);
    browser->Raise();
    return true;
}
