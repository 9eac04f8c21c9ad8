// How the layout learns the size of text without drawing it. The window
// implements this over its zoomed fonts; tests use fixed sizes.
#pragma once

#include <string_view>

// The document's four fonts, each zoomed by the views.
enum class TimelineFont { Name, Scale, Year, Basis };

class CTextMeasurer {
public:
    virtual ~CTextMeasurer() = default;

    // Width in pixels of a UTF-8 text drawn in that font.
    virtual int TextWidth(TimelineFont font, std::string_view utf8) const = 0;
    // The font's line height (ascent plus descent), the height every text
    // of that font takes.
    virtual int TextHeight(TimelineFont font) const = 0;
};
