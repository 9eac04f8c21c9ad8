#include "layout/CTimelineLayout.h"

#include "layout/CRowMeasures.h"
#include "layout/CTextMeasurer.h"
#include "model/CVitachronDoc.h"

#include <algorithm>

CTimelineLayout::CTimelineLayout(const CVitachronDoc& doc, const CTextMeasurer& measurer, int leftMargin,
                                 int currentYear, std::int64_t timelineOrigin)
    : doc_(&doc),
      measurer_(&measurer),
      geometry_(doc, measurer, leftMargin, currentYear, timelineOrigin),
      rows_(doc, geometry_, measurer),
      names_(doc, geometry_, measurer) {
    contentWidth_ = geometry_.AxisRight();
    for (const CPerson* p : doc.DisplayOrder()) {
        contentWidth_ = std::max(contentWidth_, rows_.Reach(*p));
        nameListWidth_ = std::max(nameListWidth_, names_.Reach(*p));
    }
    SizeRows(measurer);
}

CTimelineLayout::CTimelineLayout(const CVitachronDoc& doc, const CTextMeasurer& measurer, int leftMargin,
                                 int currentYear, const CRowMeasures& measures)
    : doc_(&doc),
      measurer_(&measurer),
      geometry_(doc, measurer, leftMargin, currentYear, 0),
      rows_(doc, geometry_, measurer),
      names_(doc, geometry_, measurer) {
    SetMeasuredWidths(measures.WidestRow(), measures.WidestName());
    SizeRows(measurer);
}

void CTimelineLayout::SetMeasuredWidths(std::int64_t widestRow, std::int64_t widestName) {
    contentWidth_ = std::max(geometry_.AxisRight(), widestRow);
    nameListWidth_ = widestName;
}

void CTimelineLayout::SizeRows(const CTextMeasurer& measurer) {
    const CVitachronDoc& doc = *doc_;
    count_ = static_cast<std::int64_t>(doc.DisplayOrder().size());
    const CDocSettings& s = doc.Settings();
    const std::int64_t zoom = geometry_.Zoom();
    const std::int64_t unzoomedRow = std::clamp<std::int64_t>(s.rowHeight, 1, 100'000);
    contentHeight_ = (geometry_.HeaderHeight() + unzoomedRow * count_) * zoom / 100 + 30;
    // At small zooms with a tall axis font the formula above falls short of
    // the last row; it must always be reachable.
    contentHeight_ = std::max(contentHeight_, geometry_.RowTop(count_));

    int tallest = 0;
    for (const TimelineFont f : {TimelineFont::Name, TimelineFont::Scale, TimelineFont::Year, TimelineFont::Basis}) {
        tallest = std::max(tallest, measurer.TextHeight(f));
    }
    slackRows_ = (tallest + geometry_.BarThickness() + 2) / geometry_.RowHeight() + 1;
}

CTimelineLayout::RowRange CTimelineLayout::VisibleRows(std::int64_t scrollY, std::int64_t clientHeight) const {
    const std::int64_t rh = geometry_.RowHeight();
    const std::int64_t top = scrollY + geometry_.HeaderHeight();  // document y at the header's foot
    const std::int64_t bottom = scrollY + clientHeight;
    RowRange r;
    // Texts stand above a row's bar and below it and may reach into the
    // neighbouring rows when the fonts are taller than a row.
    r.first = std::clamp<std::int64_t>((top - geometry_.HeaderHeight()) / rh - slackRows_, 0, count_);
    r.last = std::clamp<std::int64_t>((bottom - geometry_.HeaderHeight()) / rh + 1 + slackRows_, 0, count_);
    if (r.last < r.first) {
        r.last = r.first;
    }
    return r;
}

CHeaderGrid CTimelineLayout::Header(const std::optional<CHeaderLayout::View>& view) const {
    return CHeaderLayout::Layout(geometry_, doc_->Settings().labelStep, view);
}

CBaseLine CTimelineLayout::BaseLine() const {
    const CDocSettings& s = doc_->Settings();
    CBaseLine line;
    if (!s.baseYearShown || s.baseYear < geometry_.FirstYear() || s.baseYear > geometry_.LastYear()) {
        return line;
    }
    line.drawn = true;
    line.x = geometry_.YearToX(s.baseYear);
    line.label = std::to_string(s.baseYear);
    line.labelLeft = line.x - 10;
    line.labelWidth = measurer_->TextWidth(TimelineFont::Basis, line.label);
    line.labelHeight = measurer_->TextHeight(TimelineFont::Basis);
    line.labelTop = geometry_.HeaderHeight() - line.labelHeight;
    return line;
}
