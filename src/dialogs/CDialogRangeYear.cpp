#include "dialogs/CDialogRangeYear.h"

#include "model/CVitachronDoc.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/TextInputKind.h"
#include "wxsupport/WxConvert.h"

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
    // Each label just before its field: a label's mnemonic goes to the
    // control that follows it in the tab order, which is the creation order.
    auto* startLabel = new wxStaticText(this, wxID_ANY, ToWx(Str::kRangeStart));
    startField_ = new wxTextCtrl(this, Id::RangeStart, wxString::Format("%d", start_), wxDefaultPosition, fieldSize);
    auto* endLabel = new wxStaticText(this, wxID_ANY, ToWx(Str::kRangeEnd));
    endField_ = new wxTextCtrl(this, Id::RangeEnd, wxString::Format("%d", end_), wxDefaultPosition, fieldSize);
    SetTextInputKind(*startField_, TextInputKind::Number);
    SetTextInputKind(*endField_, TextInputKind::Number);

    auto* grid = new wxFlexGridSizer(2, FromDIP(6), FromDIP(8));
    grid->Add(startLabel, wxSizerFlags().CenterVertical());
    grid->Add(startField_);
    grid->Add(endLabel, wxSizerFlags().CenterVertical());
    grid->Add(endField_);

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, wxSizerFlags().Border(wxALL, gap));
    top->Add(new wxStaticText(this, wxID_ANY, ToWx(Str::kRangeIntro)), wxSizerFlags().Border(wxLEFT | wxRIGHT, gap));
    top->Add(buttons, wxSizerFlags().Right().Border(wxALL, gap));
    SetSizerAndFit(top);
    startField_->SetFocus();
}

std::optional<std::int32_t> CDialogRangeYear::ReadField(wxTextCtrl& field) {
    const std::optional<long long> year = ReadIntegerField(field, -kLimit, kLimit);
    if (!year) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*year);
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
