#include "view/CTrackingTip.h"

#include <wx/popupwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

CTrackingTip::CTrackingTip(wxWindow* owner) : owner_(owner) {
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { CheckMouse(wxGetMousePosition()); });
}

CTrackingTip::~CTrackingTip() {
    timer_.Stop();
    if (popup_ != nullptr) {
        popup_->Destroy();
    }
}

void CTrackingTip::ShowAt(const wxString& text, const wxPoint& screenPoint) {
    if (popup_ == nullptr) {
        popup_ = new wxPopupWindow(owner_, wxBORDER_SIMPLE);
        popup_->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK));
        label_ = new wxStaticText(popup_, wxID_ANY, wxEmptyString);
        label_->SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(label_, 0, wxALL, 3);
        popup_->SetSizer(sizer);
    }
    if (label_->GetLabelText() != text) {
        label_->SetLabelText(text);
        popup_->Fit();
    }
    popup_->Position(screenPoint, wxSize(0, 0));
    popup_->Show();
    if (!timer_.IsRunning()) {
        timer_.Start(kHideCheckMs);
    }
}

void CTrackingTip::Hide() {
    if (popup_ != nullptr) {
        popup_->Hide();
    }
}

bool CTrackingTip::IsShown() const { return popup_ != nullptr && popup_->IsShown(); }

wxString CTrackingTip::Text() const { return label_ != nullptr ? label_->GetLabelText() : wxString(); }

void CTrackingTip::CheckMouse(const wxPoint& screenMouse) {
    if (owner_->GetScreenRect().Contains(screenMouse)) {
        return;
    }
    timer_.Stop();
    Hide();
}
