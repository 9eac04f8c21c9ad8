// The four zoomed fonts of a view, and the text measuring behind the
// layout's measuring pass. That pass visits every person, so widths are
// summed from each character's advance, measured once per font: exact for
// Japanese text, within a pixel or two of kerned Latin text, and a hundred
// times faster than laying out every name.
#pragma once

#include "layout/CTextMeasurer.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/font.h>

#include <array>
#include <unordered_map>

struct CDocSettings;

class CViewFonts : public CTextMeasurer {
public:
    CViewFonts();
    CViewFonts(const CViewFonts&) = delete;
    CViewFonts& operator=(const CViewFonts&) = delete;

    // The document's fonts at percent zoom.
    void Recreate(const CDocSettings& settings, int percent);

    const wxFont& Font(TimelineFont font) const { return fonts_[Index(font)]; }

    int TextWidth(TimelineFont font, std::string_view utf8) const override;
    int TextHeight(TimelineFont font) const override { return heights_[Index(font)]; }

private:
    static std::size_t Index(TimelineFont f) { return static_cast<std::size_t>(f); }
    int Advance(TimelineFont font, char32_t c) const;

    std::array<wxFont, 4> fonts_;
    std::array<int, 4> heights_{};
    wxBitmap scratch_;
    mutable wxMemoryDC dc_;
    mutable std::array<std::unordered_map<char32_t, int>, 4> advances_;
};
