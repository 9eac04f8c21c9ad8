#include "dialogs/MessageBox.h"

#include "res/Strings.h"
#include "view/WxConvert.h"

int ShowMessageBox(const wxString& text, long style, wxWindow* parent) {
    return wxMessageBox(text, ToWx(Str::kAppName), style, parent);
}
