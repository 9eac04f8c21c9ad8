#include "dialogs/CDialogAbout.h"

#include "model/FormatText.h"
#include "res/Strings.h"
#include "wxsupport/CAppIcon.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include "VitachronBuild.h"

#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

CDialogAbout::CDialogAbout(wxWindow* parent) : wxDialog(parent, wxID_ANY, ToWx(Str::kAboutTitle)) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* line = new wxBoxSizer(wxHORIZONTAL);
    line->Add(new wxStaticBitmap(this, wxID_ANY, CAppIcon::Bitmap(32)), 0, wxALL | wxALIGN_CENTER_VERTICAL, 12);
    line->Add(new wxStaticText(this, wxID_ANY, ToWx(FormatText(Str::kVersionLine, {Build::kVersion}))), 0, wxALL | wxALIGN_CENTER_VERTICAL, 12);
    top->Add(line, 0, wxEXPAND);
    top->Add(CreateOkCancelButtons(this, {.withCancel = false}), 0, wxALL | wxALIGN_RIGHT, 10);
    SetSizerAndFit(top);
    CentreOnParent();
}
