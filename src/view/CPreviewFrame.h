// The print preview window. It tells its owner when it closes, so the main
// window can show again what it hid for the preview (the data bar).
#pragma once

#include <wx/prntbase.h>

#include <functional>

class CPreviewFrame : public wxPreviewFrame {
public:
    CPreviewFrame(wxPrintPreviewBase* preview, wxWindow* parent, const wxString& title,
                  std::function<void()> onClosed);

private:
    void OnClose(wxCloseEvent& event);

    std::function<void()> onClosed_;
};
