#include "view/CViewFonts.h"

#include "model/CDocSettings.h"
#include "wxsupport/CLogFontConverter.h"

namespace {

// Decodes one UTF-8 sequence; malformed bytes stand for themselves.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i++]);
    int extra = 0;
    char32_t c = b;
    if (b >= 0xF0) {
        extra = 3;
        c = b & 0x07;
    } else if (b >= 0xE0) {
        extra = 2;
        c = b & 0x0F;
    } else if (b >= 0xC0) {
        extra = 1;
        c = b & 0x1F;
    }
    for (; extra > 0 && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; --extra) {
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

}  // namespace

CViewFonts::CViewFonts() : scratch_(8, 8) {
    dc_.SelectObject(scratch_);
    for (auto& f : fonts_) {
        f = *wxNORMAL_FONT;
    }
}

void CViewFonts::Recreate(const CDocSettings& s, int percent) {
    const double dpi = CLogFontConverter::ScreenDpi();
    fonts_[Index(TimelineFont::Name)] = CLogFontConverter::ToWxFont(s.fontName, percent, dpi);
    fonts_[Index(TimelineFont::Scale)] = CLogFontConverter::ToWxFont(s.fontScale, percent, dpi);
    fonts_[Index(TimelineFont::Year)] = CLogFontConverter::ToWxFont(s.fontYear, percent, dpi);
    fonts_[Index(TimelineFont::Basis)] = CLogFontConverter::ToWxFont(s.fontBasis, percent, dpi);
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        dc_.SetFont(fonts_[i]);
        wxCoord w = 0;
        wxCoord h = 0;
        // Kanji and digits together: the line height every text of the font takes.
        dc_.GetTextExtent(wxString::FromUTF8("0国"), &w, &h);
        heights_[i] = h;
        advances_[i].clear();
    }
}

int CViewFonts::Advance(TimelineFont font, char32_t c) const {
    auto& cache = advances_[Index(font)];
    if (const auto it = cache.find(c); it != cache.end()) {
        return it->second;
    }
    dc_.SetFont(fonts_[Index(font)]);
    wxCoord w = 0;
    wxCoord h = 0;
    dc_.GetTextExtent(wxString(wxUniChar(static_cast<wxUint32>(c))), &w, &h);
    cache.emplace(c, w);
    return w;
}

int CViewFonts::TextWidth(TimelineFont font, std::string_view utf8) const {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        width += Advance(font, NextCodePoint(utf8, i));
    }
    return width;
}
