// The age calculator (年齢から生没年を計算する): from an age and one of the two
// years it fills in the other. Opened by the person dialog, which takes the
// two texts and the kazoe choice back after OK.
#pragma once

#include <wx/dialog.h>

#include <string>

class wxCheckBox;
class wxTextCtrl;

class CDialogCalcFromAge : public wxDialog {
public:
    CDialogCalcFromAge(wxWindow* parent, const std::string& birthText, const std::string& deathText, bool kazoe);

    const std::string& BirthText() const { return birthText_; }
    const std::string& DeathText() const { return deathText_; }
    bool Kazoe() const { return kazoe_; }

private:
    void BuildControls();
    void ToControls();
    void FromControls();
    // False when the input was refused; the user has been told why.
    bool Calculate();
    void Finish(int code);

    void OnCalculate(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);
    void OnAgeChar(wxKeyEvent& event);

    std::string ageText_;
    std::string birthText_;
    std::string deathText_;
    bool kazoe_;

    wxTextCtrl* age_ = nullptr;
    wxTextCtrl* birth_ = nullptr;
    wxTextCtrl* death_ = nullptr;
    wxCheckBox* kazoeBox_ = nullptr;
};
