// The progress window of a long import or export: a gauge, a line saying
// what is being done and a cancel button, over a window-modal
// wxGenericProgressDialog. That is wx's own dialog on every platform; Windows'
// native one runs on a thread of its own, out of reach of the Japanese button
// label and the line widening below. The loops of the core report through
// Callback(); the window is redrawn at most every kRedrawInterval, so that
// reporting costs a fast loop next to nothing, and the cancel button is
// heard at each redraw.
#pragma once

#include "interchange/ProgressCallback.h"

#include <wx/string.h>

#include <chrono>
#include <cstdint>
#include <memory>

class wxGenericProgressDialog;
class wxWindow;

class CProgressDialog {
public:
    static constexpr std::chrono::milliseconds kRedrawInterval{50};

    CProgressDialog(wxWindow* parent, const wxString& title, const wxString& message);
    ~CProgressDialog();
    CProgressDialog(const CProgressDialog&) = delete;
    CProgressDialog& operator=(const CProgressDialog&) = delete;

    // What the window says once the loop has gone through all of its work
    // and what follows can no longer be stopped. Without one the window is
    // hidden at that point.
    void SetFinishingMessage(const wxString& text);

    // done of total; false once the user has cancelled.
    bool Report(std::uint64_t done, std::uint64_t total);
    // Report, for the core's loops; valid while this object lives.
    ProgressCallback Callback();

private:
    // Makes the window wide enough for this line too, before it is shown:
    // the toolkit fits its window to the first line only.
    void WidenFor(const wxString& text);

    std::unique_ptr<wxGenericProgressDialog> dialog_;
    wxString message_;
    wxString finishing_;
    std::chrono::steady_clock::time_point lastRedraw_;
    bool finished_ = false;
};
