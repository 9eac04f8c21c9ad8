// What the window needs from the program around it: the profile, the way
// files, colours and fonts are chosen, where the shared category file lives and how a page is
// opened in the desktop's browser. The application fills it with the real
// ones; tests with a memory profile and file choices of their own.
#pragma once

#include <wx/string.h>

#include <filesystem>
#include <functional>

class CColorChooser;
class CFileChooser;
class CFontChooser;
class CProfile;

struct CAppServices {
    CProfile* profile = nullptr;
    CFileChooser* fileChooser = nullptr;
    CColorChooser* colorChooser = nullptr;
    CFontChooser* fontChooser = nullptr;
    std::filesystem::path sharedCategoryFile;
    std::filesystem::path helpIndex;
    // Opens a file or web address with the desktop's default program;
    // false when that fails.
    std::function<bool(const wxString& url)> openUrl;
};
