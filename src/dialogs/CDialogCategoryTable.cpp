#include "dialogs/CDialogCategoryTable.h"

#include "dialogs/CDialogCategory.h"
#include "model/CCategoryTable.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CColorChooser.h"
#include "wxsupport/CWxColorChooser.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

CDialogCategoryTable::CDialogCategoryTable(wxWindow* parent, CCategoryTable& table, int selectPosition, CColorChooser& chooser)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kCategoryDialogTitle)), table_(table), chooser_(&chooser) {
    Build(selectPosition);
}

CDialogCategoryTable::CDialogCategoryTable(wxWindow* parent, CCategoryTable& table, int selectPosition)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kCategoryDialogTitle)),
      table_(table),
      ownChooser_(std::make_unique<CWxColorChooser>()),
      chooser_(ownChooser_.get()) {
    Build(selectPosition);
}

void CDialogCategoryTable::Build(int selectPosition) {
    list_ = new wxListCtrl(this, Id::CategoryList, wxDefaultPosition, FromDIP(wxSize(200, 240)),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_EDIT_LABELS | wxLC_NO_SORT_HEADER | wxBORDER_SUNKEN);
    list_->EnableCheckBoxes();
    // Widths of the old 9-point dialog font, widened where this font needs more.
    const int colorWidth = std::max(FromDIP(60), list_->GetTextExtent("#dddddd").x + FromDIP(24));
    list_->AppendColumn(ToWx(Str::kCategoryColumnName), wxLIST_FORMAT_LEFT, FromDIP(100));
    list_->AppendColumn(ToWx(Str::kCategoryColumnColor), wxLIST_FORMAT_LEFT, colorWidth);

    auto* side = new wxBoxSizer(wxVERTICAL);
    side->Add(new wxButton(this, Id::CategoryAdd, ToWx(Str::kCategoryAdd)), 0, wxEXPAND);
    side->Add(new wxButton(this, Id::CategoryChange, ToWx(Str::kCategoryChange)), 0, wxEXPAND | wxTOP, 6);

    auto* body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(list_, 1, wxEXPAND);
    body->Add(side, 0, wxLEFT, 8);

    wxSizer* close = CreateOkCancelButtons(this, {.okLabel = Str::kCategoryClose, .withCancel = false});

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(body, 1, wxEXPAND | wxALL, 12);
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kCategorySharedHint)), 0, wxLEFT | wxRIGHT, 12);
    top->Add(close, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    // Without a cancel button wx would turn Esc and the close box into the
    // affirmative "閉じる(&C)", which would keep the toggles; both must cancel.
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_CHAR_HOOK, &CDialogCategoryTable::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { EndDialogWith(*this, wxID_CANCEL); });
    Bind(wxEVT_BUTTON, &CDialogCategoryTable::OnAdd, this, Id::CategoryAdd);
    Bind(wxEVT_BUTTON, &CDialogCategoryTable::OnChange, this, Id::CategoryChange);
    Bind(wxEVT_BUTTON, &CDialogCategoryTable::OnClose, this, wxID_OK);
    list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, &CDialogCategoryTable::OnActivated, this);
    list_->Bind(wxEVT_LIST_END_LABEL_EDIT, &CDialogCategoryTable::OnEndLabelEdit, this);

    Fill(selectPosition);
    list_->SetFocus();
}

CDialogCategoryTable::~CDialogCategoryTable() = default;

void CDialogCategoryTable::Fill(int select) {
    list_->DeleteAllItems();
    for (std::size_t i = 0; i < table_.Size(); ++i) {
        const CCategory& category = *table_.At(i);
        const long row = list_->InsertItem(static_cast<long>(i), ToWx(category.DisplayName()));
        list_->SetItem(row, 1, ToWx(category.ColorText()));
        list_->CheckItem(row, category.shared);
    }
    if (select >= 0 && select < list_->GetItemCount()) {
        list_->SetItemState(select, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                            wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        list_->EnsureVisible(select);
    }
}

void CDialogCategoryTable::SyncSharedFlags() {
    for (long row = 0; row < list_->GetItemCount(); ++row) {
        const bool shared = list_->IsItemChecked(row);
        if (table_.At(static_cast<std::size_t>(row))->shared != shared) {
            table_.SetSharedAt(static_cast<int>(row), shared);
            changed_ = true;
        }
    }
}

long CDialogCategoryTable::SelectedRow() const { return list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

void CDialogCategoryTable::OnAdd(wxCommandEvent&) {
    SyncSharedFlags();
    CDialogCategory pair(this, CCategoryTable::kUnsetColor, std::string(), *chooser_);
    if (pair.ShowModal() != wxID_OK) {
        return;
    }
    const bool shared = ShowMessageBox(ToWx(Str::kCategoryShareQuestion), wxYES_NO | wxICON_NONE, this) == wxYES;
    const std::size_t before = table_.Size();
    const CCategory* category = table_.Add(pair.Color(), pair.Name(), shared);
    changed_ = changed_ || table_.Size() != before;
    Fill(table_.IndexOf(category));
}

void CDialogCategoryTable::OnChange(wxCommandEvent&) {
    const long row = SelectedRow();
    if (row >= 0) {
        ChangeRow(row);
    }
}

void CDialogCategoryTable::OnActivated(wxListEvent& event) { ChangeRow(event.GetIndex()); }

void CDialogCategoryTable::ChangeRow(long row) {
    if (row < 0 || static_cast<std::size_t>(row) >= table_.Size()) {
        return;
    }
    SyncSharedFlags();
    const CCategory& category = *table_.At(static_cast<std::size_t>(row));
    CDialogCategory pair(this, category.color, category.name, *chooser_);
    if (pair.ShowModal() != wxID_OK) {
        return;
    }
    // Two categories may end up equal here; only adding refuses duplicates.
    table_.SetAt(static_cast<std::size_t>(row), pair.Color(), pair.Name());
    changed_ = true;
    Fill(static_cast<int>(row));
}

void CDialogCategoryTable::OnEndLabelEdit(wxListEvent& event) {
    const long row = event.GetIndex();
    if (event.IsEditCancelled() || row < 0 || static_cast<std::size_t>(row) >= table_.Size()) {
        return;
    }
    SyncSharedFlags();
    const std::size_t at = static_cast<std::size_t>(row);
    table_.SetAt(at, table_.At(at)->color, FromWx(event.GetLabel()));
    changed_ = true;
    // The list shows the table again, so an empty name reads "未設定" rather
    // than the blank the edit left.
    event.Veto();
    CallAfter([this, row] { Fill(static_cast<int>(row)); });
}

void CDialogCategoryTable::OnClose(wxCommandEvent&) {
    SyncSharedFlags();
    EndDialogWith(*this, wxID_OK);
}

void CDialogCategoryTable::OnCharHook(wxKeyEvent& event) {
    // Esc while a label is being edited cancels the edit, not the dialog.
    if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers() && list_->GetEditControl() == nullptr) {
        EndDialogWith(*this, wxID_CANCEL);
        return;
    }
    event.Skip();
}
