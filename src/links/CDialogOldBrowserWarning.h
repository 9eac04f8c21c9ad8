// "古いInternet Explorerの検出": the warning that the browser may not jump
// to the year's anchor in a local file. OK with the box checked stops the
// warning for good; Escape changes nothing.
#pragma once

#include <wx/dialog.h>

class CBrowserSupport;
class wxCheckBox;

class CDialogOldBrowserWarning : public wxDialog {
public:
    CDialogOldBrowserWarning(wxWindow* parent, CBrowserSupport& browser);

    wxCheckBox* DontShowAgain() const { return dontShow_; }
    // What OK does before closing.
    void Accept();

private:
    void OnOk(wxCommandEvent&);

    CBrowserSupport* browser_;
    wxCheckBox* dontShow_;
};
