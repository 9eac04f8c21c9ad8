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
#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

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

// True when the tests run under Wine, which does not pass the keys and
// clicks of SendInput (and so of wxUIActionSimulator) on to its windows
// reliably. Tests made of such input skip there and run on Linux and on
// Windows itself.
inline bool UnderWine() {
#ifdef __WXMSW__
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}
#define SKIP_UNDER_WINE(why) \
    if (UnderWine()) GTEST_SKIP() << "under Wine: " << (why)
inline constexpr const char* kWineLosesInput = "simulated keys and clicks do not reach the window";

// Keys go to the focused window, and without a window manager X gives the
// keyboard to the window under the pointer: put both on the target.
inline void PrepareTyping(wxWindow& target) {
#ifdef __WXMSW__
    // Windows gives typed keys to the foreground window only, and a window
    // shown by a program that has no focus yet does not become it by itself.
    ::SetForegroundWindow(static_cast<HWND>(wxGetTopLevelParent(&target)->GetHandle()));
#endif
    target.SetFocus();
    wxUIActionSimulator().MouseMove(target.GetScreenRect().GetPosition() + wxPoint(4, 4));
    wxYield();
}
