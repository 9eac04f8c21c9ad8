// Choosing a colour, behind an interface of ours: dialogs ask this rather
// than a wxColourDialog, because under GTK the native chooser overwrites
// whatever an answered wxTEST_DIALOG put into its colour data, so tests
// could not answer it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

class wxWindow;

// The chooser's 16 custom colour slots, as colour values 0x00BBGGRR.
using CCustomColors = std::array<std::uint32_t, 16>;

class CColorChooser {
public:
    virtual ~CColorChooser() = default;

    // The colour chosen, starting from initial; none when cancelled.
    // customColors, when given, fill the custom slots and take the user's
    // edits of them when a colour is chosen; without them the chooser shows
    // its own.
    virtual std::optional<std::uint32_t> Choose(wxWindow* parent, std::uint32_t initial,
                                                CCustomColors* customColors) = 0;
};
