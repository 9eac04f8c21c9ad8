// "基準年設定": the base year at which ages are shown, what is shown around
// the birth and the death, the base colour and where the figures stand.
// The dialog edits a copy; the opener writes Values() into the document
// after OK. Only its "年齢色個別設定" button changes the document directly.
#pragma once

#include "model/CBaseYearValues.h"

#include <wx/dialog.h>

class CColorChooser;
class CColorStatic;
class CVitachronDoc;
class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

class CDialogBaseYear : public wxDialog {
public:
    CDialogBaseYear(wxWindow* parent, CVitachronDoc& doc, const CBaseYearValues& values, CColorChooser& chooser);

    // What OK accepted (before OK: what the dialog opened with, bar the colour).
    const CBaseYearValues& Values() const { return values_; }

private:
    void UpdateMemorialEnabling();
    void OnYearTyped(wxCommandEvent& event);
    void OnChangeColor(wxCommandEvent& event);
    void OnAgeColors(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    CVitachronDoc& doc_;
    CColorChooser& chooser_;
    CBaseYearValues values_;
    wxTextCtrl* year_ = nullptr;
    wxCheckBox* off_ = nullptr;
    wxCheckBox* beforeBirth_ = nullptr;
    wxCheckBox* afterDeath_ = nullptr;
    wxRadioButton* fromBirth_ = nullptr;
    wxRadioButton* fromDeath_ = nullptr;
    wxCheckBox* memorial_ = nullptr;
    CColorStatic* swatch_ = nullptr;
    wxCheckBox* onLine_ = nullptr;
    wxCheckBox* besideAge_ = nullptr;
};
