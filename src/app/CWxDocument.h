// The wx document: owns the core document, answers its questions
// (CDocHost), marks itself modified when the core says so, reads and writes
// files through it, and handles the document's commands: every change of a
// setting is a step of its command processor. Its views are the name list
// (first) and the timeline.
#pragma once

#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"
#include "view/CViewDocument.h"

#include <wx/docview.h>

#include <cstdint>
#include <functional>
#include <memory>

struct CAppServices;
class CGedcomCommands;
class CInterchangeCommands;
class CMainFrame;
class CNameView;
class CPeopleEditor;
class wxWindow;
class CVitachronView;

class CWxDocument : public wxDocument, public CDocHost, public CDocObserver, public CViewDocument {
public:
    explicit CWxDocument(CAppServices& services);
    ~CWxDocument() override;

    CAppServices& Services() const { return *services_; }
    CMainFrame* Frame() const;

    // CViewDocument
    CVitachronDoc& Core() override { return *core_; }
    const CVitachronDoc& Core() const override { return *core_; }
    CViewFrame* ViewFrame() const override;
    CNameView* NameView() const override;
    CVitachronView* TimelineView() const override;
    void UpdateSelection() override;
    bool EditPerson(wxWindow* parent, CPerson& person) override;
    void DeleteDisplayedPerson(int row) override;
    CFileChooser& FileChooser() const override;

    // Editing people, for the views' double-clicks and context menus. Every
    // change goes through PeopleEditor(), which records it for undo.
    CPeopleEditor& PeopleEditor();

    // The data bar's base year and its "設定しない", each an undoable step.
    // SetBaseYear refuses (false) while the base year is not shown.
    bool SetBaseYear(std::int32_t year);
    void SetBaseYearShown(bool shown);
    // The last `added` people, appended by an import, become one step: undone,
    // they wait for a redo; the categories the import made stay in the
    // table, unused, as they do after deleting people.
    void StoreImportStep(const char* name, std::size_t added);

    // wxDocument
    bool OnCreate(const wxString& path, long flags) override;
    wxCommandProcessor* OnCreateCommandProcessor() override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const wxString& file) override;
    bool SaveAs() override;
    bool OnSaveModified() override;
    bool DoOpenDocument(const wxString& file) override;
    bool DoSaveDocument(const wxString& file) override;

    // CDocHost
    void ShowMessage(const std::string& text, MessageKind kind) override;
    std::optional<int> ShownLeftWidth() const override;

    // CDocObserver
    void OnDocumentChanged(CDocChange changes) override;

private:

    void OnSort(wxCommandEvent& event);
    void OnUpdateSort(wxUpdateUIEvent& event);
    void OnGroupByCategory(wxCommandEvent& event);
    void OnUpdateGroupByCategory(wxUpdateUIEvent& event);
    void OnYearWidth(wxCommandEvent& event);
    void OnUpdateYearWidth(wxUpdateUIEvent& event);
    void OnZoom(wxCommandEvent& event);
    void OnUpdateZoom(wxUpdateUIEvent& event);
    void OnAddPerson(wxCommandEvent& event);
    void OnEditPeople(wxCommandEvent& event);
    void OnYearRange(wxCommandEvent& event);
    void OnBaseYearSettings(wxCommandEvent& event);
    void OnDisplaySettings(wxCommandEvent& event);
    void OnColorSettings(wxCommandEvent& event);
    void OnFontSettings(wxCommandEvent& event);
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    void OnUpdateUndo(wxUpdateUIEvent& event);
    void OnUpdateRedo(wxUpdateUIEvent& event);
    // The Edit menu's update handlers run now, not when it is next opened.
    void RefreshEditMenu();

    // The person dialog's "追加・変更..." opens the category list.
    std::function<bool(wxWindow* parent, int selection)> CategoryEditor();
    // A setting changed as one undoable step, with what its change means.
    template <class T>
    void ChangeSetting(const char* name, T CDocSettings::*setting, T value, CDocChange changes);
    // A settings dialog has changed the settings in place (from before): the
    // change becomes one step that undo takes back, when anything changed.
    void StoreSettingsStep(const char* name, const CDocSettings& before, CDocChange changes);
    // Puts these settings in place (the zoom stays, it is not the document's).
    void ApplySettings(const CDocSettings& settings, CDocChange changes);

    CAppServices* services_;
    std::unique_ptr<CVitachronDoc> core_;
    std::unique_ptr<CPeopleEditor> editor_;
    std::unique_ptr<CInterchangeCommands> interchange_;
    std::unique_ptr<CGedcomCommands> gedcom_;
};
