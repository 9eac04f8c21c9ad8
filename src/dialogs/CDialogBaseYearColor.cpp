#include "dialogs/CDialogBaseYearColor.h"

#include "dialogs/CColorStatic.h"
#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

struct AgeColorRow {
    int button;
    int swatch;
    const char* text;
};

// In the order of the document's ageColors.
constexpr std::array<AgeColorRow, 4> kRows{{
    {Id::AgeColorBeforeBirth, Id::AgeSwatchBeforeBirth, Str::kAgeColorBeforeBirth},
    {Id::AgeColorAlive, Id::AgeSwatchAlive, Str::kAgeColorAlive},
    {Id::AgeColorAfterDeath, Id::AgeSwatchAfterDeath, Str::kAgeColorAfterDeath},
    {Id::AgeColorMemorial, Id::AgeSwatchMemorial, Str::kAgeColorMemorial},
}};

}  // namespace

CDialogBaseYearColor::CDialogBaseYearColor(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kAgeColorTitle)),
      doc_(doc),
      chooser_(chooser),
      colors_(doc.Settings().ageColors),
      customColors_(doc.Settings().customColors) {
    auto* grid = new wxFlexGridSizer(2, wxSize(10, 6));
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        grid->Add(new wxButton(this, kRows[i].button, ToWx(kRows[i].text)), 0, wxEXPAND);
        swatches_[i] = new CColorStatic(this, kRows[i].swatch, FromDIP(wxSize(60, 20)));
        swatches_[i]->SetColor(colors_[i]);
        grid->Add(swatches_[i], 0, wxALIGN_CENTER_VERTICAL);
        Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { Choose(i); }, kRows[i].button);
    }

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kAgeColorHeading)), 0, wxALL, 12);
    top->Add(grid, 0, wxLEFT | wxRIGHT, 24);
    top->Add(new wxButton(this, Id::AgeColorsReset, ToWx(Str::kAgeColorsReset)), 0, wxLEFT | wxTOP, 24);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CDialogBaseYearColor::OnReset, this, Id::AgeColorsReset);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
}

void CDialogBaseYearColor::Choose(std::size_t which) {
    if (const auto chosen = chooser_.Choose(this, colors_[which], &customColors_)) {
        SetColor(which, *chosen);
    }
}

void CDialogBaseYearColor::SetColor(std::size_t which, std::uint32_t color) {
    colors_[which] = color;
    doc_.Settings().ageColors[which] = color;
    doc_.NotifyChanged(CDocChange::Settings);
    swatches_[which]->SetColor(color);
}

void CDialogBaseYearColor::OnReset(wxCommandEvent&) {
    // The colour the document holds, not one still being chosen in the base
    // year dialog underneath: that one is not the document's until its OK.
    const std::uint32_t basis = doc_.Settings().basisColor;
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        SetColor(i, basis);
    }
}
