// A text measurer with fixed sizes: every character (code point) is
// `charWidth` wide, each font has its own height.
#pragma once

#include "layout/CTextMeasurer.h"

#include <array>
#include <string_view>

class CFixedMeasurer : public CTextMeasurer {
public:
    int charWidth = 7;
    // Name, Scale, Year, Basis
    std::array<int, 4> heights{16, 14, 12, 13};

    int TextWidth(TimelineFont, std::string_view utf8) const override {
        int n = 0;
        for (const char c : utf8) {
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
                ++n;
            }
        }
        return n * charWidth;
    }
    int TextHeight(TimelineFont font) const override { return heights[static_cast<std::size_t>(font)]; }
};
