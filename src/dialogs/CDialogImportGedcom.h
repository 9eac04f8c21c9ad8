// "GEDCOM読み込み": the last look before a GEDCOM import, with the chosen
// file, how the people are put into categories (one for the file, one per
// surname, one per sex) and whether their ages count the traditional way
// (数え年). Starts at one category for the file, the box unticked.
#pragma once

#include "interchange/CGedcomTransfer.h"

#include <wx/dialog.h>

class wxCheckBox;
class wxRadioBox;

class CDialogImportGedcom : public wxDialog {
public:
    CDialogImportGedcom(wxWindow* parent, const wxString& path);

    GedcomGrouping Grouping() const;
    bool Kazoe() const;

private:
    wxRadioBox* grouping_;
    wxCheckBox* kazoe_;
};
