// Choosing a font, behind an interface of ours, so tests can answer it: the
// platform's font dialog cannot be answered through wxTEST_DIALOG.
#pragma once

#include "model/CLogFont.h"

#include <optional>

class wxWindow;

class CFontChooser {
public:
    virtual ~CFontChooser() = default;

    // The font chosen, starting from initial; none when cancelled.
    virtual std::optional<CLogFont> Choose(wxWindow* parent, const CLogFont& initial) = 0;
};
