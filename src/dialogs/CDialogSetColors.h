// "色設定": the six drawing colours of a document. Every choice goes into the
// document at once and the views are redrawn, so the timeline shows it while
// the dialog is open; the command that opened the dialog keeps the colours
// on OK and puts the old ones back on Cancel (RunColorSettings).
#pragma once

#include "model/CDrawingColors.h"
#include "wxsupport/CColorChooser.h"

#include <wx/dialog.h>

#include <array>

class CColorStatic;
class CVitachronDoc;
class wxCheckBox;

class CDialogSetColors : public wxDialog {
public:
    CDialogSetColors(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser);

    // The chooser's custom slots while the dialog runs; the opener fills them
    // and takes them back after OK.
    const CCustomColors& CustomColors() const { return customColors_; }
    void SetCustomColors(const CCustomColors& colors) { customColors_ = colors; }
    // "初期値として設定する".
    bool SaveAsInitial() const;

private:
    enum Slot { Name, BeginEnd, Basis, HeaderYear, Back, Supple, SlotCount };

    void Choose(Slot slot);
    void SetColor(Slot slot, std::uint32_t color);
    std::uint32_t& ColorOf(CDrawingColors& colors, Slot slot) const;
    void OnDefaults(wxCommandEvent& event);

    CVitachronDoc& doc_;
    CColorChooser& chooser_;
    CDrawingColors colors_;
    CCustomColors customColors_;
    std::array<CColorStatic*, SlotCount> swatches_{};
    wxCheckBox* saveAsInitial_ = nullptr;
};
