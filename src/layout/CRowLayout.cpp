#include "layout/CRowLayout.h"

#include "model/CCategory.h"
#include "model/CPerson.h"
#include "model/CVitachronDoc.h"

#include <algorithm>

namespace {

// Where an age of a person counts, the scaled number in its usual text.
std::string AgeText(const CScaleYear& age) { return age.FormatYearText(); }

}  // namespace

std::string CRowLayout::NameText(const CPerson& person, bool& parenOpen) const {
    const CDocSettings& s = doc_->Settings();
    std::string text = person.name;
    if (!s.commentSeparator.empty()) {
        if (const auto at = text.find(s.commentSeparator); at != std::string::npos) {
            text.erase(at, s.commentSeparator.size());
        }
    }
    parenOpen = false;
    if (!s.displayAge) {
        return text;
    }
    const auto age = person.IsAgeHidden() ? std::nullopt : person.AgeAt(std::nullopt, g_->CurrentYear());
    if (age) {
        text += " (";
        if (s.kazoeAster && person.kazoe) {
            text += '*';
        }
        text += AgeText(*age);
        if (person.ageUncertain) {
            text += '?';
        }
        if (s.baseYearShown && s.baseBesideAge) {
            parenOpen = true;
        } else {
            text += ')';
        }
    } else if (s.baseBesideAge) {
        text += '(';
        parenOpen = true;
    }
    return text;
}

CBaseFigure CRowLayout::BaseFigure(const CPerson& person, const CBar& bar) const {
    const CDocSettings& s = doc_->Settings();
    CBaseFigure figure;
    const std::int64_t e = s.baseYear;
    if (!s.baseYearShown || e < g_->FirstYear() || e > g_->LastYear()) {
        return figure;
    }
    const auto age = person.AgeAt(CScaleYear(s.baseYear, 1), g_->CurrentYear());
    if (!age) {
        return figure;
    }
    const std::int64_t d = bar.endYear;
    const bool negative = *age < CScaleYear(0, 1);
    if (negative && s.showBeforeBirth) {
        figure.shown = true;
    } else if (e > d && s.showAfterDeath) {
        figure.shown = true;
    } else if (!negative && e <= d) {
        figure.shown = true;
    }
    if (!figure.shown) {
        return figure;
    }
    bool uncertain = false;
    if (e < d || !s.showAfterDeath) {
        figure.text = AgeText(*age);
        uncertain = person.birthUncertain;
    } else if (!s.countFromBirth) {
        std::int64_t since = e - d;
        if (s.memorialCount && since >= 2) {
            ++since;  // memorial counts run 0, 1, 3, 4, ...
        }
        figure.text = std::to_string(since);
        uncertain = person.deathUncertain;
    } else {
        figure.text = AgeText(*age);
        uncertain = person.birthUncertain;
    }
    if (uncertain) {
        figure.text += '?';
    }
    figure.color = doc_->BaseColor(doc_->StateAtBaseYear(person, e));
    return figure;
}

std::int64_t CRowLayout::Reach(const CPerson& person) const {
    // From the plan itself, so that every text a row paints (the base figure
    // beside the age and the closing parenthesis after it, the figure on the
    // base line, the death year) and every fill is inside the width.
    const CRowPlan plan = Plan(person, 0);
    if (!plan.drawn) {
        return 0;
    }
    std::int64_t reach = g_->AxisRight();
    for (const CBarFill& f : plan.fills) {
        reach = std::max(reach, f.right);
    }
    for (const CPlacedText& t : plan.texts) {
        reach = std::max(reach, t.x + m_->TextWidth(t.font, t.text));
    }
    return reach;
}

CRowPlan CRowLayout::Plan(const CPerson& person, std::int64_t rowTop) const {
    const CDocSettings& s = doc_->Settings();
    CRowPlan plan;
    const CBar bar = g_->ComputeBar(person);
    if (!bar.IsDrawn()) {
        return plan;
    }
    plan.drawn = true;
    const std::int64_t b = g_->BarTop(rowTop);
    plan.barTop = b;
    plan.barBottom = b + g_->BarThickness();
    plan.barColor = person.category != nullptr ? person.category->color : person.categoryColor;

    bool parenOpen = false;
    const std::string name = NameText(person, parenOpen);

    // The bar: checkerboard fringe for an open end, the solid body, then the
    // hatched uncertain ends and out-of-range strips over it.
    constexpr int kEnd = CTimelineGeometry::kUncertainEndWidth;
    const std::int64_t left = bar.beginX + (bar.startKind == BarEnd::Uncertain ? kEnd : 0);
    const std::int64_t right = bar.endX - (bar.endKind == BarEnd::Uncertain ? kEnd : 0);
    if (person.death.IsUnknown()) {
        plan.fills.push_back({FillKind::Checker, left, right + 8});
    }
    plan.fills.push_back({FillKind::Solid, left, right});
    if (bar.startKind == BarEnd::Uncertain) {
        plan.fills.push_back({FillKind::Hatch, bar.beginX, bar.beginX + kEnd});
    }
    if (bar.endKind == BarEnd::Uncertain) {
        plan.fills.push_back({FillKind::Hatch, bar.endX - kEnd, bar.endX});
    }
    if (bar.endYear > g_->LastYear()) {
        plan.fills.push_back({FillKind::Hatch, bar.endX, bar.endX + kEnd});
    } else if (bar.beginYear < g_->FirstYear()) {
        plan.fills.push_back({FillKind::Hatch, g_->TimelineOrigin(), bar.beginX});
    }

    if (s.displayYearRange) {
        const int yearHeight = m_->TextHeight(TimelineFont::Year);
        std::string birth;
        if (!person.hideBirth && bar.startKind == BarEnd::Known) {
            birth = person.FormatBirthText(s.yearOnly);
        }
        if (person.birthUncertain) {
            birth += '?';
        }
        const int birthWidth = m_->TextWidth(TimelineFont::Year, birth);
        plan.texts.push_back({TimelineFont::Year, birth, s.beginEndColor, bar.beginX - birthWidth, b - yearHeight});
        if (bar.endKind != BarEnd::Living) {
            std::string death;
            if (!person.hideDeath && bar.endKind == BarEnd::Known) {
                death = person.FormatDeathText(s.yearOnly);
            }
            if (person.deathUncertain) {
                death += '?';
            }
            plan.texts.push_back({TimelineFont::Year, death, s.beginEndColor, bar.endX, b - yearHeight});
        }
    }

    const std::int64_t nameX = bar.endX + 10;
    plan.texts.push_back({TimelineFont::Name, name, s.nameColor, nameX, b});
    std::int64_t n = nameX + m_->TextWidth(TimelineFont::Name, name);

    const CBaseFigure figure = BaseFigure(person, bar);
    if (figure.shown) {
        if (s.baseOnLine) {
            plan.texts.push_back({TimelineFont::Basis, figure.text, figure.color, g_->YearToX(s.baseYear) + 6,
                                  plan.barBottom + 2});
        }
        if (s.displayAge && s.baseBesideAge) {
            const std::string beside = "/" + figure.text;
            plan.texts.push_back({TimelineFont::Name, beside, figure.color, n, b});
            n += m_->TextWidth(TimelineFont::Name, beside);
            plan.texts.push_back({TimelineFont::Name, ")", s.nameColor, n, b});
            parenOpen = false;
        }
    }
    if (parenOpen) {
        plan.texts.push_back({TimelineFont::Name, ")", s.nameColor, n, b});
    }
    return plan;
}
