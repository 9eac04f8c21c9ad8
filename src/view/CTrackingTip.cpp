#include "view/CTrackingTip.h"

#include <wx/popupwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif
#ifdef __WXMSW__
#include <windows.h>
#endif

namespace {

// The tip stands over the bar it tells of, so it takes no input: clicks,
// double-clicks and wheel turns go to the window beneath it as if it were
// not there.
void LetInputThrough(wxPopupWindow& popup) {
#ifdef __WXGTK__
    if (GtkWidget* widget = popup.GetHandle()) {
        cairo_region_t* nothing = cairo_region_create();
        gtk_widget_input_shape_combine_region(widget, nothing);
        cairo_region_destroy(nothing);
    }
#elif defined(__WXMSW__)
    const HWND hwnd = popup.GetHWND();
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE,
                      GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT | WS_EX_LAYERED | WS_EX_NOACTIVATE);
    SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
#else
    (void)popup;
#endif
}

}  // namespace

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
        LetInputThrough(*popup_);
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

wxRect CTrackingTip::ScreenRect() const { return popup_ != nullptr ? popup_->GetScreenRect() : wxRect(); }

wxString CTrackingTip::Text() const { return label_ != nullptr ? label_->GetLabelText() : wxString(); }

void CTrackingTip::CheckMouse(const wxPoint& screenMouse) {
    if (owner_->GetScreenRect().Contains(screenMouse)) {
        return;
    }
    timer_.Stop();
    Hide();
}
