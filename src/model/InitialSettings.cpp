#include "model/InitialSettings.h"

#include "model/CProfile.h"
#include "model/ProfileKeys.h"

#include <string>

namespace PK = ProfileKeys;

namespace {

// Colour values never use the top byte, so they fit a profile int unchanged.
int ProfileInt(std::uint32_t color) { return static_cast<int>(color); }

}  // namespace

void WriteCustomColors(CProfile& profile, const std::array<std::uint32_t, 16>& colors) {
    for (std::size_t i = 0; i < colors.size(); ++i) {
        profile.WriteInt(PK::kColor, PK::kColorCustomPrefix + std::to_string(i), ProfileInt(colors[i]));
    }
}

void SaveInitialColors(CProfile& profile, const CDocSettings& s) {
    profile.WriteInt(PK::kColor, PK::kColorName, ProfileInt(s.nameColor));
    profile.WriteInt(PK::kColor, PK::kColorBeginEnd, ProfileInt(s.beginEndColor));
    profile.WriteInt(PK::kColor, PK::kColorHeaderYear, ProfileInt(s.headerYearColor));
    profile.WriteInt(PK::kColor, PK::kColorBack, ProfileInt(s.backColor));
    profile.WriteInt(PK::kColor, PK::kColorBasis, ProfileInt(s.basisColor));
    profile.WriteInt(PK::kColor, PK::kColorSupple, ProfileInt(s.suppleColor));
}

void SaveInitialSettings(CProfile& profile, int leftWidth, const CDocSettings& s) {
    profile.WriteInt(PK::kInit, PK::kInitLeftWidth, leftWidth);
    profile.WriteInt(PK::kInit, PK::kInitYearOnly, s.yearOnly ? 1 : 0);
    profile.WriteInt(PK::kInit, PK::kInitKazoeAster, s.kazoeAster ? 1 : 0);
    profile.WriteString(PK::kInit, PK::kInitComment, s.commentSeparator);
    profile.WriteInt(PK::kInit, PK::kInitDisplayAge, s.displayAge ? 1 : 0);
    profile.WriteInt(PK::kInit, PK::kInitDisplayYearRange, s.displayYearRange ? 1 : 0);
    profile.WriteInt(PK::kInit, PK::kInitDisplaySuppleMark, s.displaySuppleMark ? 1 : 0);
    profile.WriteInt(PK::kInit, PK::kInitDefaultBarLength, s.defaultBarLength);
}

void SaveInitialFonts(CProfile& profile, const CDocSettings& settings) {
    profile.WriteProfileFont(PK::kFontName, settings.fontName);
    profile.WriteProfileFont(PK::kFontScale, settings.fontScale);
    profile.WriteProfileFont(PK::kFontYear, settings.fontYear);
    profile.WriteProfileFont(PK::kFontBasis, settings.fontBasis);
}
