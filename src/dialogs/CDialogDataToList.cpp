#include "dialogs/CDialogDataToList.h"

#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/WxConvert.h"

#include <wx/listctrl.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include <algorithm>

namespace {

// The full year, scale factor applied: a year of 13 digits shows all of them.
wxString YearText(const CScaleYear& year) {
    return year.IsUnknown() ? ToWx(Str::kListNotSet) : ToWx(year.FormatYearText());
}

}  // namespace

CDialogDataToList::CDialogDataToList(wxWindow* parent, const CVitachronDoc& doc, const wxString& title,
                                     bool singleSelection)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      doc_(doc) {
    long style = wxLC_REPORT | wxLC_NO_SORT_HEADER | wxBORDER_SUNKEN;
    if (singleSelection) {
        style |= wxLC_SINGLE_SEL;
    }
    list_ = new wxListCtrl(this, Id::DataList, wxDefaultPosition, FromDIP(wxSize(260, 280)), style);
    list_->AppendColumn(ToWx(Str::kListName), wxLIST_FORMAT_LEFT, FromDIP(100));
    // 50 pixels held "設定なし" in the fonts the columns were made for; wider
    // fonts get what they need, so the year columns never cut their texts short.
    list_->AppendColumn(ToWx(Str::kListBirth), wxLIST_FORMAT_LEFT, YearColumnWidth(ToWx(Str::kListNotSet)));
    list_->AppendColumn(ToWx(Str::kListDeath), wxLIST_FORMAT_LEFT, YearColumnWidth(ToWx(Str::kListNotSet)));
}

int CDialogDataToList::YearColumnWidth(const wxString& widest) const {
    return std::max(FromDIP(50), list_->GetTextExtent(widest).x + FromDIP(16));
}

wxString CDialogDataToList::BirthColumnText(const CPerson& person) { return YearText(person.birth); }

wxString CDialogDataToList::DeathColumnText(const CPerson& person) { return YearText(person.death); }

void CDialogDataToList::FillList() {
    list_->Freeze();
    list_->DeleteAllItems();
    long row = 0;
    // The year columns widen to their longest text (a year may have 13
    // digits), so that none is cut short; they never get narrower than made.
    // Only the texts with the most characters so far are measured: a
    // shorter year is never the wider one.
    struct Column {
        int width;
        std::size_t longest = 0;
    };
    Column columns[2] = {{list_->GetColumnWidth(1)}, {list_->GetColumnWidth(2)}};
    const auto widen = [this](Column& column, const wxString& text) {
        if (text.length() >= column.longest) {
            column.longest = text.length();
            column.width = std::max(column.width, YearColumnWidth(text));
        }
    };
    for (const auto& person : doc_.People()) {
        const wxString birth = BirthColumnText(*person);
        const wxString death = DeathColumnText(*person);
        list_->InsertItem(row, ToWx(person->name));
        list_->SetItem(row, 1, birth);
        list_->SetItem(row, 2, death);
        widen(columns[0], birth);
        widen(columns[1], death);
        ++row;
    }
    list_->SetColumnWidth(1, columns[0].width);
    list_->SetColumnWidth(2, columns[1].width);
    list_->Thaw();
    ShowAllColumns();
}

void CDialogDataToList::ShowAllColumns() {
    // Wide columns widen the list, and the dialog with it, so that no year
    // stands beyond its right edge; a dialog the user made wider stays so.
    int columns = 0;
    for (int c = 0; c < list_->GetColumnCount(); ++c) {
        columns += list_->GetColumnWidth(c);
    }
    const int wanted = columns + (list_->GetSize().x - list_->GetClientSize().x) +
                       std::max(0, wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, list_));
    if (wanted <= list_->GetMinSize().x) {
        return;
    }
    list_->SetMinSize(wxSize(wanted, list_->GetMinSize().y));
    if (wxSizer* sizer = GetSizer()) {
        const wxSize fitting = sizer->ComputeFittingWindowSize(this);
        SetMinSize(fitting);
        SetSize(wxSize(std::max(GetSize().x, fitting.x), std::max(GetSize().y, fitting.y)));
        Layout();
    }
}

long CDialogDataToList::FirstSelected() const { return list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

std::vector<long> CDialogDataToList::SelectedRows() const {
    std::vector<long> rows;
    for (long row = FirstSelected(); row != -1; row = list_->GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

void CDialogDataToList::SelectRow(long row) {
    if (row < 0 || row >= list_->GetItemCount()) {
        return;
    }
    list_->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    list_->EnsureVisible(row);
}
