// How the timeline is cut into printed pages. A page shows as many screen
// pixels as fit on it at their on-screen size; the timeline is cut into
// page columns across and bands of rows down, and pages run across first,
// then down. Every page repeats the header band; the name column stands at
// the left of the first column only.
#pragma once

#include <cstdint>
#include <string>

class CPerson;
class CTimelineGeometry;

// The printable area of the page and the two resolutions, as the printer
// (or the preview, or the PDF) reports them.
struct CPrintDevice {
    std::int64_t pageWidth = 0;  // printable area in printer pixels
    std::int64_t pageHeight = 0;
    int printerPpiX = 0;
    int printerPpiY = 0;
    int screenPpiX = 96;
    int screenPpiY = 96;
};

struct CPrintPage {
    std::int64_t number = 0;  // from 1
    std::int64_t column = 0;
    std::int64_t band = 0;
    std::int64_t originX = 0;   // document x at the page's left edge
    std::int64_t firstRow = 0;  // the band's rows, [firstRow, lastRow)
    std::int64_t lastRow = 0;
};

class CPrintLayout {
public:
    // More pages than this are not printed: a year range of millions of
    // years would otherwise make billions of them.
    static constexpr std::int64_t kMaxPages = 100'000;

    // geometry: the printing geometry, whose TimelineOrigin is the name column's width.
    CPrintLayout(const CTimelineGeometry& geometry, std::int64_t personCount, const CPrintDevice& device);

    // The page in screen pixels.
    std::int64_t PageWidth() const { return pageWidth_; }
    std::int64_t PageHeight() const { return pageHeight_; }
    // 0 when the page is too small for even one row: then every page shows
    // the header band alone.
    std::int64_t RowsPerPage() const { return rowsPerPage_; }
    bool RowsFit() const { return rowsPerPage_ > 0; }
    std::int64_t Columns() const { return columns_; }
    std::int64_t Bands() const { return bands_; }
    // Saturates just past kMaxPages.
    std::int64_t PageCount() const;
    bool TooManyPages() const { return PageCount() > kMaxPages; }

    // Page 1 .. PageCount(); others are clamped into that range.
    CPrintPage Page(std::int64_t number) const;
    // The printed name column's second line: "%d -" with the recorded birth
    // year, "%d - %d" when the death year is known too; an unknown birth
    // year reads "?".
    static std::string NameColumnYears(const CPerson& person);

    // Grid lines, the current-year line, the base line and the page frame reach down to here.
    std::int64_t GridBottom() const { return gridBottom_; }

private:
    std::int64_t pageWidth_ = 1;
    std::int64_t pageHeight_ = 1;
    std::int64_t rowsPerPage_ = 0;
    std::int64_t columns_ = 1;
    std::int64_t bands_ = 1;
    std::int64_t gridBottom_ = 0;
    std::int64_t personCount_ = 0;
};
