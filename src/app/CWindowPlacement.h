// Where the main window opens. The stored rectangle comes from a profile
// that may be old, edited or damaged, and the displays may have changed
// since it was written: it is restored only where it lies within one of the
// current displays. Otherwise the window gets its default size on the
// primary display, instead of a window out of sight or larger than any
// screen (which the toolkit cannot create, or takes minutes and gigabytes to).
#pragma once

#include <wx/gdicmn.h>

#include <vector>

class CProfile;

class CWindowPlacement {
public:
    struct Screens {
        std::vector<wxRect> displays;  // whole areas, the primary first
        wxRect primaryWorkArea;        // the primary without panels and docks
    };
    struct Placement {
        wxPoint position = wxDefaultPosition;  // the default: the desktop decides
        wxSize size;
    };

    // left, top, right, bottom as stored; an empty rectangle (no positive
    // width or height) leaves the place to the desktop.
    static Placement Choose(int left, int top, int right, int bottom, const Screens& screens, wxSize defaultSize);
    static Screens CurrentScreens();
    // The stored rectangle of the profile ("LastPos") on the current displays.
    static Placement FromProfile(const CProfile& profile, wxSize defaultSize);
};
