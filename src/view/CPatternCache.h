// The patterned brushes of the bars: an 8x8 colour bitmap per bar colour,
// background and pattern (monochrome stipples ignore the text colour on
// GTK). Patterns are laid to document coordinates, so scrolling by an odd
// number of pixels does not shift them against the bars: the bitmap is
// built for the parity of the window's origin in the document.
#pragma once

#include "layout/CRowLayout.h"

#include <wx/brush.h>

#include <cstdint>
#include <map>
#include <tuple>

class CPatternCache {
public:
    // blended: each pattern becomes the even mix of its two colours, for
    // drawings (SVG, PDF) that scale freely, where a pixel pattern would be
    // resampled into stripes or cannot be expressed at all.
    explicit CPatternCache(bool blended = false) : blended_(blended) {}

    // kind is Hatch or Checker. originX/originY: the document point at the
    // device's (0, 0).
    const wxBrush& Brush(FillKind kind, std::uint32_t barColor, std::uint32_t backColor, std::int64_t originX,
                         std::int64_t originY);

    // Whether the document pixel (x, y) of a pattern takes the bar colour.
    static bool IsBarPixel(FillKind kind, std::int64_t x, std::int64_t y);

private:
    using Key = std::tuple<int, std::uint32_t, std::uint32_t, int, int>;
    std::map<Key, wxBrush> brushes_;
    bool blended_;
};
