#include "dialogs/CDialogPerson.h"

#include "dialogs/CColorStatic.h"
#include "dialogs/CDialogCalcFromAge.h"
#include "model/CPeopleEditor.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/DialogSupport.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/TextInputKind.h"
#include "wxsupport/WxConvert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/gbsizer.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <new>

CDialogPerson::CDialogPerson(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor, CEditSession& session,
                             CPerson* person)
    : wxDialog(parent, wxID_ANY, ToWx(Str::kPersonTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      doc_(doc), editor_(editor), session_(session), person_(person), rect_(session.PersonDialogRect()) {
    if (person_ != nullptr) {
        input_ = CPersonInput::FromPerson(*person_);
    } else {
        input_.kazoe = session_.LastKazoeChoice();
    }
    BuildControls();
    FillCategories(InitialCategoryIndex());
    ToControls();
    PlaceAt(rect_);

    Bind(wxEVT_BUTTON, &CDialogPerson::OnOk, this, wxID_OK);
    Bind(wxEVT_BUTTON, &CDialogPerson::OnCancel, this, wxID_CANCEL);
    Bind(wxEVT_BUTTON, &CDialogPerson::OnCalcFromAge, this, Id::PersonCalcFromAge);
    Bind(wxEVT_BUTTON, &CDialogPerson::OnCategoryEdit, this, Id::PersonCategoryEdit);
    Bind(wxEVT_CHOICE, &CDialogPerson::OnCategoryChoice, this, Id::PersonCategory);
}

int CDialogPerson::RunModal(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor, CEditSession& session,
                            CPerson* person, const CategoryEditor& categoryEditor) {
    CDialogPerson dlg(parent, doc, editor, session, person);
    if (categoryEditor) {
        dlg.SetCategoryEditor(categoryEditor);
    }
    const int result = dlg.ShowModal();
    session.SetPersonDialogRect(dlg.WindowRect());
    return result;
}

void CDialogPerson::SetCategoryEditor(CategoryEditor editor) {
    categoryEditor_ = std::move(editor);
    categoryEdit_->Enable(static_cast<bool>(categoryEditor_));
}

void CDialogPerson::BuildControls() {
    const auto label = [this](const char* text) { return new wxStaticText(this, wxID_ANY, ToWx(text)); };
    const auto check = [this](int id, const char* text) { return new wxCheckBox(this, id, ToWx(text)); };
    const int dateWidth = FromDIP(130);

    // Created row by row, each label just before its control: the tab order
    // follows creation, and a label's mnemonic goes to the control after it.
    wxStaticText* nameLabel = label(Str::kPersonName);
    name_ = new wxTextCtrl(this, Id::PersonName);
    wxStaticText* readingLabel = label(Str::kPersonReading);
    reading_ = new wxTextCtrl(this, Id::PersonReading);
    wxStaticText* birthLabel = label(Str::kPersonBirth);
    birth_ = new wxTextCtrl(this, Id::PersonBirth, wxEmptyString, wxDefaultPosition, wxSize(dateWidth, -1));
    birthUncertain_ = check(Id::PersonBirthUncertain, Str::kPersonBirthUncertain);
    wxStaticText* deathLabel = label(Str::kPersonDeath);
    death_ = new wxTextCtrl(this, Id::PersonDeath, wxEmptyString, wxDefaultPosition, wxSize(dateWidth, -1));
    deathUncertain_ = check(Id::PersonDeathUncertain, Str::kPersonMarkUncertain);
    // The age row has only its mark: the label's mnemonic moves there
    // without ticking it.
    wxStaticText* ageLabel = label(Str::kPersonAge);
    ageUncertain_ = check(Id::PersonAgeUncertain, Str::kPersonMarkUncertain);
    MnemonicFocusesOnly(*ageUncertain_);
    kazoe_ = check(Id::PersonKazoe, Str::kPersonKazoe);
    auto* calc = new wxButton(this, Id::PersonCalcFromAge, ToWx(Str::kPersonCalcFromAge));
    hideBirth_ = check(Id::PersonHideBirth, Str::kPersonHideBirth);
    hideDeath_ = check(Id::PersonHideDeath, Str::kPersonHideDeath);
    hideAge_ = check(Id::PersonHideAge, Str::kPersonHideAge);

    auto* grid = new wxGridBagSizer(FromDIP(6), FromDIP(8));
    const auto row = [&](int r, wxStaticText* rowLabel, wxWindow* field, wxWindow* mark) {
        grid->Add(rowLabel, wxGBPosition(r, 0), wxDefaultSpan, wxALIGN_CENTER_VERTICAL);
        if (field != nullptr) {
            grid->Add(field, wxGBPosition(r, 1), mark == nullptr ? wxGBSpan(1, 2) : wxDefaultSpan,
                      wxALIGN_CENTER_VERTICAL | wxEXPAND);
        }
        if (mark != nullptr) {
            grid->Add(mark, wxGBPosition(r, 2), wxDefaultSpan, wxALIGN_CENTER_VERTICAL);
        }
    };
    row(0, nameLabel, name_, nullptr);
    row(1, readingLabel, reading_, nullptr);
    row(2, birthLabel, birth_, birthUncertain_);
    row(3, deathLabel, death_, deathUncertain_);
    row(4, ageLabel, nullptr, ageUncertain_);
    grid->Add(kazoe_, wxGBPosition(5, 0), wxDefaultSpan, wxALIGN_CENTER_VERTICAL);
    grid->Add(calc, wxGBPosition(5, 1), wxGBSpan(1, 2), wxALIGN_CENTER_VERTICAL | wxEXPAND);
    grid->AddGrowableCol(1);

    auto* hides = new wxBoxSizer(wxHORIZONTAL);
    for (wxCheckBox* box : {hideBirth_, hideDeath_, hideAge_}) {
        hides->Add(box, wxSizerFlags().CenterVertical().Border(wxRIGHT, FromDIP(12)));
    }

    auto* categoryBox = new wxStaticBoxSizer(wxHORIZONTAL, this, ToWx(Str::kPersonCategoryGroup));
    wxWindow* boxParent = categoryBox->GetStaticBox();
    category_ = new wxChoice(boxParent, Id::PersonCategory);
    swatch_ = new CColorStatic(boxParent, Id::PersonCategorySwatch, FromDIP(wxSize(40, 20)));
    categoryEdit_ = new wxButton(boxParent, Id::PersonCategoryEdit, ToWx(Str::kPersonCategoryEdit));
    categoryEdit_->Disable();  // until someone can open the category dialog
    categoryBox->Add(category_, wxSizerFlags(1).CenterVertical().Border(wxALL, FromDIP(4)));
    categoryBox->Add(swatch_, wxSizerFlags().CenterVertical().Border(wxALL, FromDIP(4)));
    categoryBox->Add(categoryEdit_, wxSizerFlags().CenterVertical().Border(wxALL, FromDIP(4)));

    wxStaticText* noteLabel = label(Str::kPersonNote);
    note_ = new wxTextCtrl(this, Id::PersonNote, wxEmptyString, wxDefaultPosition, FromDIP(wxSize(-1, 90)),
                           wxTE_MULTILINE);

    // Adding keeps the dialog open for the next person: OK adds one, Cancel closes.
    OkCancelOptions closing;
    if (IsAddMode()) {
        closing.okLabel = Str::kPersonAddOk;
        closing.cancelLabel = Str::kPersonAddClose;
    }
    wxSizer* buttons = CreateOkCancelButtons(this, closing);

    const int gap = FromDIP(10);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, gap));
    top->Add(hides, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, gap));
    top->Add(categoryBox, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, gap));
    top->Add(noteLabel, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, gap));
    top->Add(note_, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxTOP, gap));
    top->Add(buttons, wxSizerFlags().Right().Border(wxALL, gap));
    SetSizerAndFit(top);

    name_->SetToolTip(ToWx(Str::kTipPersonName));
    reading_->SetToolTip(ToWx(Str::kTipPersonReading));
    birth_->SetToolTip(ToWx(Str::kTipPersonBirth));
    death_->SetToolTip(ToWx(Str::kTipPersonDeath));
    birthUncertain_->SetToolTip(ToWx(Str::kTipPersonBirthUncertain));
    deathUncertain_->SetToolTip(ToWx(Str::kTipPersonDeathUncertain));
    ageUncertain_->SetToolTip(ToWx(Str::kTipPersonAgeUncertain));
    kazoe_->SetToolTip(ToWx(Str::kTipPersonKazoe));
    calc->SetToolTip(ToWx(Str::kTipPersonCalcFromAge));

    SetTextInputKind(*name_, TextInputKind::FreeText);
    SetTextInputKind(*birth_, TextInputKind::Number);
    SetTextInputKind(*death_, TextInputKind::Number);
    name_->SetFocus();
}

