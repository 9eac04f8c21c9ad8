// Include this instead of <wx/testing.h>. wxTEST_DIALOG then uses a hook
// that turns an unexpected dialog into a test failure and cancels it,
// instead of leaving it open and the test hanging.
#pragma once

#define wxTEST_DIALOG_HOOK_CLASS CTestModalHook

#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <gtest/gtest.h>

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
