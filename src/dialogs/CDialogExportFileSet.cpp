#include "dialogs/CDialogExportFileSet.h"

#include "model/CPerson.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/filename.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

CDialogExportFileSet::CDialogExportFileSet(wxWindow* parent, std::vector<CBasePointYearTarget> targets,
                                           CFileChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kExportFileSetTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      targets_(std::move(targets)),
      chooser_(&chooser) {
    list_ = new wxListCtrl(this, Id::DataList, wxDefaultPosition, FromDIP(wxSize(440, 240)),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_NO_SORT_HEADER | wxBORDER_SUNKEN);
    list_->AppendColumn(ToWx(Str::kListName), wxLIST_FORMAT_LEFT, FromDIP(100));
    // Wide enough for any path, as the user scrolls sideways to read it.
    list_->AppendColumn(ToWx(Str::kListFileName), wxLIST_FORMAT_LEFT, FromDIP(1000));
    rename_ = new wxButton(this, Id::ExportFileSetRename, ToWx(Str::kExportFileSetRename));
    rename_->Disable();
    wxSizer* buttons =
        CreateOkCancelButtons(this, {.okLabel = Str::kConvertButton, .arrangement = ButtonArrangement::Column});
    SetSizerAndFit(CreateSideColumnLayout(list_, rename_, buttons));
    FillList();
    CentreOnParent();

    const auto onClick = [this](wxMouseEvent& event) {
        EnableRename();
        event.Skip();
    };
    list_->Bind(wxEVT_LEFT_DOWN, onClick);
    for (wxWindow* child : list_->GetChildren()) {
        child->Bind(wxEVT_LEFT_DOWN, onClick);
    }
    list_->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& event) {
        EnableRename();
        event.Skip();
    });
    Bind(wxEVT_BUTTON, &CDialogExportFileSet::OnRename, this, Id::ExportFileSetRename);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_OK); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
    FindWindow(wxID_OK)->SetFocus();
}

void CDialogExportFileSet::FillList() {
    list_->Freeze();
    list_->DeleteAllItems();
    long row = 0;
    for (const CBasePointYearTarget& target : targets_) {
        list_->InsertItem(row, ToWx(target.person->name));
        list_->SetItem(row, 1, ToWx(target.path));
        ++row;
    }
    list_->Thaw();
}

void CDialogExportFileSet::EnableRename() { rename_->Enable(); }

void CDialogExportFileSet::OnRename(wxCommandEvent&) {
    const long row = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row < 0 || static_cast<std::size_t>(row) >= targets_.size()) {
        return;
    }
    const wxFileName current(ToWx(targets_[static_cast<std::size_t>(row)].path));
    CFileChooser::Request request;
    request.parent = this;
    request.title = ToWx(Str::kSaveAsTitle);
    request.defaultDir = current.GetPath();
    request.defaultFile = current.GetFullName();
    request.wildcard = ToWx(Str::kLbyFilter);
    request.defaultExtension = "lby";
    request.promptOverwrite = true;
    const std::optional<wxString> chosen = chooser_->ChooseSave(request);
    if (!chosen) {
        return;
    }
    targets_[static_cast<std::size_t>(row)].SetPath(FromWx(*chosen));
    FillList();
    list_->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
}
