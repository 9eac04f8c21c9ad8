// "GEDCOMファイルの読み込み結果": after a GEDCOM import, what it did not use,
// each line of the report with the line of the file it is about, so the
// user can find it in the family-tree program.
#pragma once

#include <wx/dialog.h>

#include <cstddef>
#include <string>

class CDialogGedcomReport : public wxDialog {
public:
    // report: UTF-8, each line followed by CR LF.
    CDialogGedcomReport(wxWindow* parent, const std::string& report, std::size_t added);
};
