// Building people for tests from the texts users type.
#pragma once

#include "model/CPerson.h"
#include "model/CVitachronDoc.h"

#include <memory>
#include <string>

// birth and death are date texts; nullptr or "" leaves the year unknown.
inline std::unique_ptr<CPerson> MakePerson(const std::string& name, const char* birth, const char* death = nullptr,
                                           const std::string& reading = "") {
    auto p = std::make_unique<CPerson>();
    p->name = name;
    p->reading = reading;
    if (birth != nullptr && *birth != '\0') {
        const auto d = CPerson::ParseDateText(birth);
        p->birthMonth = d.month;
        p->birthDay = d.day;
        p->birthNote = d.note;
        p->SetBirth(d.year);
    }
    if (death != nullptr && *death != '\0') {
        const auto d = CPerson::ParseDateText(death);
        p->deathMonth = d.month;
        p->deathDay = d.day;
        p->deathNote = d.note;
        p->SetDeath(d.year);
    }
    return p;
}

// Appends a person in the given category (the unset one when empty) and returns it.
inline CPerson* AddPerson(CVitachronDoc& doc, std::unique_ptr<CPerson> p, const std::string& category = "") {
    p->categoryName = category;
    doc.AssignImportedCategory(*p, 0);
    CPerson* raw = p.get();
    doc.AppendPerson(std::move(p));
    return raw;
}

inline std::vector<std::string> DisplayedNames(const CVitachronDoc& doc) {
    std::vector<std::string> names;
    for (const CPerson* p : doc.DisplayOrder()) {
        names.push_back(p->name);
    }
    return names;
}
