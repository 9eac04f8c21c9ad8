// The font chooser users see: the platform's font dialog, for screen fonts.
#pragma once

#include "wxsupport/CFontChooser.h"

class CWxFontChooser : public CFontChooser {
public:
    std::optional<CLogFont> Choose(wxWindow* parent, const CLogFont& initial) override;
};
