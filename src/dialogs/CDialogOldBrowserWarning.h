// "古いInternet Explorerの検出": the warning that the browser may not jump
// to the year's anchor in a local file. OK with the box checked stops the
// warning for good; Escape changes nothing.
#pragma once

#include <wx/dialog.h>

#include <functional>

class wxCheckBox;

class CDialogOldBrowserWarning : public wxDialog {
public:
    // stopWarning is called when OK is pressed with the box checked.
    CDialogOldBrowserWarning(wxWindow* parent, std::function<void()> stopWarning);

    wxCheckBox* DontShowAgain() const { return dontShow_; }
    // What OK does before closing.
    void Accept();

private:
    void OnOk(wxCommandEvent&);

    std::function<void()> stopWarning_;
    wxCheckBox* dontShow_;
};
