#include "model/CDirectPeopleEditor.h"

#include "model/CVitachronDoc.h"

void CDirectPeopleEditor::Append(std::unique_ptr<CPerson> person) {
    if (person) {
        doc_.AppendPerson(std::move(person));
    }
    doc_.Refresh();
}

void CDirectPeopleEditor::Replace(std::size_t index, const CPerson& record) {
    if (index < doc_.People().size()) {
        *doc_.People()[index] = record;
    }
    doc_.Refresh();
}

void CDirectPeopleEditor::Remove(std::size_t index) {
    doc_.TakePersonAt(index);
    doc_.Refresh();
}

void CDirectPeopleEditor::Move(std::size_t from, std::size_t to) {
    doc_.MovePerson(from, to);
    doc_.Refresh();
}
