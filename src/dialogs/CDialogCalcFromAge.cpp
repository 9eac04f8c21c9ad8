#include "dialogs/CDialogCalcFromAge.h"

#include "model/CAgeCalculator.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/TextInputKind.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CDialogCalcFromAge::CDialogCalcFromAge(wxWindow* parent, const std::string& birthText, const std::string& deathText,
                                       bool kazoe)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kCalcTitle)), birthText_(birthText), deathText_(deathText), kazoe_(kazoe) {
    BuildControls();
    ToControls();
    Bind(wxEVT_BUTTON, &CDialogCalcFromAge::OnCalculate, this, Id::CalcRun);
    Bind(wxEVT_BUTTON, &CDialogCalcFromAge::OnOk, this, wxID_OK);
    age_->Bind(wxEVT_CHAR, &CDialogCalcFromAge::OnAgeChar, this);
}

void CDialogCalcFromAge::BuildControls() {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kCalcIntro)), wxSizerFlags().Border(wxALL, 10));

    const int fieldWidth = FromDIP(120);
    auto* grid = new wxFlexGridSizer(3, FromDIP(6), FromDIP(8));
    age_ = new wxTextCtrl(this, Id::CalcAge, wxEmptyString, wxDefaultPosition, wxSize(FromDIP(60), -1));
    kazoeBox_ = new wxCheckBox(this, Id::CalcKazoe, ToWx(Str::kPersonKazoe));
    birth_ = new wxTextCtrl(this, Id::CalcBirth, wxEmptyString, wxDefaultPosition, wxSize(fieldWidth, -1));
    death_ = new wxTextCtrl(this, Id::CalcDeath, wxEmptyString, wxDefaultPosition, wxSize(fieldWidth, -1));
    const auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, ToWx(text)); };
    const wxSizerFlags center = wxSizerFlags().CenterVertical();
    grid->Add(label(Str::kCalcAge), center);
    grid->Add(age_, center);
    grid->Add(kazoeBox_, center);
    grid->Add(label(Str::kCalcBirth), center);
    grid->Add(birth_, center);
    grid->AddSpacer(0);
    grid->Add(label(Str::kCalcDeath), center);
    grid->Add(death_, center);
    grid->AddSpacer(0);
    top->Add(grid, wxSizerFlags().Border(wxLEFT | wxRIGHT, 10));
    top->Add(new wxButton(this, Id::CalcRun, ToWx(Str::kCalcRun)), wxSizerFlags().Center().Border(wxALL, 10));

    top->Add(CreateOkCancelButtons(this), wxSizerFlags().Right().Border(wxALL, 10));
    SetSizerAndFit(top);

    for (wxTextCtrl* figures : {birth_, death_}) {
        SetTextInputKind(*figures, TextInputKind::Number);
    }
    SetTextInputKind(*age_, TextInputKind::Digits);
    age_->SetFocus();
}

void CDialogCalcFromAge::ToControls() {
    age_->ChangeValue(ToWx(ageText_));
    birth_->ChangeValue(ToWx(birthText_));
    death_->ChangeValue(ToWx(deathText_));
    kazoeBox_->SetValue(kazoe_);
}

void CDialogCalcFromAge::FromControls() {
    ageText_ = FromWx(age_->GetValue());
    birthText_ = FromWx(birth_->GetValue());
    deathText_ = FromWx(death_->GetValue());
    kazoe_ = kazoeBox_->GetValue();
}

bool CDialogCalcFromAge::Calculate() {
    FromControls();
    CAgeCalculator::Result r = CAgeCalculator::Calculate(ageText_, birthText_, deathText_, kazoe_);
    if (r.message != nullptr) {
        ShowMessageBox(ToWx(r.message), wxOK | wxICON_EXCLAMATION, this);
        return false;
    }
    birthText_ = std::move(r.birthText);
    deathText_ = std::move(r.deathText);
    ToControls();
    return true;
}

void CDialogCalcFromAge::Finish(int code) {
    SetReturnCode(code);
    EndDialog(code);
}

void CDialogCalcFromAge::OnCalculate(wxCommandEvent&) { Calculate(); }

void CDialogCalcFromAge::OnOk(wxCommandEvent&) {
    if (Calculate()) {
        Finish(wxID_OK);
    }
}

void CDialogCalcFromAge::OnAgeChar(wxKeyEvent& event) {
    // Figures only; control keys (editing, navigation, Tab, Enter) pass.
    const int key = event.GetUnicodeKey();
    if (key == WXK_NONE || key < WXK_SPACE || key == WXK_DELETE || (key >= '0' && key <= '9')) {
        event.Skip();
    }
}
