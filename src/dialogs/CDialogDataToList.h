// A dialog around the list of a document's people in stored order: name,
// birth year and death year per row, row i being person i. The data list and
// the conversion to base-point year files build on it and add their buttons.
#pragma once

#include <wx/dialog.h>

#include <vector>

class CPerson;
class CVitachronDoc;
class wxListCtrl;
class wxString;

class CDialogDataToList : public wxDialog {
public:
    // The year columns' texts; "設定なし" where there is no year.
    static wxString BirthColumnText(const CPerson& person);
    static wxString DeathColumnText(const CPerson& person);

protected:
    // singleSelection false lets the user pick several people at once. The
    // derived dialog lays out List() in its own sizers and calls FillList().
    CDialogDataToList(wxWindow* parent, const CVitachronDoc& doc, const wxString& title, bool singleSelection);

    wxListCtrl* List() const { return list_; }
    // Empties the list and fills it again from the document's people.
    void FillList();
    // The first selected row, or -1.
    long FirstSelected() const;
    std::vector<long> SelectedRows() const;
    void SelectRow(long row);

private:
    // Wide enough for the text and the list's margins.
    int YearColumnWidth(const wxString& widest) const;
    void ShowAllColumns();

    const CVitachronDoc& doc_;
    wxListCtrl* list_ = nullptr;
};
