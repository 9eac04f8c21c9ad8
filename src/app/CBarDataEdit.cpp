#include "app/CBarDataEdit.h"

#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

// A sort radio button is checked by the document's update handler of its
// command, the same that checks the menu entry; wx radio buttons ignore
// that check unless told.
class CSortRadioButton : public wxRadioButton {
public:
    CSortRadioButton(wxWindow* parent, int id, const wxString& label, long style)
        : wxRadioButton(parent, id, label, wxDefaultPosition, wxDefaultSize, style) {}

protected:
    void DoUpdateWindowUI(wxUpdateUIEvent& event) override {
        wxRadioButton::DoUpdateWindowUI(event);
        if (event.GetSetChecked() && event.GetChecked() && !GetValue()) {
            SetValue(true);
        }
    }
};

struct SortButton {
    int id;
    const char* label;
};

constexpr SortButton kSortButtons[] = {
    {Id::SortName, Str::kSortName},
    {Id::SortNameReversed, Str::kSortNameReversed},
    {Id::SortBirthEarliest, Str::kSortBirthEarliest},
    {Id::SortBirthLatest, Str::kSortBirthLatest},
    {Id::SortDeathEarliest, Str::kSortDeathEarliest},
    {Id::SortDeathLatest, Str::kSortDeathLatest},
    {Id::SortNone, Str::kSortNone},
};

}  // namespace

CBarDataEdit::CBarDataEdit(wxWindow* parent, Owner& owner) : wxPanel(parent, Id::DataBar), owner_(&owner) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);

    auto* edit = new wxBoxSizer(wxVERTICAL);
    edit->Add(new wxButton(this, Id::AddPerson, ToWx(Str::kBarAdd)), 0, wxEXPAND | wxBOTTOM, 2);
    edit->Add(new wxButton(this, Id::EditPeople, ToWx(Str::kBarEdit)), 0, wxEXPAND);
    row->Add(edit, 0, wxALL | wxALIGN_CENTER_VERTICAL, 4);

    auto* search = new wxBoxSizer(wxVERTICAL);
    search->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kBarSearchLabel)), 0, wxBOTTOM, 2);
    auto* searchLine = new wxBoxSizer(wxHORIZONTAL);
    search_ = new wxComboBox(this, Id::SearchText, wxEmptyString, wxDefaultPosition, wxSize(130, -1), 0, nullptr,
                             wxCB_DROPDOWN | wxTE_PROCESS_ENTER);
    searchButton_ = new wxButton(this, Id::SearchButton, ToWx(Str::kBarSearch));
    searchLine->Add(search_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    searchLine->Add(searchButton_, 0, wxALIGN_CENTER_VERTICAL);
    search->Add(searchLine, 0, wxEXPAND);
    row->Add(search, 0, wxALL | wxALIGN_CENTER_VERTICAL, 4);

    auto* sorts = new wxFlexGridSizer(2, 4, 2, 6);
    bool first = true;
    for (const SortButton& b : kSortButtons) {
        auto* radio = new CSortRadioButton(this, b.id, ToWx(b.label), first ? wxRB_GROUP : 0);
        radio->Bind(wxEVT_RADIOBUTTON, &CBarDataEdit::ForwardAsCommand, this);
        sorts->Add(radio, 0, wxALIGN_CENTER_VERTICAL);
        first = false;
    }
    groupByCategory_ = new wxCheckBox(this, Id::GroupByCategory, ToWx(Str::kBarGroupByCategory));
    groupByCategory_->Bind(wxEVT_CHECKBOX, &CBarDataEdit::ForwardAsCommand, this);
    sorts->Add(groupByCategory_, 0, wxALIGN_CENTER_VERTICAL);
    row->Add(sorts, 0, wxALL | wxALIGN_CENTER_VERTICAL, 4);

    auto* base = new wxStaticBoxSizer(wxVERTICAL, this, ToWx(Str::kBarBaseYearGroup));
    wxWindow* box = base->GetStaticBox();
    baseYear_ = new wxTextCtrl(box, Id::BarBaseYearText, "1", wxDefaultPosition, wxSize(100, -1),
                               wxTE_PROCESS_ENTER | wxTE_RIGHT);
    applyButton_ = new wxButton(box, Id::BarBaseYearApply, ToWx(Str::kBarBaseYearApply), wxDefaultPosition,
                                wxDefaultSize, wxBU_EXACTFIT);
    // Exact fit keeps the bar narrow, but the theme's own padding would put
    // the two characters against the frame.
    applyButton_->SetMinSize(wxSize(applyButton_->GetBestSize().x + FromDIP(12), -1));
    baseYearOff_ = new wxCheckBox(box, Id::BarBaseYearOff, ToWx(Str::kBarBaseYearOff));
    auto* yearLine = new wxBoxSizer(wxHORIZONTAL);
    yearLine->Add(baseYear_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 2);
    yearLine->Add(new wxStaticText(box, wxID_ANY, ToWx(Str::kBarYearUnit)), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    yearLine->Add(applyButton_, 0, wxALIGN_CENTER_VERTICAL);
    base->Add(yearLine, 0, wxALL, 1);
    base->Add(baseYearOff_, 0, wxALL, 1);
    row->Add(base, 0, wxALL | wxALIGN_CENTER_VERTICAL, 4);

    SetSizerAndFit(row);

    for (const int id : {Id::AddPerson, Id::EditPeople}) {
        Bind(wxEVT_BUTTON, &CBarDataEdit::ForwardAsCommand, this, id);
    }
    applyButton_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ApplyBaseYear(); });
    baseYearOff_->Bind(wxEVT_CHECKBOX, &CBarDataEdit::OnBaseYearOff, this);

    // Enter presses the default button of the field that has the focus:
    // "検索" for the search text, "変更" for the base year.
    search_->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        searchButton_->SetDefault();
        e.Skip();
    });
    baseYear_->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
        applyButton_->SetDefault();
        e.Skip();
    });
    search_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
        wxCommandEvent click(wxEVT_BUTTON, Id::SearchButton);
        click.SetEventObject(searchButton_);
        searchButton_->GetEventHandler()->ProcessEvent(click);
    });
    baseYear_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { ApplyBaseYear(); });
}

