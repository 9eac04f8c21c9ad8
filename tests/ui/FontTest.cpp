#include "model/CDocSettings.h"
#include "model/CLogFont.h"
#include "platform/CFontSetup.h"
#include "view/CViewFonts.h"
#include "wxsupport/CLogFontConverter.h"
#include "wxsupport/WxConvert.h"

#include <wx/dcmemory.h>

#include <gtest/gtest.h>

TEST(CLogFontConverter, WindowsPixelHeightsBecomeFractionalPointSizesAtTheZoom) {
    const CLogFont font = CLogFont::Default();  // "ＭＳ Ｐゴシック", -15, weight 400
    EXPECT_EQ(CLogFontConverter::PixelHeight(font, 100), 15);
    EXPECT_EQ(CLogFontConverter::PixelHeight(font, 150), 22);  // truncated as the program always did
    EXPECT_EQ(CLogFontConverter::PixelHeight(font, 10), 1);
    const wxFont wx = CLogFontConverter::ToWxFont(font, 100, 96.0);
    EXPECT_DOUBLE_EQ(wx.GetFractionalPointSize(), 11.25);
    EXPECT_EQ(wx.GetFaceName(), ToWx("ＭＳ Ｐゴシック"));
    EXPECT_EQ(wx.GetNumericWeight(), 400);
    EXPECT_EQ(wx.GetStyle(), wxFONTSTYLE_NORMAL);

    CLogFont bold = font;
    bold.weight = 700;
    bold.italic = 1;
    bold.underline = 1;
    bold.faceName = "ＭＳ 明朝";
    bold.height = -20;
    const CLogFont back = CLogFontConverter::FromWxFont(CLogFontConverter::ToWxFont(bold, 100, 96.0), 96.0, font);
    EXPECT_EQ(back.height, -20);
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.italic, 1);
    EXPECT_EQ(back.underline, 1);
    EXPECT_EQ(back.faceName, "ＭＳ 明朝");
    EXPECT_EQ(back.charSet, 128);
}

// Windows has these faces itself: the mapping is for fontconfig alone.
#ifndef _WIN32
TEST(CFontSetup, WindowsJapaneseFaceNamesResolveToInstalledJapaneseFonts) {
    EXPECT_EQ(CFontSetup::Resolve("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(CFontSetup::Resolve("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(CFontSetup::Resolve("ＭＳ 明朝"), "IPAMincho");
    EXPECT_EQ(CFontSetup::Resolve("ＭＳ Ｐ明朝"), "IPAPMincho");
    EXPECT_EQ(CFontSetup::Resolve("MS UI Gothic"), "IPAPGothic");
    EXPECT_EQ(CFontSetup::Resolve("メイリオ"), "IPAPGothic");
    EXPECT_FALSE(CFontSetup::Load("/nonexistent/vitachron-fonts.conf"));
}
#endif

TEST(CViewFonts, JapaneseTextIsDrawnWithGlyphsNotEmptyBoxes) {
    CDocSettings settings;
    CViewFonts fonts;
    fonts.Recreate(settings, 200);
    // A box (the missing-glyph sign) is the same for every character; real
    // glyphs differ, so two different kanji must not give the same picture.
    const auto draw = [&](const char* text) {
        wxBitmap bmp(60, 40, 24);
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetFont(fonts.Font(TimelineFont::Name));
        dc.SetTextForeground(*wxBLACK);
        dc.DrawText(ToWx(text), 2, 2);
        dc.SelectObject(wxNullBitmap);
        return bmp.ConvertToImage();
    };
    const wxImage a = draw("織");
    const wxImage b = draw("田");
    int differing = 0;
    int ink = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            differing += a.GetRed(x, y) != b.GetRed(x, y) ? 1 : 0;
            ink += a.GetRed(x, y) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 40);
    EXPECT_GT(differing, 40);
    // Kanji are full width: as wide as the font is high, near enough.
    EXPECT_NEAR(fonts.TextWidth(TimelineFont::Name, "織田"), 2 * 30, 4);
}
