#include "dialogs/CDialogBasePointYearImport.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CDialogBasePointYearImport::CDialogBasePointYearImport(wxWindow* parent, CFileChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kBasePointYearImportTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      chooser_(&chooser) {
    names_ = new wxTextCtrl(this, Id::BasePointYearFiles, wxEmptyString, wxDefaultPosition, FromDIP(wxSize(300, 160)),
                            wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP | wxHSCROLL);
    auto* choose = new wxButton(this, Id::BasePointYearChoose, ToWx(Str::kBasePointYearImportChoose));
    // OK waits for the first files chosen.
    wxSizer* buttons = CreateOkCancelButtons(this, {.okLabel = Str::kBasePointYearImportOk, .okIsDefault = false,
                                                    .arrangement = ButtonArrangement::Column});
    ok_ = static_cast<wxButton*>(FindWindow(wxID_OK));
    ok_->Disable();
    SetSizerAndFit(CreateSideColumnLayout(names_, choose, buttons));
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CDialogBasePointYearImport::OnChoose, this, Id::BasePointYearChoose);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
    choose->SetFocus();
}

void CDialogBasePointYearImport::OnChoose(wxCommandEvent&) {
    CFileChooser::Request request;
    request.parent = this;
    request.title = ToWx(Str::kOpenTitle);
    request.wildcard = ToWx(Str::kLbyFilter);
    request.defaultExtension = "lby";
    request.mustExist = true;
    const std::vector<wxString> chosen = chooser_->ChooseOpenMany(request);
    if (chosen.empty()) {
        return;
    }
    for (const wxString& path : chosen) {
        paths_.push_back(path);
        names_->AppendText(wxFileName(path).GetFullName() + "\n");
    }
    ok_->Enable();
    ok_->SetDefault();
}
