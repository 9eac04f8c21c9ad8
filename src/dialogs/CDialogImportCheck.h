// "ＣＳＶ読み込み確認": the last look before a CSV import, with the chosen
// file and whether the people read from it count their ages the traditional
// way (数え年). The box starts unticked.
#pragma once

#include <wx/dialog.h>

class wxCheckBox;

class CDialogImportCheck : public wxDialog {
public:
    CDialogImportCheck(wxWindow* parent, const wxString& path);

    bool Kazoe() const;

private:
    wxCheckBox* kazoe_;
};
