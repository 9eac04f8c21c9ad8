#include "dialogs/CDialogDisplaySet.h"

#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"
#include "model/InitialSettings.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/WxConvert.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

CDialogDisplaySet::CDialogDisplaySet(wxWindow* parent, CVitachronDoc& doc)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kDisplayTitle)), doc_(doc) {
    const CDocSettings& s = doc.Settings();
    const auto check = [](wxWindow* owner, int id, const char* text, bool value) {
        auto* box = new wxCheckBox(owner, id, ToWx(text));
        box->SetValue(value);
        return box;
    };
    const auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, ToWx(text)); };

    auto* yearsBox = new wxStaticBoxSizer(wxVERTICAL, this, ToWx(Str::kDisplayYearsGroup));
    wxWindow* yb = yearsBox->GetStaticBox();
    yearRange_ = check(yb, Id::DisplayYearRange, Str::kDisplayYearRange, s.displayYearRange);
    age_ = check(yb, Id::DisplayAge, Str::kDisplayAge, s.displayAge);
    yearOnly_ = new wxRadioButton(yb, Id::DisplayYearOnly, ToWx(Str::kDisplayYearOnly), wxDefaultPosition,
                                  wxDefaultSize, wxRB_GROUP);
    fullDate_ = new wxRadioButton(yb, Id::DisplayFullDate, ToWx(Str::kDisplayFullDate));
    (s.yearOnly ? yearOnly_ : fullDate_)->SetValue(true);
    for (wxWindow* w : {static_cast<wxWindow*>(yearRange_), static_cast<wxWindow*>(age_),
                        static_cast<wxWindow*>(yearOnly_), static_cast<wxWindow*>(fullDate_)}) {
        yearsBox->Add(w, 0, wxALL, 4);
    }

    // Each label is created just before its field: the tab order follows
    // creation, and a label's mnemonic moves the focus to the next control.
    wxStaticText* barLabel = label(Str::kDisplayBarLength);
    auto* barRow = new wxBoxSizer(wxHORIZONTAL);
    barLength_ = new wxTextCtrl(this, Id::DisplayBarLength, wxString::Format("%d", s.defaultBarLength),
                                wxDefaultPosition, wxSize(FromDIP(70), -1));
    AcceptDigitsOnly(*barLength_);
    barRow->Add(barLength_, 0, wxALIGN_CENTER_VERTICAL);
    barRow->Add(label(Str::kDisplayBarLengthUnit), 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 4);

    kazoeAster_ = check(this, Id::DisplayKazoeAster, Str::kDisplayKazoeAster, s.kazoeAster);

    // Without a window the document's own width is all there is to show.
    const int width = doc.Host().ShownLeftWidth().value_or(s.leftWidth);
    wxStaticText* widthLabel = label(Str::kDisplayLeftWidth);
    leftWidth_ = new wxTextCtrl(this, Id::DisplayLeftWidth, wxString::Format("%d", width), wxDefaultPosition,
                                wxSize(FromDIP(70), -1));
    AcceptDigitsOnly(*leftWidth_);
    wxStaticText* commentLabel = label(Str::kDisplayCommentSeparator);
    commentSeparator_ = new wxTextCtrl(this, Id::DisplayCommentSeparator, ToWx(s.commentSeparator),
                                       wxDefaultPosition, wxSize(FromDIP(70), -1));
    auto* fields = new wxFlexGridSizer(2, wxSize(8, 6));
    fields->Add(widthLabel, 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(leftWidth_);
    fields->Add(commentLabel, 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(commentSeparator_);

    suppleMark_ = check(this, Id::DisplaySuppleMark, Str::kDisplaySuppleMark, s.displaySuppleMark);
    saveAsInitial_ = check(this, Id::DisplaySaveAsInitial, Str::kDisplaySaveAsInitial, false);

    wxSizer* buttons = CreateOkCancelButtons(this);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(yearsBox, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(barLabel, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(barRow, 0, wxLEFT | wxRIGHT | wxTOP, 6);
    top->Add(kazoeAster_, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(fields, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(suppleMark_, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(saveAsInitial_, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);
    CentreOnParent();

    Bind(wxEVT_BUTTON, &CDialogDisplaySet::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialogWith(*this, wxID_CANCEL); }, wxID_CANCEL);
}

void CDialogDisplaySet::OnOk(wxCommandEvent&) {
    const auto width = ReadIntegerField(*leftWidth_, 0, kMaxLeftWidth);
    if (!width) {
        return;
    }
    const auto barLength = ReadIntegerField(*barLength_, 0, kMaxBarLength);
    if (!barLength) {
        return;
    }
    CDocSettings& s = doc_.Settings();
    s.yearOnly = yearOnly_->GetValue();
    s.kazoeAster = kazoeAster_->GetValue();
    s.commentSeparator = FromWx(commentSeparator_->GetValue());
    s.displayAge = age_->GetValue();
    s.displayYearRange = yearRange_->GetValue();
    s.displaySuppleMark = suppleMark_->GetValue();
    s.defaultBarLength = static_cast<std::int32_t>(*barLength);
    // The splitter holds the width; the document keeps it for windowless use.
    s.leftWidth = static_cast<std::int32_t>(*width);
    if (saveAsInitial_->GetValue()) {
        SaveInitialSettings(doc_.Profile(), s.leftWidth, s);
    }
    doc_.NotifyChanged(CDocChange::LeftWidth);
    EndDialogWith(*this, wxID_OK);
}
