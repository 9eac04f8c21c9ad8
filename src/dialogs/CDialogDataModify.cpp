#include "dialogs/CDialogDataModify.h"

#include "model/CDocHost.h"
#include "model/CPeopleEditor.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

CDialogDataModify::CDialogDataModify(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor,
                                     CEditSession& session)
    : CDialogDataToList(parent, doc, ToWx(Str::kDataModifyTitle), true), doc_(doc), editor_(editor), session_(session) {
    BuildControls();
    FillList();
    Bind(wxEVT_LIST_ITEM_ACTIVATED, &CDialogDataModify::OnActivated, this, Id::DataList);
    Bind(wxEVT_BUTTON, &CDialogDataModify::OnDelete, this, Id::DataDelete);
    Bind(wxEVT_BUTTON, &CDialogDataModify::OnMoveUp, this, Id::DataMoveUp);
    Bind(wxEVT_BUTTON, &CDialogDataModify::OnMoveDown, this, Id::DataMoveDown);
}

int CDialogDataModify::RunModal(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor, CEditSession& session,
                                const CDialogPerson::CategoryEditor& categoryEditor) {
    doc.SetCurrentIndex(-1);
    CDialogDataModify dlg(parent, doc, editor, session);
    dlg.SetCategoryEditor(categoryEditor);
    const int result = dlg.ShowModal();
    doc.Sort();
    doc.NotifyChanged(CDocChange::Order | CDocChange::Modified);
    return result;
}

void CDialogDataModify::BuildControls() {
    const int gap = FromDIP(10);
    auto* side = new wxBoxSizer(wxVERTICAL);
    for (const auto& [id, text] : {std::pair{Id::DataDelete, Str::kDataDelete}, std::pair{Id::DataMoveUp, Str::kDataMoveUp},
                                   std::pair{Id::DataMoveDown, Str::kDataMoveDown}}) {
        side->Add(new wxButton(this, id, ToWx(text)), wxSizerFlags().Expand().Border(wxBOTTOM, FromDIP(6)));
    }
    side->AddStretchSpacer();
    side->Add(CreateOkCancelButtons(this, {.okLabel = Str::kDataClose, .withCancel = false,
                                           .arrangement = ButtonArrangement::Column}),
              wxSizerFlags().Expand());
    // Esc and the close box end the dialog like the close button.
    SetEscapeId(wxID_OK);

    auto* body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(List(), wxSizerFlags(1).Expand().Border(wxRIGHT, gap));
    body->Add(side, wxSizerFlags().Expand());

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kDataModifyIntro)), wxSizerFlags().Border(wxALL, gap));
    top->Add(body, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, gap));
    SetSizerAndFit(top);
}

void CDialogDataModify::Reload(long selectRow) {
    FillList();
    SelectRow(selectRow);
}

void CDialogDataModify::OnActivated(wxListEvent&) {
    const long row = FirstSelected();
    if (row < 0 || static_cast<std::size_t>(row) >= doc_.People().size()) {
        return;
    }
    CPerson* person = doc_.People()[static_cast<std::size_t>(row)].get();
    if (CDialogPerson::RunModal(this, doc_, editor_, session_, person, categoryEditor_) == wxID_OK) {
        Reload(row);
    }
}

void CDialogDataModify::OnDelete(wxCommandEvent&) {
    const long row = FirstSelected();
    if (row < 0 || static_cast<std::size_t>(row) >= doc_.People().size()) {
        return;
    }
    if (ShowMessageBox(ToWx(Str::kAskDeletePerson), wxYES_NO | wxICON_NONE, this) != wxYES) {
        return;
    }
    editor_.Remove(static_cast<std::size_t>(row));
    Reload(-1);
}

void CDialogDataModify::MoveSelected(int step) {
    const long row = FirstSelected();
    const long target = row + step;
    const long count = static_cast<long>(doc_.People().size());
    if (row < 0 || row >= count || target < 0 || target >= count) {
        return;
    }
    editor_.Move(static_cast<std::size_t>(row), static_cast<std::size_t>(target));
    Reload(target);
}

void CDialogDataModify::OnMoveUp(wxCommandEvent&) { MoveSelected(-1); }

void CDialogDataModify::OnMoveDown(wxCommandEvent&) { MoveSelected(+1); }
