// The document manager of the single-document window: one document at a
// time, files chosen through CFileChooser, four recent files kept in the
// profile, and an open that leaves the current document in place when the
// chosen file cannot be read.
#pragma once

#include "app/CAppServices.h"
#include "model/CNullDocHost.h"

#include <wx/docview.h>

#include <memory>

class CMainFrame;
class CVitachronDoc;
class CWxDocument;

class CVitachronDocManager : public wxDocManager {
public:
    explicit CVitachronDocManager(CAppServices& services);

    CAppServices& Services() const { return *services_; }
    void SetFrame(CMainFrame* frame) { frame_ = frame; }
    CMainFrame* Frame() const { return frame_; }
    CWxDocument* Document() const;

    // Opening: the file is read and checked before the current document is
    // closed; a file that cannot be read gets its message and changes nothing.
    wxDocument* CreateDocument(const wxString& path, long flags = 0) override;
    wxDocTemplate* SelectDocumentPath(wxDocTemplate** templates, int noTemplates, wxString& path, long flags,
                                      bool save = false) override;
    wxString MakeNewDocumentName() override;
    wxFileHistory* OnCreateFileHistory() override;
    void AddFileToHistory(const wxString& file) override;

    // The first document of a run: the file named on the command line, or a
    // new document when there is none or it cannot be opened (after its message).
    wxDocument* StartWith(const wxString& file);

    // The file being opened, read once by CreateDocument (the document
    // takes it over with CVitachronDoc::TakeLoaded).
    std::unique_ptr<CVitachronDoc> TakePreloaded(const wxString& path);

    void LoadRecentFiles();
    void SaveRecentFiles();
    void OpenRecentFile(int index);

private:
    void OnUpdateAlwaysEnabled(wxUpdateUIEvent& event);

    CAppServices* services_;
    CMainFrame* frame_ = nullptr;
    wxString preloadedPath_;
    // The host of the file read before the document that takes it exists.
    CNullDocHost quietHost_;
    std::unique_ptr<CVitachronDoc> preloaded_;
};
