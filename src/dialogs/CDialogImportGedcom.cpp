#include "dialogs/CDialogImportGedcom.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/checkbox.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>


CDialogImportGedcom::CDialogImportGedcom(wxWindow* parent, const wxString& path)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kImportGedcomTitle)) {
    wxStaticText* pathText = CreatePathLabel(this, Id::GedcomImportPath, path);
    const wxString choices[] = {ToWx(Str::kImportGedcomByFile), ToWx(Str::kImportGedcomBySurname),
                                ToWx(Str::kImportGedcomBySex)};
    grouping_ = new wxRadioBox(this, Id::GedcomImportGrouping, ToWx(Str::kImportGedcomGrouping), wxDefaultPosition,
                               wxDefaultSize, 3, choices, 1, wxRA_SPECIFY_COLS);
    kazoe_ = new wxCheckBox(this, Id::GedcomImportKazoe, ToWx(Str::kImportCheckKazoe));

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(pathText, 0, wxEXPAND | wxALL, 12);
    top->Add(grouping_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    top->Add(kazoe_, 0, wxLEFT | wxRIGHT, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
    FindWindow(wxID_OK)->SetFocus();
}

GedcomGrouping CDialogImportGedcom::Grouping() const {
    switch (grouping_->GetSelection()) {
    case 1:
        return GedcomGrouping::Surname;
    case 2:
        return GedcomGrouping::Sex;
    default:
        return GedcomGrouping::File;
    }
}

bool CDialogImportGedcom::Kazoe() const { return kazoe_->GetValue(); }
