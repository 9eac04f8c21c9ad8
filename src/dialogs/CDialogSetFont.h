// "フォント設定": the four fonts of a document. Every choice goes into the
// document at once and the views rebuild their fonts, so the timeline shows
// it while the dialog is open; the command that opened the dialog keeps the
// fonts on OK and puts the old ones back on Cancel (RunFontSettings).
#pragma once

#include "model/CLogFont.h"
#include "wxsupport/CFontChooser.h"

#include <wx/dialog.h>

#include <array>

class CVitachronDoc;
class wxCheckBox;
class wxStaticText;

class CDialogSetFont : public wxDialog {
public:
    // dpi: the screen's, for the point sizes the previews show.
    CDialogSetFont(wxWindow* parent, CVitachronDoc& doc, CFontChooser& chooser, double dpi);

    // "初期値として設定する".
    bool SaveAsInitial() const;
    // The point size a preview shows for a font: its character height at the
    // screen's resolution, rounded.
    static int PointSize(const CLogFont& font, double dpi);

private:
    enum Slot { Name, Year, Basis, Scale, SlotCount };

    CLogFont& FontOf(Slot slot) const;
    void Choose(Slot slot);
    void ShowPreview(Slot slot, const CLogFont& font);
    // The document's font changes and the views show it at once.
    void Apply(Slot slot, const CLogFont& font);
    void OnDefaults(wxCommandEvent& event);

    CVitachronDoc& doc_;
    CFontChooser& chooser_;
    double dpi_;
    std::array<wxStaticText*, SlotCount> faces_{};
    std::array<wxStaticText*, SlotCount> sizes_{};
    wxCheckBox* saveAsInitial_ = nullptr;
};
