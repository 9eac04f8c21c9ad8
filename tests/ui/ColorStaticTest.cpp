#include "dialogs/CColorStatic.h"

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/rawbmp.h>

#include <gtest/gtest.h>

namespace {

wxColour PixelAt(const wxBitmap& bmp, int x, int y) {
    const wxImage img = bmp.ConvertToImage();
    return wxColour(img.GetRed(x, y), img.GetGreen(x, y), img.GetBlue(x, y));
}

}  // namespace

TEST(CColorStatic, FillsItsAreaWithTheColourValueRedInTheLowByte) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "swatch");
    auto* swatch = new CColorStatic(frame, wxID_ANY, wxSize(40, 20));
    swatch->SetColor(0x804020);  // red 0x20, green 0x40, blue 0x80
    EXPECT_EQ(swatch->GetColor(), 0x804020u);

    wxBitmap bmp(swatch->GetClientSize(), 24);
    {
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        swatch->Render(dc);
    }
    const wxSize size = swatch->GetClientSize();
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{size.x / 2, size.y / 2}, std::pair{size.x - 1, size.y - 1}}) {
        EXPECT_EQ(PixelAt(bmp, x, y), wxColour(0x20, 0x40, 0x80)) << x << "," << y;
    }
    frame->Destroy();
}
