// The wx document: owns the core document, lets it reach the window through
// CDocHost, reads and writes files through it, and handles the document's
// commands. Its views are the name list (first) and the timeline.
#pragma once

#include "model/CDocHost.h"
#include "model/CVitachronDoc.h"
#include "view/CViewDocument.h"

#include <wx/docview.h>

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

class CWxDocument : public wxDocument, public CDocHost, public CViewDocument {
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
    void UpdateAllViews() override;
    void SetModified(bool modified) override;
    void SetGroupByCategoryCheck(bool checked) override;
    void ApplyFonts(int percent) override;
    void RedrawNow() override;
    std::optional<int> CurrentLeftWidth() const override;
    void ApplyLeftWidth(int width) override;
    void ShowMessage(const std::string& text, MessageKind kind) override;

    using wxDocument::UpdateAllViews;

private:
    // The frame's data bar and splitter follow a new or opened document.
    void ShowInFrame();

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
    // A setting changed as one undoable step; show() makes the change seen.
    template <class T>
    void ChangeSetting(const char* name, T CDocSettings::*setting, T value, void (CWxDocument::*show)());
    void ShowRefreshed();
    void ShowRedrawnModified();

    CAppServices* services_;
    std::unique_ptr<CVitachronDoc> core_;
    std::unique_ptr<CPeopleEditor> editor_;
    std::unique_ptr<CInterchangeCommands> interchange_;
    std::unique_ptr<CGedcomCommands> gedcom_;
};
