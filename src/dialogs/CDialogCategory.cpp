#include "dialogs/CDialogCategory.h"

#include "dialogs/CColorStatic.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CColorChooser.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CDialogCategory::CDialogCategory(wxWindow* parent, std::uint32_t color, const std::string& name,
                                           CColorChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kCategoryPairTitle)), chooser_(chooser), color_(color), name_(name) {
    auto* grid = new wxFlexGridSizer(2, wxSize(8, 8));
    grid->AddGrowableCol(1);
    grid->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kCategoryPairName)), 0, wxALIGN_CENTER_VERTICAL);
    nameField_ = new wxTextCtrl(this, Id::CategoryName, ToWx(name.empty() ? Str::kUnsetCategory : name),
                                wxDefaultPosition, wxSize(FromDIP(200), -1));
    grid->Add(nameField_, 1, wxEXPAND);

    grid->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kCategoryPairColor)), 0, wxALIGN_CENTER_VERTICAL);
    auto* colorRow = new wxBoxSizer(wxHORIZONTAL);
    swatch_ = new CColorStatic(this, Id::CategorySwatch, FromDIP(wxSize(60, 20)));
    swatch_->SetColor(color_);
    colorRow->Add(swatch_, 0, wxALIGN_CENTER_VERTICAL);
    colorRow->Add(new wxButton(this, Id::CategoryColorChange, ToWx(Str::kCategoryPairColorChange)), 0,
                  wxLEFT | wxALIGN_CENTER_VERTICAL, 8);
    grid->Add(colorRow);

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, 0, wxALL | wxEXPAND, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CDialogCategory::OnChangeColor, this, Id::CategoryColorChange);
    Bind(wxEVT_BUTTON, &CDialogCategory::OnOk, this, wxID_OK);
    nameField_->SetFocus();
}

void CDialogCategory::OnChangeColor(wxCommandEvent&) {
    if (const auto chosen = chooser_.Choose(this, color_, nullptr)) {
        color_ = *chosen;
        swatch_->SetColor(color_);
    }
}

void CDialogCategory::OnOk(wxCommandEvent&) {
    const std::string name = FromWx(nameField_->GetValue());
    if (name.empty()) {
        ShowMessageBox(ToWx(Str::kCategoryNameMissing), wxOK | wxICON_EXCLAMATION, this);
        nameField_->SetFocus();
        return;
    }
    name_ = name;
    EndDialogWith(*this, wxID_OK);
}
