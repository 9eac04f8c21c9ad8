// The people editor of the window: every change the editing dialogs and the
// views make to people and their stored order becomes one step of the
// document's command processor, so "元に戻す" and "やり直し" can take it
// back and make it again. Each step, done or undone, ends with the
// document's Refresh, as the editor's contract asks.
#pragma once

#include "model/CPeopleEditor.h"

class CVitachronDoc;
class wxCommandProcessor;

class CUndoablePeopleEditor : public CPeopleEditor {
public:
    CUndoablePeopleEditor(CVitachronDoc& doc, wxCommandProcessor& processor) : doc_(doc), processor_(processor) {}

    void Append(std::unique_ptr<CPerson> person) override;
    void Replace(std::size_t index, const CPerson& record) override;
    void Remove(std::size_t index) override;
    void Move(std::size_t from, std::size_t to) override;

private:
    CVitachronDoc& doc_;
    wxCommandProcessor& processor_;
};
