// The six drawing colours of a document as one value, so a command can keep
// them while a dialog tries colours out on the live document and put them
// back when the user cancels.
#pragma once

#include "model/CDocSettings.h"

#include <cstdint>

struct CDrawingColors {
    std::uint32_t name = 0;
    std::uint32_t beginEnd = 0;
    std::uint32_t headerYear = 0;
    std::uint32_t back = 0xFFFFFF;
    std::uint32_t basis = 0xFF0000;  // blue
    std::uint32_t supple = 255;      // red

    // The colours a document has when the profile says nothing.
    static CDrawingColors Defaults() { return CDrawingColors{}; }

    static CDrawingColors Of(const CDocSettings& s) {
        return CDrawingColors{s.nameColor, s.beginEndColor, s.headerYearColor, s.backColor, s.basisColor, s.suppleColor};
    }

    void ApplyTo(CDocSettings& s) const {
        s.nameColor = name;
        s.beginEndColor = beginEnd;
        s.headerYearColor = headerYear;
        s.backColor = back;
        s.basisColor = basis;
        s.suppleColor = supple;
    }

    friend bool operator==(const CDrawingColors&, const CDrawingColors&) = default;
};
