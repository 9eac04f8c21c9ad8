// Reading what a colour swatch of a dialog shows.
#pragma once

#include "dialogs/CColorStatic.h"

#include <wx/window.h>

#include <gtest/gtest.h>

#include <cstdint>

inline std::uint32_t SwatchColor(wxWindow& dialog, int id) {
    auto* swatch = dynamic_cast<CColorStatic*>(dialog.FindWindow(id));
    EXPECT_NE(swatch, nullptr) << "no swatch " << id;
    return swatch != nullptr ? swatch->GetColor() : 0xFFFFFFFFu;
}
