// A document for layout tests: no profile values, no shared categories,
// a fixed year range, people added by date text.
#pragma once

#include "model/CMemoryProfile.h"
#include "model/CNullDocHost.h"
#include "model/CVitachronDoc.h"
#include "support/core/CFixedMeasurer.h"

#include <memory>
#include <string>

struct LayoutFixture {
    CNullDocHost host;
    CMemoryProfile profile;
    CVitachronDoc doc{host, profile, {}};
    CFixedMeasurer measurer;
    static constexpr int kLeftMargin = 28;
    static constexpr int kCurrentYear = 2024;

    LayoutFixture() {
        doc.Settings().startYear = 1500;
        doc.Settings().endYear = 2000;
    }

    // birth/death: a year, or "" for unknown; categoryColor becomes the bar colour.
    CPerson& Add(const std::string& name, const char* birth, const char* death, std::uint32_t color = 0x00FF00) {
        auto p = std::make_unique<CPerson>();
        p->name = name;
        if (*birth != '\0') {
            p->SetBirth(CScaleYear::ParseYearText(birth).year);
        }
        if (*death != '\0') {
            p->SetDeath(CScaleYear::ParseYearText(death).year);
        }
        p->category = doc.CategoryTable().Add(color, "", false);
        CPerson& ref = *p;
        doc.AppendPerson(std::move(p));
        doc.Sort();
        return ref;
    }
};
