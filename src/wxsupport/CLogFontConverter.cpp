#include "wxsupport/CLogFontConverter.h"

#include "wxsupport/WxConvert.h"

#include <wx/dcscreen.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The family half of lfPitchAndFamily.
constexpr int kFamilyRoman = 0x10;
constexpr int kFamilySwiss = 0x20;
constexpr int kFamilyModern = 0x30;
constexpr int kFamilyScript = 0x40;
constexpr int kFamilyDecorative = 0x50;
constexpr int kDefaultPixelHeight = 16;  // a height of 0 asks for the default size

wxFontFamily FamilyOf(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case kFamilyRoman: return wxFONTFAMILY_ROMAN;
        case kFamilySwiss: return wxFONTFAMILY_SWISS;
        case kFamilyModern: return wxFONTFAMILY_TELETYPE;
        case kFamilyScript: return wxFONTFAMILY_SCRIPT;
        case kFamilyDecorative: return wxFONTFAMILY_DECORATIVE;
        default: return wxFONTFAMILY_DEFAULT;
    }
}

std::uint8_t FamilyBits(wxFontFamily family) {
    switch (family) {
        case wxFONTFAMILY_ROMAN: return kFamilyRoman;
        case wxFONTFAMILY_SWISS: return kFamilySwiss;
        case wxFONTFAMILY_TELETYPE:
        case wxFONTFAMILY_MODERN: return kFamilyModern;
        case wxFONTFAMILY_SCRIPT: return kFamilyScript;
        case wxFONTFAMILY_DECORATIVE: return kFamilyDecorative;
        default: return 0;
    }
}

}  // namespace

int CLogFontConverter::PixelHeight(const CLogFont& font, int percent) {
    // Windows reads a positive height as the cell height; both are taken as
    // the character height here, which is as near as fontconfig's fonts get.
    const std::int64_t height = font.height == 0 ? kDefaultPixelHeight : std::llabs(static_cast<long long>(font.height));
    return static_cast<int>(std::clamp<std::int64_t>(height * percent / 100, 1, 2000));
}

wxFont CLogFontConverter::ToWxFont(const CLogFont& font, int percent, double dpi) {
    wxFontInfo info;
    info.Family(FamilyOf(font.pitchAndFamily)).FaceName(ToWx(font.faceName));
    if (font.italic != 0) {
        info.Italic();
    }
    if (font.underline != 0) {
        info.Underlined();
    }
    if (font.strikeOut != 0) {
        info.Strikethrough();
    }
    wxFont result(info);
    result.SetFractionalPointSize(PixelHeight(font, percent) * 72.0 / dpi);
    const int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 1, 1000);
    result.SetNumericWeight(weight);
    return result;
}

CLogFont CLogFontConverter::FromWxFont(const wxFont& font, double dpi, const CLogFont& base) {
    CLogFont f = base;
    f.height = -static_cast<std::int32_t>(std::lround(font.GetFractionalPointSize() * dpi / 72.0));
    f.width = 0;
    f.weight = font.GetNumericWeight();
    f.italic = font.GetStyle() == wxFONTSTYLE_NORMAL ? 0 : 1;
    f.underline = font.GetUnderlined() ? 1 : 0;
    f.strikeOut = font.GetStrikethrough() ? 1 : 0;
    f.pitchAndFamily = static_cast<std::uint8_t>((f.pitchAndFamily & 0x0F) | FamilyBits(font.GetFamily()));
    f.faceName = CLogFont::FitFaceName(FromWx(font.GetFaceName()));
    return f;
}

double CLogFontConverter::ScreenDpi() {
    const wxSize ppi = wxScreenDC().GetPPI();
    return ppi.y > 0 ? ppi.y : kDefaultDpi;
}
