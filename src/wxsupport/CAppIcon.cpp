#include "wxsupport/CAppIcon.h"

#include "res/AppIconData.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include <array>

namespace {

struct IconSize {
    int size;
    const unsigned char* data;
    std::size_t bytes;
};

const std::array<IconSize, 6>& Sizes() {
    static const std::array<IconSize, 6> sizes{{
        {16, kIcon16, sizeof kIcon16},
        {32, kIcon32, sizeof kIcon32},
        {48, kIcon48, sizeof kIcon48},
        {64, kIcon64, sizeof kIcon64},
        {128, kIcon128, sizeof kIcon128},
        {256, kIcon256, sizeof kIcon256},
    }};
    return sizes;
}

wxImage Load(const IconSize& s) {
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxImage::AddHandler(new wxPNGHandler);
    }
    wxMemoryInputStream in(s.data, s.bytes);
    return wxImage(in, wxBITMAP_TYPE_PNG);
}

}  // namespace

wxIconBundle CAppIcon::Bundle() {
    wxIconBundle bundle;
    for (const IconSize& s : Sizes()) {
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(Load(s)));
        bundle.AddIcon(icon);
    }
    return bundle;
}

wxBitmap CAppIcon::Bitmap(int size) {
    for (const IconSize& s : Sizes()) {
        if (s.size >= size) {
            wxImage image = Load(s);
            if (s.size != size) {
                image.Rescale(size, size, wxIMAGE_QUALITY_HIGH);
            }
            return wxBitmap(image);
        }
    }
    return wxBitmap(Load(Sizes().back()));
}
