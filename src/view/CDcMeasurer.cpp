#include "view/CDcMeasurer.h"

#include "view/CViewFonts.h"

#include <wx/dc.h>

int CDcMeasurer::TextWidth(TimelineFont font, std::string_view utf8) const {
    if (utf8.empty()) {
        return 0;
    }
    wxCoord w = 0;
    wxCoord h = 0;
    dc_->GetTextExtent(wxString::FromUTF8(utf8.data(), utf8.size()), &w, &h, nullptr, nullptr, &fonts_->Font(font));
    return w;
}

int CDcMeasurer::TextHeight(TimelineFont font) const { return fonts_->TextHeight(font); }
