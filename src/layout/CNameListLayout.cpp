#include "layout/CNameListLayout.h"

#include "layout/CTimelineGeometry.h"
#include "model/CPerson.h"
#include "model/CVitachronDoc.h"

#include <algorithm>

namespace {

// "%5d" for years of one-year units; coarser years keep their zeros, so
// they read as the year they stand for, padded the same way.
std::string Year5(const CScaleYear& year) {
    std::string text = year.FormatYearText();
    if (text.size() < 5) {
        text.insert(0, 5 - text.size(), ' ');
    }
    return text;
}

}  // namespace

std::string CNameListLayout::ShortName(const std::string& name, const std::string& separator) {
    if (separator.empty()) {
        return name;
    }
    const auto at = name.find(separator);
    return at == std::string::npos ? name : name.substr(0, at);
}

std::string CNameListLayout::YearLine(const CPerson& person) {
    std::string line;
    const bool birthKnown = !person.birth.IsUnknown();
    const bool deathKnown = !person.death.IsUnknown();
    if (birthKnown) {
        line += Year5(person.birth);
    }
    if (person.birthUncertain) {
        line += birthKnown ? "?" : "     ?";
    } else {
        line += ' ';
    }
    line += " - ";
    if (deathKnown) {
        line += Year5(person.death);
    }
    if (person.deathUncertain) {
        line += deathKnown ? "?" : "    ?";
    }
    return line;
}

std::string CNameListLayout::TitleText(const std::string& title) {
    const auto dot = title.rfind('.');
    return dot == std::string::npos ? title : title.substr(0, dot);
}

CNameListEntry CNameListLayout::Entry(const CPerson& person, std::int64_t row) const {
    const CDocSettings& s = doc_->Settings();
    CNameListEntry e;
    const std::int64_t top = g_->RowTop(row);
    e.nameY = top + g_->RowHeight() / 4;
    e.yearY = e.nameY + m_->TextHeight(TimelineFont::Name);
    e.name = ShortName(person.name, s.commentSeparator);
    if (s.displayYearRange) {
        e.yearLine = YearLine(person);
    }
    e.hasMark = s.displaySuppleMark && !person.comment.empty();
    e.markSide = g_->Zoom() * 4 / 100;
    return e;
}

std::int64_t CNameListLayout::Reach(const CPerson& person) const {
    const CDocSettings& s = doc_->Settings();
    std::int64_t reach = m_->TextWidth(TimelineFont::Name, ShortName(person.name, s.commentSeparator)) + kTextX;
    if (s.displayYearRange) {
        reach = std::max<std::int64_t>(reach, m_->TextWidth(TimelineFont::Year, YearLine(person)) + kTextX);
    }
    return reach;
}
