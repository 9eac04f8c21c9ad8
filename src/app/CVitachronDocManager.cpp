#include "app/CVitachronDocManager.h"

#include "app/CMainFrame.h"
#include "app/CWxDocument.h"
#include "model/CFileError.h"
#include "model/CFormatError.h"
#include "model/CProfile.h"
#include "model/CVitachronDoc.h"
#include "model/ProfileKeys.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/filehistory.h>
#include <wx/filename.h>

namespace PK = ProfileKeys;

CVitachronDocManager::CVitachronDocManager(CAppServices& services) : wxDocManager(0, false), services_(&services) {
    // Initialised here rather than by the base, whose constructor cannot
    // reach our OnCreateFileHistory.
    Initialize();
    SetMaxDocsOpen(1);
    // The program's own command numbers for the framework's file commands.
    Bind(wxEVT_MENU, &wxDocManager::OnFileNew, this, Id::FileNew);
    Bind(wxEVT_MENU, &wxDocManager::OnFileOpen, this, Id::FileOpen);
    Bind(wxEVT_MENU, &wxDocManager::OnFileSave, this, Id::FileSave);
    Bind(wxEVT_MENU, &wxDocManager::OnFileSaveAs, this, Id::FileSaveAs);
    Bind(wxEVT_MENU, [this](wxCommandEvent& e) { OpenRecentFile(e.GetId() - Id::FileMruFirst); }, Id::FileMruFirst,
         Id::FileMruFirst + Id::FileMruCount - 1);
    for (const int id : {Id::FileNew, Id::FileOpen}) {
        Bind(wxEVT_UPDATE_UI, &CVitachronDocManager::OnUpdateAlwaysEnabled, this, id);
    }
    // Print and preview are the timeline's (its view handles them first);
    // printer set-up is the framework's page set-up, kept for the run.
    Bind(wxEVT_UPDATE_UI, &CVitachronDocManager::OnUpdateAlwaysEnabled, this, Id::FilePrintSetup);
    Bind(wxEVT_UPDATE_UI, &wxDocManager::OnUpdateDisableIfNoDoc, this, Id::FileSave);
    Bind(wxEVT_UPDATE_UI, &wxDocManager::OnUpdateDisableIfNoDoc, this, Id::FileSaveAs);
}

void CVitachronDocManager::OnUpdateAlwaysEnabled(wxUpdateUIEvent& event) { event.Enable(true); }

CWxDocument* CVitachronDocManager::Document() const {
    return dynamic_cast<CWxDocument*>(GetCurrentDocument());
}

wxDocument* CVitachronDocManager::CreateDocument(const wxString& pathIn, long flags) {
    if ((flags & wxDOC_NEW) != 0) {
        return wxDocManager::CreateDocument(pathIn, flags);
    }
    wxString path = pathIn;
    if (path.empty()) {
        wxDocTemplate* templates[] = {nullptr};
        if (SelectDocumentPath(templates, 0, path, flags) == nullptr || path.empty()) {
            return nullptr;
        }
    }
    if (wxDocument* open = FindDocumentByPath(path)) {
        open->Activate();
        return open;
    }
    // Read and check the whole file before the current document is closed;
    // the new document takes what was read, so the file is read once.
    auto loaded = std::make_unique<CVitachronDoc>(quietHost_, *services_->profile, services_->sharedCategoryFile);
    try {
        loaded->OpenFile(ToPath(path));
    } catch (const CFormatError&) {
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgOpenDamaged), path), wxOK | wxICON_ERROR);
        return nullptr;
    } catch (const CFileError& e) {
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgOpenFailedBecause), path, ToWx(e.Reason())),
                       wxOK | wxICON_ERROR);
        return nullptr;
    }
    preloadedPath_ = path;
    preloaded_ = std::move(loaded);
    wxDocument* doc = wxDocManager::CreateDocument(path, flags & ~wxDOC_SILENT);
    preloaded_.reset();
    preloadedPath_.clear();
    return doc;
}

wxDocument* CVitachronDocManager::StartWith(const wxString& file) {
    wxDocument* doc = nullptr;
    if (!file.empty()) {
        doc = CreateDocument(wxFileName(file).GetAbsolutePath(), wxDOC_SILENT);
    }
    if (doc == nullptr) {
        doc = CreateDocument(wxEmptyString, wxDOC_NEW);
    }
    return doc;
}

std::unique_ptr<CVitachronDoc> CVitachronDocManager::TakePreloaded(const wxString& path) {
    if (!preloaded_ || path != preloadedPath_) {
        return nullptr;
    }
    return std::move(preloaded_);
}

wxDocTemplate* CVitachronDocManager::SelectDocumentPath(wxDocTemplate**, int, wxString& path, long, bool) {
    CFileChooser::Request request;
    request.parent = frame_;
    request.title = ToWx(Str::kOpenTitle);
    request.defaultDir = GetLastDirectory();
    request.wildcard = ToWx(Str::kDocumentFilter);
    request.defaultExtension = "vtc";
    request.mustExist = true;
    const std::optional<wxString> chosen = services_->fileChooser->ChooseOpen(request);
    if (!chosen) {
        path.clear();
        return nullptr;
    }
    path = *chosen;
    SetLastDirectory(wxPathOnly(path));
    return GetTemplates().empty() ? nullptr : static_cast<wxDocTemplate*>(GetTemplates().GetFirst()->GetData());
}

wxString CVitachronDocManager::MakeNewDocumentName() { return ToWx(Str::kUntitled); }

wxFileHistory* CVitachronDocManager::OnCreateFileHistory() {
    return new wxFileHistory(Id::FileMruCount, Id::FileMruFirst);
}

void CVitachronDocManager::AddFileToHistory(const wxString& file) {
    wxDocManager::AddFileToHistory(file);
    SaveRecentFiles();
}

void CVitachronDocManager::LoadRecentFiles() {
    wxFileHistory* history = GetFileHistory();
    if (history == nullptr) {
        return;
    }
    // Oldest first, so that the first entry ends up most recent.
    for (int i = Id::FileMruCount; i >= 1; --i) {
        const std::string file =
            services_->profile->GetString(PK::kRecentFileList, PK::kRecentFilePrefix + std::to_string(i), "");
        if (!file.empty()) {
            history->AddFileToHistory(ToWx(file));
        }
    }
}

void CVitachronDocManager::SaveRecentFiles() {
    wxFileHistory* history = GetFileHistory();
    if (history == nullptr) {
        return;
    }
    for (int i = 0; i < Id::FileMruCount; ++i) {
        const wxString file = static_cast<std::size_t>(i) < history->GetCount() ? history->GetHistoryFile(i) : wxString();
        services_->profile->WriteString(PK::kRecentFileList, PK::kRecentFilePrefix + std::to_string(i + 1),
                                        FromWx(file));
    }
}

void CVitachronDocManager::OpenRecentFile(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= GetHistoryFilesCount()) {
        return;
    }
    const wxString path = GetHistoryFile(static_cast<std::size_t>(index));
    if (CreateDocument(path, wxDOC_SILENT) == nullptr && !wxFileName::FileExists(path)) {
        // A file that is gone stays out of the list.
        RemoveFileFromHistory(static_cast<std::size_t>(index));
        SaveRecentFiles();
    }
}
