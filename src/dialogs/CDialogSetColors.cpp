#include "dialogs/CDialogSetColors.h"

#include "dialogs/CColorStatic.h"
#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

struct ColorRow {
    int button;
    int swatch;
    const char* text;
    const char* tip;  // none for the note mark
};

}  // namespace

CDialogSetColors::CDialogSetColors(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kColorsTitle)),
      doc_(doc),
      chooser_(chooser),
      colors_(CDrawingColors::Of(doc.Settings())),
      customColors_(doc.Settings().customColors) {
    // Indexed by Slot; listed in the order the dialog shows them.
    const std::array<ColorRow, SlotCount> rows{{
        {Id::ColorsName, Id::ColorsNameSwatch, Str::kColorsName, Str::kColorsNameTip},
        {Id::ColorsBeginEnd, Id::ColorsBeginEndSwatch, Str::kColorsBeginEnd, Str::kColorsBeginEndTip},
        {Id::ColorsBasis, Id::ColorsBasisSwatch, Str::kColorsBasis, Str::kColorsBasisTip},
        {Id::ColorsHeaderYear, Id::ColorsHeaderYearSwatch, Str::kColorsHeaderYear, Str::kColorsHeaderYearTip},
        {Id::ColorsBack, Id::ColorsBackSwatch, Str::kColorsBack, Str::kColorsBackTip},
        {Id::ColorsSupple, Id::ColorsSuppleSwatch, Str::kColorsSupple, nullptr},
    }};
    auto* grid = new wxFlexGridSizer(2, wxSize(10, 6));
    for (int i = 0; i < SlotCount; ++i) {
        const Slot slot = static_cast<Slot>(i);
        auto* button = new wxButton(this, rows[i].button, ToWx(rows[i].text));
        if (rows[i].tip != nullptr) {
            button->SetToolTip(ToWx(rows[i].tip));
        }
        grid->Add(button, 0, wxEXPAND);
        swatches_[i] = new CColorStatic(this, rows[i].swatch, FromDIP(wxSize(60, 20)));
        swatches_[i]->SetColor(ColorOf(colors_, slot));
        grid->Add(swatches_[i], 0, wxALIGN_CENTER_VERTICAL);
        Bind(wxEVT_BUTTON, [this, slot](wxCommandEvent&) { Choose(slot); }, rows[i].button);
    }

    saveAsInitial_ = new wxCheckBox(this, Id::ColorsSaveAsInitial, ToWx(Str::kColorsSaveAsInitial));
    auto* lower = new wxBoxSizer(wxHORIZONTAL);
    lower->Add(saveAsInitial_, 0, wxALIGN_CENTER_VERTICAL);
    lower->AddStretchSpacer();
    lower->Add(new wxButton(this, Id::ColorsDefaults, ToWx(Str::kColorsDefaults)), 0, wxLEFT, 16);

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kColorsHeading)), 0, wxALL, 12);
    top->Add(grid, 0, wxLEFT | wxRIGHT, 24);
    top->Add(lower, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CDialogSetColors::OnDefaults, this, Id::ColorsDefaults);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
}

bool CDialogSetColors::SaveAsInitial() const { return saveAsInitial_->GetValue(); }

std::uint32_t& CDialogSetColors::ColorOf(CDrawingColors& colors, Slot slot) const {
    switch (slot) {
        case Name: return colors.name;
        case BeginEnd: return colors.beginEnd;
        case Basis: return colors.basis;
        case HeaderYear: return colors.headerYear;
        case Back: return colors.back;
        case Supple: return colors.supple;
        case SlotCount: break;
    }
    return colors.supple;
}

void CDialogSetColors::Choose(Slot slot) {
    if (const auto chosen = chooser_.Choose(this, ColorOf(colors_, slot), &customColors_)) {
        SetColor(slot, *chosen);
    }
}

void CDialogSetColors::SetColor(Slot slot, std::uint32_t color) {
    ColorOf(colors_, slot) = color;
    colors_.ApplyTo(doc_.Settings());
    doc_.NotifyChanged(CDocChange::Settings);
    swatches_[slot]->SetColor(color);
}

void CDialogSetColors::OnDefaults(wxCommandEvent&) {
    CDrawingColors d = CDrawingColors::Defaults();
    // One at a time, each redrawn, in the order the views have always taken them.
    for (const Slot slot : {Name, BeginEnd, Basis, HeaderYear, Back, Supple}) {
        SetColor(slot, ColorOf(d, slot));
    }
}
