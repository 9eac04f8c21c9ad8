#include "dialogs/CDialogImportCheck.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>


CDialogImportCheck::CDialogImportCheck(wxWindow* parent, const wxString& path)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kImportCheckTitle)) {
    wxStaticText* pathText = CreatePathLabel(this, Id::ImportCheckPath, path);
    kazoe_ = new wxCheckBox(this, Id::ImportCheckKazoe, ToWx(Str::kImportCheckKazoe));

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(pathText, 0, wxEXPAND | wxALL, 12);
    top->Add(kazoe_, 0, wxLEFT | wxRIGHT, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
    FindWindow(wxID_OK)->SetFocus();
}

bool CDialogImportCheck::Kazoe() const { return kazoe_->GetValue(); }
