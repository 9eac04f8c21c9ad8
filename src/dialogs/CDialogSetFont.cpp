#include "dialogs/CDialogSetFont.h"

#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CLogFontConverter.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <cmath>
#include <cstdlib>

namespace {

struct FontRow {
    int button;
    int face;
    int size;
    const char* text;
};

// Indexed by slot: names, birth and death years, base year, year header.
constexpr std::array<FontRow, 4> kRows{{
    {Id::FontsName, Id::FontsNameFace, Id::FontsNameSize, Str::kFontsName},
    {Id::FontsYear, Id::FontsYearFace, Id::FontsYearSize, Str::kFontsYear},
    {Id::FontsBasis, Id::FontsBasisFace, Id::FontsBasisSize, Str::kFontsBasis},
    {Id::FontsScale, Id::FontsScaleFace, Id::FontsScaleSize, Str::kFontsScale},
}};

}  // namespace

CDialogSetFont::CDialogSetFont(wxWindow* parent, CVitachronDoc& doc, CFontChooser& chooser, double dpi)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kFontsTitle)), doc_(doc), chooser_(chooser), dpi_(dpi) {
    auto* grid = new wxFlexGridSizer(3, wxSize(12, 8));
    grid->AddGrowableCol(1);
    for (int i = 0; i < SlotCount; ++i) {
        const Slot slot = static_cast<Slot>(i);
        grid->Add(new wxButton(this, kRows[i].button, ToWx(kRows[i].text)), 0, wxEXPAND);
        faces_[i] = new wxStaticText(this, kRows[i].face, wxString(), wxDefaultPosition, FromDIP(wxSize(200, -1)),
                                     wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
        sizes_[i] = new wxStaticText(this, kRows[i].size, wxString(), wxDefaultPosition, FromDIP(wxSize(40, -1)),
                                     wxALIGN_RIGHT | wxST_NO_AUTORESIZE);
        grid->Add(faces_[i], 1, wxALIGN_CENTER_VERTICAL | wxEXPAND);
        grid->Add(sizes_[i], 0, wxALIGN_CENTER_VERTICAL);
        ShowPreview(slot, FontOf(slot));
        Bind(wxEVT_BUTTON, [this, slot](wxCommandEvent&) { Choose(slot); }, kRows[i].button);
    }

    saveAsInitial_ = new wxCheckBox(this, Id::FontsSaveAsInitial, ToWx(Str::kFontsSaveAsInitial));
    auto* lower = new wxBoxSizer(wxHORIZONTAL);
    lower->Add(saveAsInitial_, 0, wxALIGN_CENTER_VERTICAL);
    lower->AddStretchSpacer();
    lower->Add(new wxButton(this, Id::FontsDefaults, ToWx(Str::kFontsDefaults)), 0, wxLEFT, 16);

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kFontsHeading)), 0, wxALL, 12);
    top->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 24);
    top->Add(lower, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CDialogSetFont::OnDefaults, this, Id::FontsDefaults);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
}

bool CDialogSetFont::SaveAsInitial() const { return saveAsInitial_->GetValue(); }

int CDialogSetFont::PointSize(const CLogFont& font, double dpi) {
    // A positive height counts the cell rather than the character; either way it is the size users mean.
    return static_cast<int>(std::lround(std::abs(static_cast<double>(font.height)) * 72.0 / dpi));
}

CLogFont& CDialogSetFont::FontOf(Slot slot) const {
    CDocSettings& s = doc_.Settings();
    switch (slot) {
        case Name: return s.fontName;
        case Year: return s.fontYear;
        case Basis: return s.fontBasis;
        default: return s.fontScale;
    }
}

void CDialogSetFont::ShowPreview(Slot slot, const CLogFont& font) {
    // Previews show the font at its real size, as the timeline at 100 % does.
    const wxFont preview = CLogFontConverter::ToWxFont(font, 100, dpi_);
    faces_[slot]->SetFont(preview);
    sizes_[slot]->SetFont(preview);
    faces_[slot]->SetLabel(ToWx(font.faceName));
    sizes_[slot]->SetLabel(wxString::Format("%d", PointSize(font, dpi_)));
    Layout();
}

void CDialogSetFont::Apply(Slot slot, const CLogFont& font) {
    FontOf(slot) = font;
    doc_.NotifyChanged(CDocChange::Fonts);
}

void CDialogSetFont::Choose(Slot slot) {
    if (const std::optional<CLogFont> chosen = chooser_.Choose(this, FontOf(slot))) {
        Apply(slot, *chosen);
        ShowPreview(slot, *chosen);
    }
}

void CDialogSetFont::OnDefaults(wxCommandEvent&) {
    const CLogFont standard = CLogFont::Default();
    for (int i = 0; i < SlotCount; ++i) {
        ShowPreview(static_cast<Slot>(i), standard);
    }
    // The order in which the program has always replaced them.
    for (const Slot slot : {Scale, Name, Basis, Year}) {
        Apply(slot, standard);
    }
}
