#include "dialogs/CDialogGedcomReport.h"

#include "dialogs/CDialogBadCsvMsg.h"
#include "model/FormatText.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CDialogGedcomReport::CDialogGedcomReport(wxWindow* parent, const std::string& report, std::size_t added)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kGedcomReportTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* box = new wxTextCtrl(this, Id::GedcomReportText, CDialogBadCsvMsg::BoxText(report), wxDefaultPosition,
                               FromDIP(wxSize(560, 240)), wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);
    wxSizer* ok = CreateOkCancelButtons(this, {.withCancel = false});
    SetEscapeId(wxID_OK);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(FormatText(Str::kGedcomReportIntro, {std::to_string(added)}))), 0,
             wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(box, 1, wxEXPAND | wxALL, 12);
    top->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    FindWindow(wxID_OK)->SetFocus();
}
