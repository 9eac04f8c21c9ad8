#include "dialogs/CDialogBadCsvMsg.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CDialogBadCsvMsg::CDialogBadCsvMsg(wxWindow* parent, const std::string& lines)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kBadCsvTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* box = new wxTextCtrl(this, Id::BadCsvText, BoxText(lines), wxDefaultPosition, FromDIP(wxSize(460, 200)),
                               wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);
    wxSizer* ok = CreateOkCancelButtons(this, {.withCancel = false});
    SetEscapeId(wxID_OK);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kBadCsvIntro)), 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(box, 1, wxEXPAND | wxALL, 12);
    top->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    FindWindow(wxID_OK)->SetFocus();
}

wxString CDialogBadCsvMsg::BoxText(const std::string& lines) {
    wxString text = ToWx(lines);
    text.Replace("\r\n", "\n");
    return text;
}