void CDialogPerson::PlaceAt(const CRectI& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    // Never smaller than the controls need, whatever was stored.
    const wxSize least = GetMinSize();
    SetSize(rect.left, rect.top, std::max(rect.right - rect.left, least.x), std::max(rect.bottom - rect.top, least.y));
}

int CDialogPerson::InitialCategoryIndex() const {
    const CCategory* category =
        (person_ != nullptr && person_->category != nullptr) ? person_->category : doc_.DefaultCategory();
    return doc_.CategoryTable().IndexOf(category);
}

void CDialogPerson::FillCategories(int selection) {
    category_->Clear();
    for (const std::string& name : doc_.CategoryTable().DisplayNames()) {
        category_->Append(ToWx(name));
    }
    const int count = static_cast<int>(category_->GetCount());
    if (selection < 0 || selection >= count) {
        selection = doc_.CategoryTable().IndexOf(doc_.DefaultCategory());
    }
    if (selection >= 0 && selection < count) {
        category_->SetSelection(selection);
    }
    ShowCategoryColor();
}

void CDialogPerson::ShowCategoryColor() {
    std::uint32_t color = CCategoryTable::kUnsetColor;
    doc_.CategoryTable().ColorAt(category_->GetSelection(), color);
    swatch_->SetColor(color);
}

