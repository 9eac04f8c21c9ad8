// Input the system itself makes (the X server's XTest, Windows' SendInput),
// so that it passes through the toolkit as a user's does: to the window under
// the pointer, with the toolkit's own handling (scroll bars, popups) after
// the program's. What reaches wx only through ProcessEvent never sees that
// part.
#pragma once

#include <wx/gdicmn.h>

enum class HeldKey { None, Shift, Control };

// Turns the wheel at the screen point by notches (positive: away from the
// user, up) with the key held meanwhile; the pointer stays there.
void RealWheel(const wxPoint& screen, int notches, HeldKey key = HeldKey::None);
