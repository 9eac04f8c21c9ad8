// "基準年齢色": the colours of the base-year figures before the birth, while
// alive, after the death and as memorial counts. Every choice goes into the
// document at once so the timeline shows it while the dialog is open; the
// opener (the base year dialog) puts the old colours back on Cancel.
#pragma once

#include "wxsupport/CColorChooser.h"

#include <wx/dialog.h>

#include <array>
#include <cstdint>

class CColorStatic;
class CVitachronDoc;

class CDialogBaseYearColor : public wxDialog {
public:
    // Starts from the document's four age colours and custom colours.
    CDialogBaseYearColor(wxWindow* parent, CVitachronDoc& doc, CColorChooser& chooser);

    const CCustomColors& CustomColors() const { return customColors_; }
    void SetCustomColors(const CCustomColors& colors) { customColors_ = colors; }

private:
    void Choose(std::size_t which);
    void SetColor(std::size_t which, std::uint32_t color);
    void OnReset(wxCommandEvent& event);

    CVitachronDoc& doc_;
    CColorChooser& chooser_;
    std::array<std::uint32_t, 4> colors_;
    CCustomColors customColors_;
    std::array<CColorStatic*, 4> swatches_{};
};
