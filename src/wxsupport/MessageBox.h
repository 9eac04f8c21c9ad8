// The one way the program shows its fixed messages and questions, so that
// every box has the program's caption and tests can answer them all alike
// (wxTEST_DIALOG with wxExpectModal<wxMessageDialog>).
#pragma once

#include <wx/msgdlg.h>
#include <wx/string.h>

class wxWindow;

// style: wxOK, wxYES_NO, wxOK | wxCANCEL, plus wxICON_*. Returns wxOK, wxYES, wxNO or wxCANCEL.
int ShowMessageBox(const wxString& text, long style = wxOK | wxICON_INFORMATION, wxWindow* parent = nullptr);
