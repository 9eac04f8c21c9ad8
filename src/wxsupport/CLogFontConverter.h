// A document font (the fields of a Windows logical font) as a wxFont at a
// zoom percentage, and back. A negative height is the character height in
// pixels; wx wants points, so the height becomes a fractional point size at
// the screen's resolution (whole-pixel sizes come out about 20 % small).
#pragma once

#include "model/CLogFont.h"

#include <wx/font.h>

class CLogFontConverter {
public:
    static constexpr double kDefaultDpi = 96.0;

    // The character height in pixels of the font at percent zoom, at least 1.
    static int PixelHeight(const CLogFont& font, int percent);
    static wxFont ToWxFont(const CLogFont& font, int percent = 100, double dpi = kDefaultDpi);
    // The chosen font as the document keeps it (face name cut to what the
    // file holds, character set kept from `base`).
    static CLogFont FromWxFont(const wxFont& font, double dpi = kDefaultDpi, const CLogFont& base = CLogFont::Default());
    // Dots per inch of the screen, for point sizes.
    static double ScreenDpi();
};
