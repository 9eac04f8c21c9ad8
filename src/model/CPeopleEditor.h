// The four changes the editing dialogs make to a document's people and their
// stored order. The dialogs make every such change through one of these, so
// that the window's command layer can put its own editor in place and record
// each call as one undoable step.
//
// Contract of every operation: when it returns, the document has been
// re-sorted (currentIndex reset), all views have been asked to update and the
// modified flag is set; that is, the operation ends with the document's Refresh.
#pragma once

#include <cstddef>
#include <memory>

class CPerson;

class CPeopleEditor {
public:
    virtual ~CPeopleEditor() = default;

    // A new person at the end of the stored order; the document takes it.
    virtual void Append(std::unique_ptr<CPerson> person) = 0;
    // The person at this stored position takes every field of record; the
    // record object itself stays where it is, so pointers to it stay valid.
    virtual void Replace(std::size_t index, const CPerson& record) = 0;
    // The person at this stored position is removed; the ones after close up.
    virtual void Remove(std::size_t index) = 0;
    // The person at from goes to position to; the ones between shift by one.
    virtual void Move(std::size_t from, std::size_t to) = 0;
};
