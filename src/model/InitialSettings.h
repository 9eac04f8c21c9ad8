// The profile writes through which the user makes the current values the
// initial values of every new document. The document reads the same entries
// when it initialises its settings; the order of the writes is the one the
// program has always used, which other tools reading the profile may expect.
#pragma once

#include "model/CDocSettings.h"

#include <array>
#include <cstdint>

class CProfile;

// Color/Custom0 .. Custom15: the colour chooser's custom slots.
void WriteCustomColors(CProfile& profile, const std::array<std::uint32_t, 16>& colors);

// Color/Name, BeginEnd, HeaderYear, Back, Basis, Supple.
void SaveInitialColors(CProfile& profile, const CDocSettings& settings);

// The four fonts, in the sections FontName, FontScale, FontYear, FontBasis.
void SaveInitialFonts(CProfile& profile, const CDocSettings& settings);

// Init/LeftWidth, YearOnly, KazoeAster, Comment, DisplayAge, DisplayYearRange,
// DisplaySuppleMark, DefaultBarLength.
void SaveInitialSettings(CProfile& profile, int leftWidth, const CDocSettings& settings);
