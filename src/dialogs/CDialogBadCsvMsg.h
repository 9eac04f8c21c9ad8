// "不正なCSVファイルデータ": after a CSV import, the lines that gave no person,
// each as the export would write it, in file order, so the user can find
// and mend them.
#pragma once

#include <wx/dialog.h>

#include <string>

class CDialogBadCsvMsg : public wxDialog {
public:
    // lines: UTF-8, each line followed by CR LF.
    CDialogBadCsvMsg(wxWindow* parent, const std::string& lines);

    // The lines as the text box holds them: the toolkit's line ends are
    // single line feeds.
    static wxString BoxText(const std::string& lines);
};
