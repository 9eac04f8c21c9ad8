#include "dialogs/CDialogRangeYear.h"

#include "dialogs/MessageBox.h"
#include "dialogs/TextInputKind.h"
#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "view/WxConvert.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CDialogRangeYear::CDialogRangeYear(wxWindow* parent, const CVitachronDoc& doc)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kRangeTitle)),
      start_(doc.Settings().startYear),
      end_(doc.Settings().endYear) {
    BuildControls();
    Bind(wxEVT_BUTTON, &CDialogRangeYear::OnOk, this, wxID_OK);
}

void CDialogRangeYear::BuildControls() {
    const int gap = FromDIP(10);
    const wxSize fieldSize(FromDIP(140), -1);
    startField_ = new wxTextCtrl(this, Id::RangeStart, wxString::Format("%d", start_), wxDefaultPosition, fieldSize);
    endField_ = new wxTextCtrl(this, Id::RangeEnd, wxString::Format("%d", end_), wxDefaultPosition, fieldSize);
    SetTextInputKind(*startField_, TextInputKind::Number);
    SetTextInputKind(*endField_, TextInputKind::Number);

    auto* grid = new wxFlexGridSizer(2, FromDIP(6), FromDIP(8));
    grid->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kRangeStart)), wxSizerFlags().CenterVertical());
    grid->Add(startField_);
    grid->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kRangeEnd)), wxSizerFlags().CenterVertical());
    grid->Add(endField_);

    auto* buttons = new wxStdDialogButtonSizer;
    auto* ok = new wxButton(this, wxID_OK, ToWx(Str::kButtonOk));
    ok->SetDefault();
    buttons->AddButton(ok);
    buttons->AddButton(new wxButton(this, wxID_CANCEL, ToWx(Str::kButtonCancel)));
    buttons->Realize();

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, wxSizerFlags().Border(wxALL, gap));
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kRangeIntro)), wxSizerFlags().Border(wxLEFT | wxRIGHT, gap));
    top->Add(buttons, wxSizerFlags().Right().Border(wxALL, gap));
    SetSizerAndFit(top);
    startField_->SetFocus();
}

std::optional<std::int32_t> CDialogRangeYear::ParseYear(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > kLimit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::int32_t> CDialogRangeYear::ReadField(wxTextCtrl& field) {
    const std::optional<std::int32_t> year = ParseYear(FromWx(field.GetValue()));
    if (!year) {
        ShowMessageBox(ToWx(Str::kMsgRangeYearInvalid), wxOK | wxICON_EXCLAMATION, this);
        field.SetFocus();
        field.SelectAll();
    }
    return year;
}

void CDialogRangeYear::OnOk(wxCommandEvent&) {
    const std::optional<std::int32_t> start = ReadField(*startField_);
    if (!start) {
        return;
    }
    const std::optional<std::int32_t> end = ReadField(*endField_);
    if (!end) {
        return;
    }
    if (*start >= *end) {
        ShowMessageBox(ToWx(Str::kMsgRangeOrder), wxOK | wxICON_EXCLAMATION, this);
        return;
    }
    start_ = *start;
    end_ = *end;
    SetReturnCode(wxID_OK);
    EndDialog(wxID_OK);
}
