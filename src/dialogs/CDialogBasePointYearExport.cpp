#include "dialogs/CDialogBasePointYearExport.h"

#include "res/Strings.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

#include <algorithm>

CDialogBasePointYearExport::CDialogBasePointYearExport(wxWindow* parent, const CVitachronDoc& doc)
    : CDialogDataToList(parent, doc, ToWx(Str::kBasePointYearExportTitle), false) {
    // Converting waits for the first person chosen.
    wxSizer* buttons = CreateOkCancelButtons(this, {.okLabel = Str::kConvertButton, .okIsDefault = false,
                                                    .arrangement = ButtonArrangement::Column});
    convert_ = static_cast<wxButton*>(FindWindow(wxID_OK));
    convert_->Disable();

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(List(), 1, wxEXPAND | wxALL, 12);
    top->Add(buttons, 0, wxTOP | wxRIGHT, 12);
    SetSizerAndFit(top);
    FillList();
    CentreOnParent();

    // The list's clicks land on its inner windows where the list is drawn
    // by the toolkit's generic code, on the list itself where it is native.
    const auto onClick = [this](wxMouseEvent& event) {
        EnableConvert();
        event.Skip();
    };
    List()->Bind(wxEVT_LEFT_DOWN, onClick);
    for (wxWindow* child : List()->GetChildren()) {
        child->Bind(wxEVT_LEFT_DOWN, onClick);
    }
    const auto onSelection = [this](wxListEvent& event) {
        EnableConvert();
        event.Skip();
    };
    List()->Bind(wxEVT_LIST_ITEM_SELECTED, onSelection);
    Bind(wxEVT_BUTTON, &CDialogBasePointYearExport::OnConvert, this, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
    List()->SetFocus();
}

void CDialogBasePointYearExport::EnableConvert() {
    if (!convert_->IsEnabled()) {
        convert_->Enable();
        convert_->SetDefault();
    }
}

void CDialogBasePointYearExport::OnConvert(wxCommandEvent&) {
    chosen_.clear();
    for (const long row : SelectedRows()) {
        chosen_.push_back(static_cast<std::size_t>(row));
    }
    std::sort(chosen_.begin(), chosen_.end());
    EndDialogWith(*this, wxID_OK);
}
