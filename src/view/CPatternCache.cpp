#include "view/CPatternCache.h"

#include "wxsupport/WxConvert.h"

#include <wx/bitmap.h>
#include <wx/image.h>

namespace {

constexpr std::size_t kMaxBrushes = 256;  // colours in use are few; a bound all the same

}  // namespace

bool CPatternCache::IsBarPixel(FillKind kind, std::int64_t x, std::int64_t y) {
    // Rows of 0xAA (and 0x55 every other row for the checkerboard): a set
    // bit shows the background, a clear bit the bar colour.
    if (kind == FillKind::Hatch) {
        return (x & 1) != 0;
    }
    return ((x + y) & 1) != 0;
}

const wxBrush& CPatternCache::Brush(FillKind kind, std::uint32_t barColor, std::uint32_t backColor,
                                    std::int64_t originX, std::int64_t originY) {
    const int px = static_cast<int>(originX & 1);
    const int py = static_cast<int>(originY & 1);
    const Key key{static_cast<int>(kind), barColor, backColor, px, py};
    if (const auto it = brushes_.find(key); it != brushes_.end()) {
        return it->second;
    }
    if (brushes_.size() >= kMaxBrushes) {
        brushes_.clear();
    }
    const wxColour bar = ToWxColour(barColor);
    const wxColour back = ToWxColour(backColor);
    if (blended_) {
        const auto mix = [](unsigned char a, unsigned char b) { return static_cast<unsigned char>((a + b + 1) / 2); };
        return brushes_
            .emplace(key, wxBrush(wxColour(mix(bar.Red(), back.Red()), mix(bar.Green(), back.Green()),
                                           mix(bar.Blue(), back.Blue()))))
            .first->second;
    }
    wxImage image(8, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const wxColour& c = IsBarPixel(kind, x + px, y + py) ? bar : back;
            image.SetRGB(x, y, c.Red(), c.Green(), c.Blue());
        }
    }
    return brushes_.emplace(key, wxBrush(wxBitmap(image))).first->second;
}
