// The timeline as printed pages, for the printer, the print preview and
// PDF files alike. The pages are cut (CPrintLayout) once the printer's page
// size and resolution are known; each page maps one screen pixel to its
// on-screen size on paper.
#pragma once

#include "layout/CPrintLayout.h"
#include "view/CPatternCache.h"

#include <wx/print.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CTimelineLayout;
class CViewFonts;
class CVitachronDoc;

class CTimelinePrintout : public wxPrintout {
public:
    // What the window gives to print: the document with the timeline's
    // fonts and margin, and the name list's width, which becomes the
    // printed name column (TimelineOrigin).
    struct Source {
        const CVitachronDoc* doc = nullptr;
        const CViewFonts* fonts = nullptr;
        int leftMargin = 0;
        int nameColumnWidth = 0;
        int nameListWidth = 0;  // the title cell's width
        std::string title;
        int currentYear = 0;
    };

    // What keeps pages from printing as they should; each is told once.
    enum class Problem {
        RowsDoNotFit,  // not one row fits on the page: the header band alone is printed
        TooManyPages,  // more than CPrintLayout::kMaxPages: nothing is printed
    };
    std::function<void(Problem)> onProblem;

    explicit CTimelinePrintout(Source source);
    ~CTimelinePrintout() override;

    void OnPreparePrinting() override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;

    // Cuts the pages for a device; OnPreparePrinting does so with what the
    // printer (or the preview) reports.
    void Prepare(const CPrintDevice& device);
    // The pages as cut; none before Prepare.
    const CPrintLayout* Pages() const { return pages_ ? &*pages_ : nullptr; }
    const CTimelineLayout& Layout() const { return *layout_; }
    // Pages to print: none when there would be too many.
    int PrintablePages() const;

    // Draws page (from 1) on dc, scale device pixels to one screen pixel.
    void RenderPage(wxDC& dc, int page, double scaleX, double scaleY);

    // The device as this printout's printer, preview or PDF reports it.
    CPrintDevice ReportedDevice() const;

private:
    Source source_;
    std::unique_ptr<CTimelineLayout> layout_;
    std::optional<CPrintLayout> pages_;
    // Blended: every page goes to paper through cairo (the printer, the
    // preview's scaled copy, the PDF), where an 8x8 pixel pattern turned into
    // an image of whatever memory the bitmap held, and would be resampled
    // into stripes at the printer's resolution even when it did not.
    CPatternCache patterns_{true};
    bool toldRows_ = false;
    bool toldPages_ = false;
};
