// The base-year settings the base year dialog edits, taken out of the
// document as one value and written back only when the dialog is accepted.
// The four age colours are not among them: their dialog changes the
// document directly.
#pragma once

#include "model/CDocSettings.h"

#include <cstdint>

struct CBaseYearValues {
    std::int32_t year = 1;
    bool shown = false;
    bool showBeforeBirth = true;
    bool showAfterDeath = true;
    bool countFromBirth = true;
    bool memorialCount = false;
    std::uint32_t basisColor = 0xFF0000;
    bool baseOnLine = true;
    bool baseBesideAge = false;

    static CBaseYearValues Of(const CDocSettings& s) {
        return CBaseYearValues{s.baseYear,       s.baseYearShown, s.showBeforeBirth,
                               s.showAfterDeath, s.countFromBirth, s.memorialCount,
                               s.basisColor,     s.baseOnLine,     s.baseBesideAge};
    }

    void ApplyTo(CDocSettings& s) const {
        s.baseYearShown = shown;
        s.baseYear = year;
        s.showBeforeBirth = showBeforeBirth;
        s.showAfterDeath = showAfterDeath;
        s.countFromBirth = countFromBirth;
        s.memorialCount = memorialCount;
        s.basisColor = basisColor;
        s.baseOnLine = baseOnLine;
        s.baseBesideAge = baseBesideAge;
    }

    friend bool operator==(const CBaseYearValues&, const CBaseYearValues&) = default;
};
