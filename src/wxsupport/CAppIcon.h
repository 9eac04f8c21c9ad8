// The program's icon in every size it is drawn at, built into the program
// from the same files (data/icons) that an installation gives the desktop.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>


class CAppIcon {
public:
    static wxIconBundle Bundle();
    // The nearest size at or above `size`, scaled down when needed.
    static wxBitmap Bitmap(int size);
};
