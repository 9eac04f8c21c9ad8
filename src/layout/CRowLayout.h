// One person's row on the timeline: the fills of the bar, the birth and
// death texts, the name with its age, and the figure at the base year, all
// placed in document coordinates. The painter draws these in order.
#pragma once

#include "layout/CTextMeasurer.h"
#include "layout/CTimelineGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

class CPerson;
class CVitachronDoc;

enum class FillKind {
    Solid,    // the bar colour
    Checker,  // bar colour where (x + y) is odd, background elsewhere
    Hatch,    // bar colour in odd columns, background in even ones
};

// A fill over the bar's height, from left up to (not including) right.
struct CBarFill {
    FillKind kind = FillKind::Solid;
    std::int64_t left = 0;
    std::int64_t right = 0;
};

// A text with its top-left corner.
struct CPlacedText {
    TimelineFont font = TimelineFont::Name;
    std::string text;
    std::uint32_t color = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// The figure a person shows at the base year, when one is shown.
struct CBaseFigure {
    bool shown = false;
    std::string text;  // the value, then "?" when uncertain
    std::uint32_t color = 0;
};

struct CRowPlan {
    bool drawn = false;  // false: the row shows nothing
    std::int64_t barTop = 0;
    std::int64_t barBottom = 0;  // exclusive
    std::uint32_t barColor = 0;
    std::vector<CBarFill> fills;
    std::vector<CPlacedText> texts;
};

class CRowLayout {
public:
    CRowLayout(const CVitachronDoc& doc, const CTimelineGeometry& geometry, const CTextMeasurer& measurer)
        : doc_(&doc), g_(&geometry), m_(&measurer) {}

    CRowPlan Plan(const CPerson& person, std::int64_t rowTop) const;
    // How far right the row's texts and fills reach (0 for a row that shows nothing):
    // the measuring pass behind the content width.
    std::int64_t Reach(const CPerson& person) const;

    // The name as the timeline shows it: the comment separator taken out,
    // then " (age)" when ages are shown. parenOpen tells that the ")" is
    // left for the base figure beside the age, or for PlanRow to close.
    std::string NameText(const CPerson& person, bool& parenOpen) const;
    CBaseFigure BaseFigure(const CPerson& person, const CBar& bar) const;

private:
    const CVitachronDoc* doc_;
    const CTimelineGeometry* g_;
    const CTextMeasurer* m_;
};
