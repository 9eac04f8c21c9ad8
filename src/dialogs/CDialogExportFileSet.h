// "Annalix・基点年変換": the file each chosen person will be written to,
// proposed by the caller and changed row by row through "ファイル名変更" and a
// save dialog. "ファイル名変更" stays disabled until the user first clicks into
// the list. The dialog only collects the paths; the caller writes the files
// after "変換する".
#pragma once

#include "interchange/CBasePointYearTransfer.h"

#include <wx/dialog.h>

#include <vector>

class CFileChooser;
class wxButton;
class wxListCtrl;

class CDialogExportFileSet : public wxDialog {
public:
    CDialogExportFileSet(wxWindow* parent, std::vector<CBasePointYearTarget> targets, CFileChooser& chooser);

    const std::vector<CBasePointYearTarget>& Targets() const { return targets_; }
    wxListCtrl* List() const { return list_; }

private:
    void FillList();
    void EnableRename();
    void OnRename(wxCommandEvent&);

    std::vector<CBasePointYearTarget> targets_;
    CFileChooser* chooser_;
    wxListCtrl* list_;
    wxButton* rename_;
};
