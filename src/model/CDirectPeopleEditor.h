// The editor that changes the document at once and keeps no history: for
// documents without a command processor, and the building block of one.
#pragma once

#include "model/CPeopleEditor.h"

class CVitachronDoc;

class CDirectPeopleEditor : public CPeopleEditor {
public:
    explicit CDirectPeopleEditor(CVitachronDoc& doc) : doc_(doc) {}

    void Append(std::unique_ptr<CPerson> person) override;
    void Replace(std::size_t index, const CPerson& record) override;
    void Remove(std::size_t index) override;
    void Move(std::size_t from, std::size_t to) override;

private:
    CVitachronDoc& doc_;
};
