// The browser window that links open in: a top-level window of ours, named
// after its target ("topWindow"), hosting the WebView engine. The first
// link creates it; later links are shown in the same window, brought to the
// top. It stays open by itself when Vitachron's own window closes, as a
// browser window always did.
#pragma once

#include <wx/frame.h>

#include <functional>

class wxWebView;

class CHtmlLinkWindow : public wxFrame {
public:
    static constexpr const char* kTopWindow = "topWindow";

    // Opens url in the browser window called targetFrameName. Without a
    // usable WebView engine the desktop's default browser opens it instead,
    // through openElsewhere when given (the target name then means
    // nothing). False when nothing could open it.
    static bool Navigate2(const wxString& url, const wxString& targetFrameName,
                          const std::function<bool(const wxString&)>& openElsewhere = {});

    // The open browser window of that name, if there is one.
    static CHtmlLinkWindow* Find(const wxString& targetFrameName);

    wxWebView* View() const { return view_; }

private:
    explicit CHtmlLinkWindow(const wxString& targetFrameName);
    void Navigate(const wxString& url);

    wxWebView* view_ = nullptr;
};
