// Exact text sizes from the device context a paint draws on, so that the
// pieces of a row's texts join without gaps on every device.
#pragma once

#include "layout/CTextMeasurer.h"

class CViewFonts;
class wxDC;

class CDcMeasurer : public CTextMeasurer {
public:
    CDcMeasurer(wxDC& dc, const CViewFonts& fonts) : dc_(&dc), fonts_(&fonts) {}

    int TextWidth(TimelineFont font, std::string_view utf8) const override;
    int TextHeight(TimelineFont font) const override;

private:
    wxDC* dc_;
    const CViewFonts* fonts_;
};
