#include "RealInput.h"

#include <wx/uiaction.h>

#include <gdk/gdkx.h>
// After GTK's: Xlib's macros (None, True, ...) stay out of the rest.
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdlib>

void RealWheel(const wxPoint& screen, int notches, HeldKey key) {
    wxUIActionSimulator().MouseMove(screen);
    Display* display = gdk_x11_display_get_xdisplay(gdk_display_get_default());
    const KeyCode held = key == HeldKey::Shift     ? XKeysymToKeycode(display, XK_Shift_L)
                         : key == HeldKey::Control ? XKeysymToKeycode(display, XK_Control_L)
                                                   : 0;
    if (held != 0) {
        XTestFakeKeyEvent(display, held, True, CurrentTime);
    }
    // Buttons 4 and 5 are the wheel's two directions.
    const unsigned int button = notches > 0 ? 4 : 5;
    for (int i = 0; i < std::abs(notches); ++i) {
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XTestFakeButtonEvent(display, button, False, CurrentTime);
    }
    if (held != 0) {
        XTestFakeKeyEvent(display, held, False, CurrentTime);
    }
    XFlush(display);
}
