#include "layout/CHeaderLayout.h"

#include "layout/CTimelineGeometry.h"
#include "layout/FloorDivision.h"

#include <algorithm>

CHeaderGrid CHeaderLayout::Layout(const CTimelineGeometry& g, int labelStep, const std::optional<View>& view) {
    CHeaderGrid grid;
    const std::int64_t stepYears = std::max(labelStep, 1);
    // Too small a scale would put every label on the same pixel; one pixel apart at least.
    const std::int64_t t = std::max<std::int64_t>(g.YearSpanToPixels(stepYears), 1);
    const std::int64_t originX = g.TimelineOrigin() + g.LeftMargin();
    const std::int64_t first = g.FirstYear();

    std::int64_t k = 0;
    std::int64_t lastYear = g.LastYear();
    if (view) {
        // From one step left of the first grid year in view (never before
        // the range), to one step right of the window's right edge.
        k = std::max<std::int64_t>(0, FloorDivision::Div(view->scrollX - originX, t) - 1);
        const std::int64_t right = view->width + view->scrollX;
        const std::int64_t kLast = (right - FloorDivision::Mod(right, t) + g.LeftMargin()) / t + 1;
        lastYear = std::min(lastYear, first + kLast * stepYears);
    }
    grid.step = t;
    grid.firstYear = first + k * stepYears;
    grid.firstX = k * t + originX;
    grid.lastYear = grid.firstYear;

    std::int64_t x = grid.firstX;
    for (std::int64_t y = grid.firstYear; y <= lastYear; y += stepYears, x += t) {
        CHeaderMark m;
        m.gridYear = y;
        m.x = x;
        const bool isLast = y == g.LastYear();
        if (FloorDivision::Mod(y, 100) == 50) {
            m.shortTickX = x;
            if (!isLast) {
                m.hasLabel = true;
                m.labelYear = y + 50;
                m.labelX = x + t / 2;
            }
        } else {
            m.hasLabel = true;
            m.labelYear = y;
            m.labelX = x;
            if (!isLast) {
                m.shortTickX = x + t / 2;
            }
        }
        grid.marks.push_back(m);
        grid.lastYear = y;
    }
    return grid;
}
