#include "layout/CContextYear.h"

#include "layout/CTimelineGeometry.h"
#include "layout/FloorDivision.h"
#include "model/CPerson.h"
#include "model/CVitachronDoc.h"

#include <algorithm>

namespace {

// The year in whole years, or the fallback for an unknown year and for one
// that only a coarser scale records.
std::int64_t YearlyOr(const CScaleYear& year, std::int64_t fallback) {
    if (year.IsUnknown()) {
        return fallback;
    }
    const CScaleYear::Scaled v = year.ValueIn(1);
    return v.multiplier > 1 ? fallback : v.value;
}

}  // namespace

CContextYear::Ends CContextYear::RecordedEnds(const CTimelineGeometry& g, const CPerson& person) {
    Ends e;
    e.beginYear = YearlyOr(person.birth, g.FirstYear());
    e.endYear = YearlyOr(person.death, g.LastYear());
    e.beginX = g.YearToX(std::max(e.beginYear, g.FirstYear()));
    e.endX = g.YearToX(std::min(e.endYear, g.LastYear()));
    return e;
}

std::int64_t CContextYear::GridYear(const CContextPoint& p, int labelStep) {
    const std::int64_t t = std::max<std::int64_t>(p.gridStep, 1);
    const std::int64_t years = std::max(labelStep, 1);
    // The walk visits k = 0, 1, ... while the grid year is below the last
    // labelled one; the first k whose [x - t/2, x + t/2] holds the point is
    // the smallest k with k*t >= p.x - firstX - t/2, if that one holds it.
    const std::int64_t steps =
        p.gridLastYear > p.gridFirstYear ? FloorDivision::CeilDiv(p.gridLastYear - p.gridFirstYear, years) : 0;
    const std::int64_t k = std::max<std::int64_t>(0, FloorDivision::CeilDiv(p.x - p.gridFirstX - t / 2, t));
    const std::int64_t x = p.gridFirstX + k * t;
    if (k < steps && x - t / 2 <= p.x && p.x <= x + t / 2) {
        return p.gridFirstYear + k * years;
    }
    return p.gridLastYear;
}

std::int64_t CContextYear::Find(const CVitachronDoc& doc, const CTimelineGeometry& g, const CContextPoint& p,
                                std::int64_t scrollY) {
    const auto count = static_cast<std::int64_t>(doc.DisplayOrder().size());
    if (p.y - scrollY > g.HeaderHeight() && p.row >= 0 && p.row < count) {
        const CPerson* person = doc.GetDisplayed(static_cast<int>(p.row));
        const Ends e = RecordedEnds(g, *person);
        const std::int64_t toBegin = p.x > e.beginX ? p.x - e.beginX : e.beginX - p.x;
        const std::int64_t toEnd = p.x > e.endX ? p.x - e.endX : e.endX - p.x;
        return toBegin < toEnd ? e.beginYear : e.endYear;
    }
    if (p.baseLabel && p.baseLabel->Contains(p.x, p.y)) {
        return doc.Settings().baseYear;
    }
    return GridYear(p, doc.Settings().labelStep);
}