void CBarDataEdit::ForwardAsCommand(wxCommandEvent& event) {
    // One handler serves the menu and the bar: the click travels as the menu command.
    wxCommandEvent command(wxEVT_MENU, event.GetId());
    command.SetEventObject(this);
    wxWindow* top = wxGetTopLevelParent(this);
    (top != nullptr ? top : this)->GetEventHandler()->ProcessEvent(command);
}

void CBarDataEdit::SetBaseYearControls(std::int32_t year, bool shown) {
    baseYear_->ChangeValue(wxString::Format("%d", year));
    baseYear_->Enable(shown);
    baseYearOff_->SetValue(!shown);
}

void CBarDataEdit::SetCategorySortCheck(bool on) { groupByCategory_->SetValue(on); }

std::optional<std::int32_t> CBarDataEdit::ParseYear(const wxString& text) {
    const std::string s = FromWx(text.Strip(wxString::both));
    if (s.empty()) {
        return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || end != s.c_str() + s.size() || v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(v);
}

void CBarDataEdit::ApplyBaseYear() {
    const std::optional<std::int32_t> year = ParseYear(baseYear_->GetValue());
    if (!year) {
        ShowMessageBox(ToWx(Str::kMsgBaseYearInvalid), wxOK | wxICON_EXCLAMATION, this);
        return;
    }
    if (*year < kMinBaseYear || *year > kMaxBaseYear) {
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgBaseYearRange), kMinBaseYear, kMaxBaseYear),
                       wxOK | wxICON_EXCLAMATION, this);
        return;
    }
    owner_->SetBaseYear(*year);
}

void CBarDataEdit::OnBaseYearOff(wxCommandEvent&) {
    const bool off = baseYearOff_->GetValue();
    owner_->SetBaseYearOff(off);
    baseYear_->Enable(!off);
}
