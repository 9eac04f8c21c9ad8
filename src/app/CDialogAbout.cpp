#include "app/CDialogAbout.h"

#include "app/CAppIcon.h"
#include "res/Strings.h"
#include "view/WxConvert.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

CDialogAbout::CDialogAbout(wxWindow* parent) : wxDialog(parent, wxID_ANY, ToWx(Str::kAboutTitle)) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* line = new wxBoxSizer(wxHORIZONTAL);
    line->Add(new wxStaticBitmap(this, wxID_ANY, CAppIcon::Bitmap(32)), 0, wxALL | wxALIGN_CENTER_VERTICAL, 12);
    line->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kAboutVersion)), 0, wxALL | wxALIGN_CENTER_VERTICAL, 12);
    top->Add(line, 0, wxEXPAND);
    auto* ok = new wxButton(this, wxID_OK, ToWx(Str::kOk));
    ok->SetDefault();
    top->Add(ok, 0, wxALL | wxALIGN_RIGHT, 10);
    SetSizerAndFit(top);
    CentreOnParent();
}