CCategory* CDialogPerson::SelectedCategory() const {
    const int selection = category_->GetSelection();
    const CCategoryTable& table = doc_.CategoryTable();
    if (selection >= 0 && static_cast<std::size_t>(selection) < table.Size()) {
        return table.At(static_cast<std::size_t>(selection));
    }
    return doc_.DefaultCategory();
}

void CDialogPerson::ToControls() {
    name_->ChangeValue(ToWx(input_.name));
    reading_->ChangeValue(ToWx(input_.reading));
    birth_->ChangeValue(ToWx(input_.birthText));
    death_->ChangeValue(ToWx(input_.deathText));
    note_->ChangeValue(ToWx(CPersonInput::NoteToEdit(input_.note)));
    birthUncertain_->SetValue(input_.birthUncertain);
    deathUncertain_->SetValue(input_.deathUncertain);
    ageUncertain_->SetValue(input_.ageUncertain);
    kazoe_->SetValue(input_.kazoe);
    hideBirth_->SetValue(input_.hideBirth);
    hideDeath_->SetValue(input_.hideDeath);
    hideAge_->SetValue(input_.hideAge);
}

void CDialogPerson::FromControls() {
    input_.name = FromWx(name_->GetValue());
    input_.reading = FromWx(reading_->GetValue());
    input_.birthText = FromWx(birth_->GetValue());
    input_.deathText = FromWx(death_->GetValue());
    input_.note = CPersonInput::NoteFromEdit(FromWx(note_->GetValue()));
    input_.birthUncertain = birthUncertain_->GetValue();
    input_.deathUncertain = deathUncertain_->GetValue();
    input_.ageUncertain = ageUncertain_->GetValue();
    input_.kazoe = kazoe_->GetValue();
    input_.hideBirth = hideBirth_->GetValue();
    input_.hideDeath = hideDeath_->GetValue();
    input_.hideAge = hideAge_->GetValue();
}

