// The person dialog (人物情報). In add mode every accepted entry is appended
// to the document at once and the dialog stays open for the next one; in
// modify mode it changes one person of the document and closes. Every change
// to people goes through the CPeopleEditor it is given.
#pragma once

#include "model/CEditSession.h"
#include "model/CPersonInput.h"
#include "model/CVitachronDoc.h"

#include <wx/dialog.h>

#include <functional>

class CColorStatic;
class CPeopleEditor;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxTextCtrl;

class CDialogPerson : public wxDialog {
public:
    // Opens the category dialog on the document's table at this selection;
    // true when it ended with its close button, so the table may have changed.
    using CategoryEditor = std::function<bool(wxWindow* parent, int selection)>;

    // person: a person of doc to change, or none to add people. The dialog
    // opens where the session says it stood when OK was last pressed (its
    // default place when that is empty), and a new person starts with the
    // session's last 数え年 choice.
    CDialogPerson(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor, CEditSession& session,
                  CPerson* person);

    // Runs the dialog and keeps the position it is handed back in the session.
    static int RunModal(wxWindow* parent, CVitachronDoc& doc, CPeopleEditor& editor, CEditSession& session,
                        CPerson* person, const CategoryEditor& categoryEditor = {});

    // The category button stays disabled until an editor is set.
    void SetCategoryEditor(CategoryEditor editor);

    bool IsAddMode() const { return person_ == nullptr; }
    // Screen rectangle at the last OK, or the one handed in.
    const CRectI& WindowRect() const { return rect_; }

private:
    void BuildControls();
    void PlaceAt(const CRectI& rect);
    void FillCategories(int selection);
    void ShowCategoryColor();
    int InitialCategoryIndex() const;
    CCategory* SelectedCategory() const;
    void ToControls();
    void FromControls();
    // The whole check; on success the record to store.
    std::optional<CPerson> CheckInput();
    void ClearForNextPerson();
    void Finish(int code);

    void OnOk(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);
    void OnCalcFromAge(wxCommandEvent& event);
    void OnCategoryChoice(wxCommandEvent& event);
    void OnCategoryEdit(wxCommandEvent& event);

    CVitachronDoc& doc_;
    CPeopleEditor& editor_;
    CEditSession& session_;
    CPerson* person_;  // the document's record in modify mode; none in add mode
    CPersonInput input_;
    CRectI rect_;
    CategoryEditor categoryEditor_;

    wxTextCtrl* name_ = nullptr;
    wxTextCtrl* reading_ = nullptr;
    wxTextCtrl* birth_ = nullptr;
    wxTextCtrl* death_ = nullptr;
    wxTextCtrl* note_ = nullptr;
    wxCheckBox* birthUncertain_ = nullptr;
    wxCheckBox* deathUncertain_ = nullptr;
    wxCheckBox* ageUncertain_ = nullptr;
    wxCheckBox* kazoe_ = nullptr;
    wxCheckBox* hideBirth_ = nullptr;
    wxCheckBox* hideDeath_ = nullptr;
    wxCheckBox* hideAge_ = nullptr;
    wxChoice* category_ = nullptr;
    CColorStatic* swatch_ = nullptr;
    wxButton* categoryEdit_ = nullptr;
};
