// The data list (データの編集): every person in stored order, to open one in
// the person dialog (double-click), delete one, or move one up or down in the
// stored order. Each change takes effect in the document at once, through the
// CPeopleEditor it is given; closing has nothing left to confirm.
#pragma once

#include "dialogs/CDialogDataToList.h"
#include "dialogs/CDialogPerson.h"

class CPeopleEditor;
class CVitachronDoc;
class wxListEvent;

class CDialogDataModify : public CDialogDataToList {
public:
    CDialogDataModify(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor, CEditSession& session);

    // What the opener owes the document around the dialog: no current row
    // while it runs, and afterwards sorted and marked modified, changed or not.
    static int RunModal(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor, CEditSession& session,
                        const CDialogPerson::CategoryEditor& categoryEditor = {});

    // Passed on to every person dialog opened from the list.
    void SetCategoryEditor(CDialogPerson::CategoryEditor editor) { categoryEditor_ = std::move(editor); }

private:
    void BuildControls();
    void Reload(long selectRow);
    void MoveSelected(int step);

    void OnActivated(wxListEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnMoveUp(wxCommandEvent& event);
    void OnMoveDown(wxCommandEvent& event);

    CVitachronDoc& doc_;
    CPeopleEditor& editor_;
    CEditSession& session_;
    CDialogPerson::CategoryEditor categoryEditor_;
};
