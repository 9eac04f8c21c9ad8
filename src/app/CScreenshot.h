// A picture of a top-level window as it stands on the screen, for runs
// without a display of their own (scripts, whole-program tests).
#pragma once

#include <wx/string.h>

class wxWindow;

class CScreenshot {
public:
    // Saves the window's current on-screen content as PNG; false on failure.
    static bool Save(wxWindow* window, const wxString& pngFile);
};
