#include "dialogs/CDialogImportCheck.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

CDialogImportCheck::CDialogImportCheck(wxWindow* parent, const wxString& path)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kImportCheckTitle)) {
    // A long path is shortened in the middle, where the folders are, rather
    // than stretching the dialog off the screen; the tip shows all of it.
    auto* pathText = new wxStaticText(this, Id::ImportCheckPath, path, wxDefaultPosition, wxDefaultSize,
                                      wxST_ELLIPSIZE_MIDDLE | wxST_NO_AUTORESIZE);
    pathText->SetToolTip(path);
    const int textWidth = std::min(pathText->GetTextExtent(path).x, FromDIP(480));
    pathText->SetMinSize(wxSize(std::max(textWidth, FromDIP(280)), -1));
    kazoe_ = new wxCheckBox(this, Id::ImportCheckKazoe, ToWx(Str::kImportCheckKazoe));

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(pathText, 0, wxEXPAND | wxALL, 12);
    top->Add(kazoe_, 0, wxLEFT | wxRIGHT, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
    FindWindow(wxID_OK)->SetFocus();
}

bool CDialogImportCheck::Kazoe() const { return kazoe_->GetValue(); }
