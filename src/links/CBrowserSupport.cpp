#include "links/CBrowserSupport.h"

#include "model/CProfile.h"
#include "model/ProfileKeys.h"

#include <wx/versioninfo.h>
#include <wx/webview.h>

#ifdef _WIN32
#include <objbase.h>
#endif

bool CBrowserSupport::EngineUsable() {
    if (!wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) {
        return false;
    }
#ifdef _WIN32
    CLSID htmlDocument{};
    IUnknown* document = nullptr;
    if (FAILED(::CLSIDFromProgID(L"htmlfile", &htmlDocument)) ||
        FAILED(::CoCreateInstance(htmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(&document)))) {
        return false;
    }
    document->Release();
#endif
    return true;
}

std::optional<CBrowserSupport::Version> CBrowserSupport::EngineVersion() {
    if (!EngineUsable()) {
        return std::nullopt;
    }
    const wxVersionInfo info = wxWebView::GetBackendVersionInfo(wxWebViewBackendDefault);
    return Version{info.GetMajor(), info.GetMinor()};
}

bool CBrowserSupport::DetectNewBrowser(const VersionQuery& query) {
    const auto version = query ? query() : std::nullopt;
    return version && version->major >= kFirstEngineMajor;
}

void CBrowserSupport::Start(const VersionQuery& query) {
    newBrowser_ = DetectNewBrowser(query);
    ReadBrowserWarning();
}

void CBrowserSupport::ReadBrowserWarning() {
    warnOldBrowser_ = profile_->GetInt(ProfileKeys::kMessage, ProfileKeys::kMessageIE, 1) == 1;
}

void CBrowserSupport::DisableBrowserWarning() {
    profile_->WriteInt(ProfileKeys::kMessage, ProfileKeys::kMessageIE, 0);
    warnOldBrowser_ = false;
}

bool CBrowserSupport::MustWarn(const std::string& link) const {
    // The warning is about anchors in local files; a web address never needs
    // it, and "https://" is as much one as "http://" (both case-sensitive).
    const bool webAddress = link.compare(0, 7, "http://") == 0 || link.compare(0, 8, "https://") == 0;
    return !webAddress && !newBrowser_ && warnOldBrowser_;
}
