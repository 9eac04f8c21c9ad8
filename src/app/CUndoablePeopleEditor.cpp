#include "app/CUndoablePeopleEditor.h"

#include "app/CDocumentChange.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

#include <memory>

void CUndoablePeopleEditor::Append(std::unique_ptr<CPerson> person) {
    if (!person) {
        doc_.Refresh();
        return;
    }
    // The step owns the person whenever the document does not.
    auto held = std::make_shared<std::unique_ptr<CPerson>>(std::move(person));
    const std::size_t index = doc_.People().size();
    CVitachronDoc& doc = doc_;
    processor_.Submit(new CDocumentChange(
        ToWx(Str::kUndoAddPerson),
        [&doc, held, index] {
            doc.InsertPersonAt(index, std::move(*held));
            doc.Refresh();
        },
        [&doc, held, index] {
            *held = doc.TakePersonAt(index);
            doc.Refresh();
        }));
}

void CUndoablePeopleEditor::Replace(std::size_t index, const CPerson& record) {
    if (index >= doc_.People().size()) {
        doc_.Refresh();
        return;
    }
    // The person object stays the same; only its fields come and go, so the
    // views and the data list may keep pointing at it.
    const CPerson before = *doc_.People()[index];
    CVitachronDoc& doc = doc_;
    processor_.Submit(new CDocumentChange(
        ToWx(Str::kUndoModifyPerson),
        [&doc, index, record] {
            *doc.People()[index] = record;
            doc.Refresh();
        },
        [&doc, index, before] {
            *doc.People()[index] = before;
            doc.Refresh();
        }));
}

void CUndoablePeopleEditor::Remove(std::size_t index) {
    if (index >= doc_.People().size()) {
        doc_.Refresh();
        return;
    }
    auto held = std::make_shared<std::unique_ptr<CPerson>>();
    CVitachronDoc& doc = doc_;
    processor_.Submit(new CDocumentChange(
        ToWx(Str::kUndoDeletePerson),
        [&doc, held, index] {
            *held = doc.TakePersonAt(index);
            doc.Refresh();
        },
        [&doc, held, index] {
            doc.InsertPersonAt(index, std::move(*held));
            doc.Refresh();
        }));
}

void CUndoablePeopleEditor::Move(std::size_t from, std::size_t to) {
    if (from >= doc_.People().size() || to >= doc_.People().size() || from == to) {
        doc_.Refresh();
        return;
    }
    CVitachronDoc& doc = doc_;
    processor_.Submit(new CDocumentChange(
        ToWx(Str::kUndoMovePerson),
        [&doc, from, to] {
            doc.MovePerson(from, to);
            doc.Refresh();
        },
        [&doc, from, to] {
            doc.MovePerson(to, from);
            doc.Refresh();
        }));
}
