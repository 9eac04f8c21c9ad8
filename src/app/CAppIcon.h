// The program's icon in every size it is drawn at, built into the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

#include <string_view>

class CAppIcon {
public:
    static wxIconBundle Bundle();
    // The nearest size at or above `size`, scaled down when needed.
    static wxBitmap Bitmap(int size);
    // The PNG file of the largest size, for the desktop's icon theme.
    static std::string_view LargestPng();
};
