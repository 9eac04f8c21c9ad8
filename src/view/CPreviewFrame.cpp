#include "view/CPreviewFrame.h"

CPreviewFrame::CPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent, const wxString& title,
                             std::function<void()> onClosed)
    : wxPreviewFrame(preview, parent, title, wxDefaultPosition, wxSize(900, 800)), onClosed_(std::move(onClosed)) {
    Bind(wxEVT_CLOSE_WINDOW, &CPreviewFrame::OnClose, this);
}

void CPreviewFrame::OnClose(wxCloseEvent& event) {
    if (onClosed_) {
        // Once only: the preview's own close handler destroys the window next.
        auto closed = std::move(onClosed_);
        onClosed_ = nullptr;
        closed();
    }
    event.Skip();
}
