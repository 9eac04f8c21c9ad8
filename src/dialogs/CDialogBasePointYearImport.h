// "Annalix・基点年データ取り込み": gathers the base-point year files to read.
// Every press of "ファイル選択..." adds the files chosen, in the order the
// file dialog gives them, to the end of the list (the same file twice is
// read twice); "取り込む" is enabled once there is something to read.
#pragma once

#include <wx/dialog.h>

#include <vector>

class CFileChooser;
class wxButton;
class wxTextCtrl;

class CDialogBasePointYearImport : public wxDialog {
public:
    CDialogBasePointYearImport(wxWindow* parent, CFileChooser& chooser);

    // Full paths, in the order chosen.
    const std::vector<wxString>& Paths() const { return paths_; }

private:
    void OnChoose(wxCommandEvent&);

    CFileChooser* chooser_;
    std::vector<wxString> paths_;
    wxTextCtrl* names_;
    wxButton* ok_;
};
