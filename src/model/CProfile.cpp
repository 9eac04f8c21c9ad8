#include "model/CProfile.h"

#include "model/CLogFont.h"
#include "model/ProfileKeys.h"

namespace PK = ProfileKeys;

bool CProfile::GetProfileFont(const std::string& section, CLogFont& font) const {
    const int height = GetInt(section, PK::kLfHeight, -1);
    if (height == -1) {
        return false;
    }
    const auto byteField = [&](const char* entry) {
        return static_cast<std::uint8_t>(GetInt(section, entry, -1));
    };
    font.height = height;
    font.width = GetInt(section, PK::kLfWidth, -1);
    font.escapement = GetInt(section, PK::kLfEscapement, -1);
    font.orientation = GetInt(section, PK::kLfOrientation, -1);
    font.weight = GetInt(section, PK::kLfWeight, -1);
    font.italic = byteField(PK::kLfItalic);
    font.underline = byteField(PK::kLfUnderline);
    font.strikeOut = byteField(PK::kLfStrikeOut);
    font.charSet = byteField(PK::kLfCharSet);
    font.outPrecision = byteField(PK::kLfOutPrecision);
    font.clipPrecision = byteField(PK::kLfClipPrecision);
    font.quality = byteField(PK::kLfQuality);
    font.pitchAndFamily = byteField(PK::kLfPitchAndFamily);
    font.faceName = CLogFont::FitFaceName(GetString(section, PK::kLfFaceName, ""));
    return true;
}

void CProfile::WriteProfileFont(const std::string& section, const CLogFont& font) {
    WriteInt(section, PK::kLfHeight, font.height);
    WriteInt(section, PK::kLfWidth, font.width);
    WriteInt(section, PK::kLfEscapement, font.escapement);
    WriteInt(section, PK::kLfOrientation, font.orientation);
    WriteInt(section, PK::kLfWeight, font.weight);
    WriteInt(section, PK::kLfItalic, font.italic);
    WriteInt(section, PK::kLfUnderline, font.underline);
    WriteInt(section, PK::kLfStrikeOut, font.strikeOut);
    WriteInt(section, PK::kLfCharSet, font.charSet);
    WriteInt(section, PK::kLfOutPrecision, font.outPrecision);
    WriteInt(section, PK::kLfClipPrecision, font.clipPrecision);
    WriteInt(section, PK::kLfQuality, font.quality);
    WriteInt(section, PK::kLfPitchAndFamily, font.pitchAndFamily);
    WriteString(section, PK::kLfFaceName, CLogFont::FitFaceName(font.faceName));
}
