// The colour chooser users see: the platform's colour dialog.
#pragma once

#include "wxsupport/CColorChooser.h"

class CWxColorChooser : public CColorChooser {
public:
    std::optional<std::uint32_t> Choose(wxWindow* parent, std::uint32_t initial, CCustomColors* customColors) override;
};
