#include "wxsupport/MessageBox.h"

#include "res/Strings.h"
#include "wxsupport/WxConvert.h"

int ShowMessageBox(const wxString& text, long style, wxWindow* parent) {
    // As wxMessageBox: a question without an icon of its own gets the question mark.
    if ((style & (wxICON_EXCLAMATION | wxICON_HAND | wxICON_INFORMATION | wxICON_QUESTION)) == 0) {
        style |= (style & wxYES) != 0 ? wxICON_QUESTION : wxICON_INFORMATION;
    }
    wxMessageDialog dialog(parent, text, ToWx(Str::kAppName), style | wxCENTRE);
    // GTK would name the buttons in the locale's language; the messages name
    // them in the program's.
    dialog.SetOKCancelLabels(ToWx(Str::kMessageOk), ToWx(Str::kMessageCancel));
    dialog.SetYesNoCancelLabels(ToWx(Str::kMessageYes), ToWx(Str::kMessageNo), ToWx(Str::kMessageCancel));
    switch (dialog.ShowModal()) {
        case wxID_OK: return wxOK;
        case wxID_YES: return wxYES;
        case wxID_NO: return wxNO;
        default: return wxCANCEL;
    }
}
