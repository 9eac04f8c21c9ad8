// The About box: the icon and the program's version, with OK.
#pragma once

#include <wx/dialog.h>

class CDialogAbout : public wxDialog {
public:
    explicit CDialogAbout(wxWindow* parent);
};
