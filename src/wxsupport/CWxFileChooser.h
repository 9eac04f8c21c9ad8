// The file chooser users see: the platform's file dialog.
#pragma once

#include "wxsupport/CFileChooser.h"

class CWxFileChooser : public CFileChooser {
public:
    std::optional<wxString> ChooseOpen(const Request& request) override;
    std::vector<wxString> ChooseOpenMany(const Request& request) override;
    std::optional<wxString> ChooseSave(const Request& request) override;
};
