#include "dialogs/CDialogOldBrowserWarning.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/artprov.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

CDialogOldBrowserWarning::CDialogOldBrowserWarning(wxWindow* parent, std::function<void()> stopWarning)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kBrowserWarnTitle)), stopWarning_(std::move(stopWarning)) {
    auto* icon = new wxStaticBitmap(this, Id::BrowserWarnIcon, wxArtProvider::GetBitmap(wxART_WARNING, wxART_MESSAGE_BOX));
    auto* text = new wxStaticText(this, wxID_ANY, ToWx(Str::kBrowserWarnText));
    dontShow_ = new wxCheckBox(this, Id::BrowserWarnDontShow, ToWx(Str::kBrowserWarnDontShow));

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(icon, 0, wxRIGHT, 12);
    top->Add(text, 1);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 0, wxALL | wxEXPAND, 12);
    sizer->Add(dontShow_, 0, wxLEFT | wxRIGHT, 12);
    sizer->Add(CreateOkCancelButtons(this, {.withCancel = false}), 0, wxALL | wxALIGN_RIGHT, 12);
    SetSizerAndFit(sizer);
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CDialogOldBrowserWarning::OnOk, this, wxID_OK);
    // Escape and the close box only close: without a Cancel button wx would
    // otherwise press OK for them, and the box would count.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_ESCAPE) {
            EndDialog(wxID_CANCEL);
        } else {
            e.Skip();
        }
    });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndDialog(wxID_CANCEL); });
}

void CDialogOldBrowserWarning::OnOk(wxCommandEvent&) {
    Accept();
    EndModal(wxID_OK);
}

void CDialogOldBrowserWarning::Accept() {
    if (dontShow_->IsChecked()) {
        stopWarning_();
    }
}
