// never-idle: a window program that never looks at its messages for five
// seconds and then ends, as an Annalix that hangs while it starts.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    ::Sleep(5000);
    return 0;
}
