// The name list beside the timeline: each person's name (cut at the comment
// separator) and, under it, the years of birth and death, at the timeline's
// row heights so that both panes stay row for row.
#pragma once

#include "layout/CTextMeasurer.h"

#include <cstdint>
#include <string>

class CPerson;
class CTimelineGeometry;
class CVitachronDoc;

struct CNameListEntry {
    std::string name;
    std::string yearLine;  // empty when birth and death years are not shown
    std::int64_t textX = 5;
    std::int64_t nameY = 0;
    std::int64_t yearY = 0;
    bool hasMark = false;  // the supplement mark: a square at (0, nameY)
    int markSide = 0;
};

class CNameListLayout {
public:
    static constexpr int kTextX = 5;

    CNameListLayout(const CVitachronDoc& doc, const CTimelineGeometry& geometry, const CTextMeasurer& measurer)
        : doc_(&doc), g_(&geometry), m_(&measurer) {}

    // The name before the first comment separator.
    static std::string ShortName(const std::string& name, const std::string& separator);
    // " 1900  - ", "     ? -  1950": the recorded years, five wide.
    static std::string YearLine(const CPerson& person);
    // The document title without its extension.
    static std::string TitleText(const std::string& title);

    CNameListEntry Entry(const CPerson& person, std::int64_t row) const;
    // Widest text of the entry plus 5: the measuring pass behind the list's width.
    std::int64_t Reach(const CPerson& person) const;

private:
    const CVitachronDoc* doc_;
    const CTimelineGeometry* g_;
    const CTextMeasurer* m_;
};
