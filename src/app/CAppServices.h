// What the window needs from the program around it: the profile, the way
// files, colours and fonts are chosen, where the shared category file lives and how a page is
// opened in the desktop's browser. The application fills it with the real
// ones; tests with a memory profile and file choices of their own.
#pragma once

#include "links/CAnnalixLink.h"
#include "model/CEditSession.h"

#include <wx/string.h>

#include <filesystem>
#include <functional>
#include <memory>

class CBrowserSupport;
class CColorChooser;
class CFileChooser;
class CFontChooser;
class CProfile;

struct CAppServices {
    CProfile* profile = nullptr;
    // What the window remembers while a document is open.
    CEditSession session;
    CFileChooser* fileChooser = nullptr;
    CColorChooser* colorChooser = nullptr;
    CFontChooser* fontChooser = nullptr;
    std::filesystem::path sharedCategoryFile;
    std::filesystem::path helpIndex;
    // Opens a file or web address with the desktop's default program;
    // false when that fails.
    std::function<bool(const wxString& url)> openUrl;
    // The web browser's flags (set up at start); none: no browser counts as new.
    CBrowserSupport* browser = nullptr;
    // How the frame's Annalix link reaches other programs (unset: the
    // session bus) and the names of its block and event.
    std::function<std::unique_ptr<CLinkTransport>()> linkTransport;
    CAnnalixLink::Options linkOptions;
};
