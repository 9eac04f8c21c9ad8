// The year axis across the top: which years are labelled, where labels,
// long ticks with their grid lines and short ticks stand. On screen only
// the labels in view are laid out; for print every one of the range.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class CTimelineGeometry;

struct CHeaderMark {
    std::int64_t gridYear = 0;  // the year of this step of the grid
    std::int64_t x = 0;         // its x
    // The label, its long tick and its grid line stand at labelX. A step on
    // a year ending in 50 is labelled with the next round hundred half a
    // step later; the range's last year, when it ends in 50, gets no label.
    bool hasLabel = false;
    std::int64_t labelYear = 0;
    std::int64_t labelX = 0;
    std::optional<std::int64_t> shortTickX;
};

struct CHeaderGrid {
    std::int64_t firstYear = 0;  // first and last labelled grid year
    std::int64_t lastYear = 0;
    std::int64_t firstX = 0;     // x of the first grid year
    std::int64_t step = 1;       // pixels between grid years
    std::vector<CHeaderMark> marks;
};

class CHeaderLayout {
public:
    // The part of the axis in view: scrollX is the horizontal scroll position.
    struct View {
        std::int64_t scrollX = 0;
        std::int64_t width = 0;
    };

    // labelStep: years between labels (the document's, 100).
    // view: none lays out every label of the range (printing).
    static CHeaderGrid Layout(const CTimelineGeometry& g, int labelStep, const std::optional<View>& view);
};
