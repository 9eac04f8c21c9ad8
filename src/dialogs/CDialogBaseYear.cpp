#include "dialogs/CDialogBaseYear.h"

#include "dialogs/CColorStatic.h"
#include "dialogs/CDialogBaseYearColor.h"
#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"
#include "model/InitialSettings.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CColorChooser.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr long long kYearMin = -2000000000;
constexpr long long kYearMax = 2000000000;

}  // namespace

CDialogBaseYear::CDialogBaseYear(wxWindow* parent, CVitachronDoc& doc, const CBaseYearValues& values,
                                 CColorChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kBaseYearTitle)), doc_(doc), chooser_(chooser), values_(values) {
    const auto check = [](wxWindow* owner, int id, const char* text, bool value) {
        auto* box = new wxCheckBox(owner, id, ToWx(text));
        box->SetValue(value);
        return box;
    };

    auto* yearRow = new wxBoxSizer(wxHORIZONTAL);
    year_ = new wxTextCtrl(this, Id::BaseYearValue, wxEmptyString, wxDefaultPosition, wxSize(FromDIP(110), -1));
    // Filling the field must not count as typing, which would switch the base year on.
    year_->ChangeValue(wxString::Format("%d", values_.year));
    yearRow->Add(year_, 0, wxALIGN_CENTER_VERTICAL);
    yearRow->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kBaseYearUnit)), 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 4);
    off_ = check(this, Id::BaseYearOff, Str::kBaseYearOff, !values_.shown);
    yearRow->Add(off_, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 16);

    beforeBirth_ = check(this, Id::BaseYearBeforeBirth, Str::kBaseYearBeforeBirth, values_.showBeforeBirth);
    afterDeath_ = check(this, Id::BaseYearAfterDeath, Str::kBaseYearAfterDeath, values_.showAfterDeath);

    auto* afterDeathBox = new wxStaticBoxSizer(wxVERTICAL, this, ToWx(Str::kBaseYearAfterDeathGroup));
    wxWindow* adb = afterDeathBox->GetStaticBox();
    fromBirth_ = new wxRadioButton(adb, Id::BaseYearFromBirth, ToWx(Str::kBaseYearFromBirth), wxDefaultPosition,
                                   wxDefaultSize, wxRB_GROUP);
    fromDeath_ = new wxRadioButton(adb, Id::BaseYearFromDeath, ToWx(Str::kBaseYearFromDeath));
    (values_.countFromBirth ? fromBirth_ : fromDeath_)->SetValue(true);
    memorial_ = check(adb, Id::BaseYearMemorial, Str::kBaseYearMemorial, values_.memorialCount);
    afterDeathBox->Add(fromBirth_, 0, wxALL, 4);
    afterDeathBox->Add(fromDeath_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 4);
    auto* memorialRow = new wxBoxSizer(wxHORIZONTAL);
    memorialRow->AddSpacer(FromDIP(20));
    memorialRow->Add(memorial_);
    afterDeathBox->Add(memorialRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, 4);

    auto* colorBox = new wxStaticBoxSizer(wxVERTICAL, this, ToWx(Str::kBaseYearColorGroup));
    wxWindow* cb = colorBox->GetStaticBox();
    auto* colorRow = new wxBoxSizer(wxHORIZONTAL);
    colorRow->Add(new wxStaticText(cb, wxID_ANY, ToWx(Str::kBaseYearColorLabel)), 0, wxALIGN_CENTER_VERTICAL);
    swatch_ = new CColorStatic(cb, Id::BaseYearSwatch, FromDIP(wxSize(60, 20)));
    swatch_->SetColor(values_.basisColor);
    colorRow->Add(swatch_, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 8);
    colorRow->Add(new wxButton(cb, Id::BaseYearColorChange, ToWx(Str::kBaseYearColorChange)), 0,
                  wxLEFT | wxALIGN_CENTER_VERTICAL, 8);
    colorBox->Add(colorRow, 0, wxALL, 4);
    colorBox->Add(new wxButton(cb, Id::BaseYearAgeColors, ToWx(Str::kBaseYearAgeColors)), 0, wxALL, 4);

    auto* positionBox = new wxStaticBoxSizer(wxHORIZONTAL, this, ToWx(Str::kBaseYearPositionGroup));
    wxWindow* pb = positionBox->GetStaticBox();
    onLine_ = check(pb, Id::BaseYearOnLine, Str::kBaseYearOnLine, values_.baseOnLine);
    besideAge_ = check(pb, Id::BaseYearBesideAge, Str::kBaseYearBesideAge, values_.baseBesideAge);
    positionBox->Add(onLine_, 0, wxALL, 4);
    positionBox->Add(besideAge_, 0, wxALL, 4);

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kBaseYearIntro)), 0, wxALL, 12);
    top->Add(yearRow, 0, wxLEFT | wxRIGHT, 12);
    top->Add(beforeBirth_, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(afterDeath_, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(afterDeathBox, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(colorBox, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(positionBox, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    UpdateMemorialEnabling();
    year_->Bind(wxEVT_TEXT, &CDialogBaseYear::OnYearTyped, this);
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { UpdateMemorialEnabling(); }, Id::BaseYearFromBirth);
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { UpdateMemorialEnabling(); }, Id::BaseYearFromDeath);
    Bind(wxEVT_BUTTON, &CDialogBaseYear::OnChangeColor, this, Id::BaseYearColorChange);
    Bind(wxEVT_BUTTON, &CDialogBaseYear::OnAgeColors, this, Id::BaseYearAgeColors);
    Bind(wxEVT_BUTTON, &CDialogBaseYear::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
    year_->SetFocus();
}

void CDialogBaseYear::UpdateMemorialEnabling() {
    // Memorial counts only exist when the years are counted from the death.
    memorial_->Enable(fromDeath_->GetValue());
}

void CDialogBaseYear::OnYearTyped(wxCommandEvent&) { off_->SetValue(false); }

void CDialogBaseYear::OnChangeColor(wxCommandEvent&) {
    if (const auto chosen = chooser_.Choose(this, values_.basisColor, nullptr)) {
        values_.basisColor = *chosen;
        swatch_->SetColor(*chosen);
    }
}

void CDialogBaseYear::OnAgeColors(wxCommandEvent&) {
    CDocSettings& s = doc_.Settings();
    const auto saved = s.ageColors;
    CDialogBaseYearColor dialog(this, doc_, chooser_);
    dialog.SetCustomColors(s.customColors);
    WriteCustomColors(doc_.Profile(), s.customColors);
    if (dialog.ShowModal() == wxID_OK) {
        s.customColors = dialog.CustomColors();
        WriteCustomColors(doc_.Profile(), s.customColors);
        return;
    }
    for (std::size_t i = 0; i < saved.size(); ++i) {
        s.ageColors[i] = saved[i];
        doc_.NotifyChanged(CDocChange::Settings);
    }
}

void CDialogBaseYear::OnOk(wxCommandEvent&) {
    const auto year = ReadIntegerField(*year_, kYearMin, kYearMax);
    if (!year) {
        return;
    }
    values_.year = static_cast<std::int32_t>(*year);
    values_.shown = !off_->GetValue();
    values_.showBeforeBirth = beforeBirth_->GetValue();
    values_.showAfterDeath = afterDeath_->GetValue();
    values_.countFromBirth = fromBirth_->GetValue();
    values_.memorialCount = memorial_->GetValue();
    values_.baseOnLine = onLine_->GetValue();
    values_.baseBesideAge = besideAge_->GetValue();
    EndDialogWith(*this, wxID_OK);
}
