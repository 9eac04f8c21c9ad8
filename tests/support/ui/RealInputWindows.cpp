#include "RealInput.h"

#include <wx/uiaction.h>

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {

INPUT Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

}  // namespace

// The system's own input queue (SendInput): the wheel message goes where
// Windows sends a user's, with the key state it keeps.
void RealWheel(const wxPoint& screen, int notches, HeldKey key) {
    wxUIActionSimulator().MouseMove(screen);
    const WORD held = key == HeldKey::Shift ? VK_SHIFT : key == HeldKey::Control ? VK_CONTROL : 0;
    std::vector<INPUT> inputs;
    if (held != 0) {
        inputs.push_back(Key(held, false));
    }
    for (int i = 0; i < std::abs(notches); ++i) {
        INPUT wheel{};
        wheel.type = INPUT_MOUSE;
        wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
        wheel.mi.mouseData = static_cast<DWORD>(notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
        inputs.push_back(wheel);
    }
    if (held != 0) {
        inputs.push_back(Key(held, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
