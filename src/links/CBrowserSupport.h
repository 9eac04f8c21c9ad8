// Whether the web browser can jump to an anchor in a local file, and the
// warning the user gets when it cannot. The application holds one and sets
// it up at start-up (Start), which sets newBrowser and warnOldBrowser.
//
// Here the browser is the WebView engine (WebKitGTK on Linux, the IE engine
// on Windows), which has jumped to anchors in local files from its first
// version on: it counts as new whenever it is there. Without it links go to
// the desktop's browser, which counts as old, so a local link still warns
// (the anchor may be dropped on the way there).
#pragma once

#include <functional>
#include <optional>
#include <string>

class CProfile;

class CBrowserSupport {
public:
    struct Version {
        int major = 0;
        int minor = 0;
    };
    // The engine's version, none when the query fails.
    using VersionQuery = std::function<std::optional<Version>()>;

    static constexpr int kFirstEngineMajor = 1;

    // Whether a WebView engine can show pages here. On Windows the IE engine
    // is built in, but its HTML document (mshtml) must also be there: a
    // system without it (Wine without Gecko) gets the default browser.
    static bool EngineUsable();
    // The WebView engine's version; none when no WebView engine is usable.
    static std::optional<Version> EngineVersion();
    // True when the query succeeds with a version the engine had from its first on.
    static bool DetectNewBrowser(const VersionQuery& query = EngineVersion);

    explicit CBrowserSupport(CProfile& profile) : profile_(&profile) {}

    // Start-up: newBrowser from the engine, warnOldBrowser from the profile.
    void Start(const VersionQuery& query = EngineVersion);
    // warnOldBrowser = ("Message"/"IE", default 1) is 1.
    void ReadBrowserWarning();
    // For good: writes "Message"/"IE" = 0 at once.
    void DisableBrowserWarning();

    bool NewBrowser() const { return newBrowser_; }
    bool WarnOldBrowser() const { return warnOldBrowser_; }

    // Opening this link must be preceded by the old-browser warning: it is
    // not a web address, the browser is old, and the warning is still on.
    bool MustWarn(const std::string& link) const;

private:
    CProfile* profile_;
    bool newBrowser_ = false;
    bool warnOldBrowser_ = true;
};
