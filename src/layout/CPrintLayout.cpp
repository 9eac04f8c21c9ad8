#include "layout/CPrintLayout.h"

#include "layout/CTimelineGeometry.h"
#include "model/CPerson.h"

#include <algorithm>

namespace {

// A resolution nobody reports is read as the screen's, so a broken
// driver value neither divides by zero nor blows the page up.
int Resolution(int ppi, int fallback) { return ppi > 0 ? ppi : std::max(fallback, 1); }

}  // namespace

CPrintLayout::CPrintLayout(const CTimelineGeometry& g, std::int64_t personCount, const CPrintDevice& d)
    : personCount_(std::max<std::int64_t>(personCount, 0)) {
    const int screenX = Resolution(d.screenPpiX, 96);
    const int screenY = Resolution(d.screenPpiY, 96);
    const int printerX = Resolution(d.printerPpiX, screenX);
    const int printerY = Resolution(d.printerPpiY, screenY);
    pageHeight_ = std::max<std::int64_t>(1, screenY * std::max<std::int64_t>(d.pageHeight, 0) / printerY);
    pageWidth_ = std::max<std::int64_t>(1, std::max<std::int64_t>(d.pageWidth, 0) * screenX / printerX);

    rowsPerPage_ = std::max<std::int64_t>(0, (pageHeight_ - g.HeaderHeight() - 10) / g.RowHeight());
    bands_ = rowsPerPage_ > 0 ? std::max<std::int64_t>(1, (personCount_ + rowsPerPage_ - 1) / rowsPerPage_) : 1;
    // The timeline starts after the name column, so its width counts too:
    // without it the last years of a timeline just under a page too wide
    // would fall off the last column.
    const std::int64_t axis = g.TimelineOrigin() + g.YearSpanToPixels(g.LastYear() - g.FirstYear()) + g.LeftMargin();
    columns_ = axis / pageWidth_ + 1;
    gridBottom_ = g.HeaderHeight() + static_cast<std::int64_t>(g.RowHeight()) * rowsPerPage_ + 10;
}

CPrintPage CPrintLayout::Page(std::int64_t number) const {
    CPrintPage p;
    p.number = std::clamp<std::int64_t>(number, 1, PageCount());
    p.column = (p.number - 1) % columns_;
    p.band = (p.number - 1) / columns_;
    p.originX = p.column * pageWidth_;
    p.firstRow = std::min(p.band * rowsPerPage_, personCount_);
    p.lastRow = std::min(p.firstRow + rowsPerPage_, personCount_);
    return p;
}

std::int64_t CPrintLayout::PageCount() const {
    if (columns_ > kMaxPages || bands_ > kMaxPages) {
        return kMaxPages + 1;
    }
    return columns_ * bands_;
}

std::string CPrintLayout::NameColumnYears(const CPerson& person) {
    const auto year = [](const CScaleYear& y) { return y.IsUnknown() ? std::string("?") : y.FormatYearText(); };
    std::string line = year(person.birth) + " -";
    if (!person.death.IsUnknown()) {
        line += " " + year(person.death);
    }
    return line;
}
