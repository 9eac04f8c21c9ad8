// "表示の設定": how each person is shown (years, ages, date precision, the
// bar length for an unknown end, the kazoe mark, the note mark), the width
// of the name list and the comment separator. OK writes the values into the
// document, applies the width to the splitter and, when "これらの値を初期値と
// して設定する(&S)" is ticked, stores them as the initial values of new
// documents. Cancel changes nothing.
#pragma once

#include <wx/dialog.h>

class CVitachronDoc;
class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

class CDialogDisplaySet : public wxDialog {
public:
    static constexpr long long kMaxLeftWidth = 1000;
    static constexpr long long kMaxBarLength = 10000;

    CDialogDisplaySet(wxWindow* parent, CVitachronDoc& doc);

private:
    void OnOk(wxCommandEvent& event);

    CVitachronDoc& doc_;
    wxCheckBox* yearRange_ = nullptr;
    wxCheckBox* age_ = nullptr;
    wxRadioButton* yearOnly_ = nullptr;
    wxRadioButton* fullDate_ = nullptr;
    wxTextCtrl* barLength_ = nullptr;
    wxCheckBox* kazoeAster_ = nullptr;
    wxTextCtrl* leftWidth_ = nullptr;
    wxTextCtrl* commentSeparator_ = nullptr;
    wxCheckBox* suppleMark_ = nullptr;
    wxCheckBox* saveAsInitial_ = nullptr;
};
