#include "layout/CTimelineGeometry.h"

#include "layout/CTextMeasurer.h"
#include "layout/FloorDivision.h"
#include "model/CPerson.h"
#include "model/CVitachronDoc.h"

#include <algorithm>

namespace {

// Settings come from files too; a damaged file must not divide by zero or
// overflow the pixel arithmetic, so each is held to a range it cannot leave.
int Bounded(std::int64_t v, std::int64_t lo, std::int64_t hi, std::int64_t fallback) {
    if (v < lo || v > hi) {
        return static_cast<int>(fallback);
    }
    return static_cast<int>(v);
}

}  // namespace

CTimelineGeometry::CTimelineGeometry(const CVitachronDoc& doc, int scaleFontHeight, int leftMargin, int currentYear,
                                     std::int64_t timelineOrigin)
    : firstYear_(doc.FirstDrawnYear()),
      lastYear_(doc.LastDrawnYear()),
      timelineOrigin_(timelineOrigin),
      leftMargin_(leftMargin),
      currentYear_(currentYear) {
    const CDocSettings& s = doc.Settings();
    zoom_ = Bounded(s.zoom, 1, 1000, 100);
    yearWidth_ = Bounded(s.yearWidth, 1, 10'000'000, 200);
    displayUnit_ = Bounded(s.displayUnit, 1, 1'000'000'000, 1);
    defaultBarLength_ = Bounded(s.defaultBarLength, 0, 1'000'000'000, 50);
    const std::int64_t rowHeight = Bounded(s.rowHeight, 1, 100'000, 40);
    const std::int64_t barThickness = Bounded(s.barThickness, 0, 100'000, 10);
    rowHeight_ = static_cast<int>(std::max<std::int64_t>(1, zoom_ * rowHeight / 100));
    barThickness_ = static_cast<int>(zoom_ * barThickness / 100);
    headerHeight_ = scaleFontHeight + 10;
}

CTimelineGeometry::CTimelineGeometry(const CVitachronDoc& doc, const CTextMeasurer& measurer, int leftMargin,
                                     int currentYear, std::int64_t timelineOrigin)
    : CTimelineGeometry(doc, measurer.TextHeight(TimelineFont::Scale), leftMargin, currentYear, timelineOrigin) {}

std::int64_t CTimelineGeometry::YearSpanToPixels(std::int64_t years) const {
    std::int64_t px = years;
    if (yearWidth_ > 100) {
        px = years * (yearWidth_ / 100);
    } else if (yearWidth_ < 100) {
        px = years / (100 / yearWidth_);
    }
    return px * zoom_ / 100;
}

std::int64_t CTimelineGeometry::YearToX(std::int64_t year) const {
    return YearSpanToPixels(year - firstYear_) + timelineOrigin_ + leftMargin_;
}

std::int64_t CTimelineGeometry::AxisRight() const {
    return YearSpanToPixels(lastYear_ - firstYear_) + timelineOrigin_ + leftMargin_ + RightMargin();
}

std::int64_t CTimelineGeometry::RowFromPoint(std::int64_t y) const {
    if (y < headerHeight_) {
        return -1;
    }
    return (y - headerHeight_) / rowHeight_;
}

std::int64_t CTimelineGeometry::BarRowFromPoint(std::int64_t y, std::int64_t count) const {
    // Row r's band is [RowTop(r) + RowHeight/2, that + BarThickness].
    const std::int64_t offset = y - headerHeight_ - rowHeight_ / 2;
    const std::int64_t lowest = std::max<std::int64_t>(0, -FloorDivision::Div(-(offset - barThickness_), rowHeight_));
    if (lowest >= count) {
        return -1;
    }
    const std::int64_t bandTop = BarTop(RowTop(lowest));
    return (bandTop <= y && y <= bandTop + barThickness_) ? lowest : -1;
}

CBar CTimelineGeometry::ComputeBar(const CPerson& person) const {
    CBar bar;
    const auto inYears = [&](const CScaleYear& y, std::int64_t coarse) -> std::int64_t {
        const CScaleYear::Scaled v = y.ValueIn(static_cast<std::uint32_t>(displayUnit_));
        // A year known only to a coarser scale than the display unit spans the whole range.
        return v.multiplier > 1 ? coarse : v.value;
    };
    const bool birthUnknown = person.birth.IsUnknown();
    const bool deathUnknown = person.death.IsUnknown();
    bar.beginYear = birthUnknown ? person.birth.value : inYears(person.birth, firstYear_);
    bar.endYear = deathUnknown ? person.death.value : inYears(person.death, lastYear_);

    if (birthUnknown) {
        if (person.birthUncertain) {
            bar.beginYear = bar.endYear - defaultBarLength_;
            bar.startKind = BarEnd::Uncertain;
        } else {
            bar.startKind = BarEnd::Unknown;
        }
    }
    if (deathUnknown) {
        if (person.deathUncertain) {
            bar.endYear = bar.beginYear + defaultBarLength_;
            bar.endKind = BarEnd::Uncertain;
        } else {
            bar.endYear = currentYear_;
            bar.endKind = BarEnd::Living;
        }
    }
    bar.beginX = YearToX(std::max(bar.beginYear, firstYear_));
    bar.endX = YearToX(std::min(bar.endYear, lastYear_));
    if (bar.startKind == BarEnd::Unknown) {
        // Without a start there is no bar to draw.
        bar.beginX = bar.endX + 1;
    }
    return bar;
}