std::optional<CPerson> CDialogPerson::CheckInput() {
    const auto askYearZero = [this] {
        return ShowMessageBox(ToWx(Str::kAskYearZero), wxYES_NO | wxICON_QUESTION, this) == wxYES;
    };
    // The document's record is only the starting point: it is not touched
    // unless every check passes, and then only through the editor.
    const CPerson base = person_ != nullptr ? *person_ : CPerson{};
    CPersonInput::CheckResult result = input_.Check(base, SelectedCategory(), askYearZero);
    if (!result.person && result.message != nullptr) {
        ShowMessageBox(ToWx(result.message), wxOK | wxICON_EXCLAMATION, this);
    }
    return std::move(result.person);
}

void CDialogPerson::ClearForNextPerson() {
    // Kazoe, the hide flags and the category carry over: people entered in a
    // row tend to share them. Marks of uncertainty belong to one person.
    input_.name.clear();
    input_.reading.clear();
    input_.note.clear();
    input_.birthText.clear();
    input_.deathText.clear();
    input_.birthUncertain = false;
    input_.deathUncertain = false;
    input_.ageUncertain = false;
    ToControls();
    name_->SetFocus();
}

void CDialogPerson::Finish(int code) {
    SetReturnCode(code);
    EndDialog(code);
}

void CDialogPerson::OnOk(wxCommandEvent&) {
    const wxRect r = GetScreenRect();
    rect_ = CRectI{r.x, r.y, r.x + r.width, r.y + r.height};

    FromControls();
    if (input_.name.empty()) {
        ShowMessageBox(ToWx(Str::kMsgNameMissing), wxOK | wxICON_EXCLAMATION, this);
        return;
    }
    std::optional<CPerson> record = CheckInput();
    if (!record) {
        return;
    }
    if (!IsAddMode()) {
        const int index = doc_.StoredIndexOf(person_);
        if (index >= 0) {
            editor_.Replace(static_cast<std::size_t>(index), *record);
        }
        Finish(wxID_OK);
        return;
    }
    try {
        editor_.Append(std::make_unique<CPerson>(std::move(*record)));
    } catch (const std::bad_alloc&) {
        ShowMessageBox(ToWx(Str::kMsgNoMemoryForNext), wxOK | wxICON_EXCLAMATION, this);
        Finish(wxID_OK);
        return;
    }
    ClearForNextPerson();
}

void CDialogPerson::OnCancel(wxCommandEvent&) {
    FromControls();
    if (IsAddMode() && !input_.name.empty()) {
        if (ShowMessageBox(ToWx(Str::kAskSaveBeforeClose), wxYES_NO | wxICON_QUESTION, this) == wxYES) {
            std::optional<CPerson> record = CheckInput();
            if (!record) {
                return;
            }
            editor_.Append(std::make_unique<CPerson>(std::move(*record)));
        }
    }
    Finish(wxID_CANCEL);
}

void CDialogPerson::OnCalcFromAge(wxCommandEvent&) {
    FromControls();
    if (input_.birthText.empty() && input_.deathText.empty()) {
        ShowMessageBox(ToWx(Str::kMsgCalcNeedsYear), wxOK | wxICON_EXCLAMATION, this);
        return;
    }
    CDialogCalcFromAge calc(this, input_.birthText, input_.deathText, input_.kazoe);
    if (calc.ShowModal() != wxID_OK) {
        return;
    }
    input_.birthText = calc.BirthText();
    input_.deathText = calc.DeathText();
    input_.kazoe = calc.Kazoe();
    // The choice is remembered for the next new person; the record itself
    // changes only when the whole entry passes its checks.
    session_.SetLastKazoeChoice(input_.kazoe);
    ToControls();
}

void CDialogPerson::OnCategoryChoice(wxCommandEvent&) { ShowCategoryColor(); }

void CDialogPerson::OnCategoryEdit(wxCommandEvent&) {
    if (!categoryEditor_) {
        return;
    }
    // What was typed so far survives the round trip through the category dialog.
    FromControls();
    const int selection = category_->GetSelection();
    if (!categoryEditor_(this, selection)) {
        return;
    }
    FillCategories(selection);
    if (!doc_.SharedCategoryFile().empty()) {
        doc_.CategoryTable().SaveShared(doc_.SharedCategoryFile());
    }
    ToControls();
}
