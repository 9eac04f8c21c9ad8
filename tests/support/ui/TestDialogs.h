// Include this instead of <wx/testing.h>. wxTEST_DIALOG then uses a hook
// that turns an unexpected dialog into a test failure and cancels it,
// instead of leaving it open and the test hanging.
#pragma once

#define wxTEST_DIALOG_HOOK_CLASS CTestModalHook

#include <wx/app.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

class CTestModalHook : public wxTestingModalHook {
public:
    CTestModalHook(const char* file, int line, const char* func) : wxTestingModalHook(file, line, func) {}

protected:
    int Enter(wxDialog* dlg) override {
        const int rc = wxTestingModalHook::Enter(dlg);
        return rc == wxID_NONE ? wxID_CANCEL : rc;
    }
    void ReportFailure(const wxString& msg) override { ADD_FAILURE() << msg.utf8_string(); }
};

// The text of the message box a test answered, for checking exact wording:
//   wxString text;
//   wxTEST_DIALOG(cmd(), CExpectMessage(wxYES, &text));
class CExpectMessage : public wxExpectModal<wxMessageDialog> {
public:
    CExpectMessage(int answer, wxString* text) : wxExpectModal<wxMessageDialog>(answer), text_(text) {}

protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        *text_ = dlg->GetMessage();
        return wxExpectModal<wxMessageDialog>::OnInvoked(dlg);
    }

private:
    wxString* text_;
};

// Simulated input reaches the program through the X server, a little later
// and later still on a busy machine: wait for its effect rather than for a
// fixed time. False when it never came.
inline bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        wxMilliSleep(5);
        wxYield();
    }
    return true;
}

// Keys go to the focused window, and without a window manager X gives the
// keyboard to the window under the pointer: put both on the target.
inline void PrepareTyping(wxWindow& target) {
    target.SetFocus();
    wxUIActionSimulator().MouseMove(target.GetScreenRect().GetPosition() + wxPoint(4, 4));
    wxYield();
}
