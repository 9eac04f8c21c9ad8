#include "app/CToolkitEnvironment.h"

#include <cstdlib>

void CToolkitEnvironment::Prepare() {
#ifndef _WIN32
    // A timeline is read by scrolling; its scroll bars stay in view rather
    // than appearing only under the mouse.
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
    // The window draws with cairo and shows nothing through GL; without
    // this GDK loads the GL driver at start only to choose a visual (under
    // Xvfb Mesa's software renderer: some 45 MB of every window's memory).
    // The web view of the HTML links renders on its own without it.
    setenv("GDK_GL", "disable", 0);
#endif
}
