#include "app/CWxDocument.h"

#include "app/CAppServices.h"
#include "app/CBarDataEdit.h"
#include "app/CInterchangeCommands.h"
#include "app/CMainFrame.h"
#include "app/CVitachronDocManager.h"
#include "dialogs/CDialogPerson.h"
#include "dialogs/CFileChooser.h"
#include "dialogs/MessageBox.h"
#include "model/CFileError.h"
#include "model/CDirectPeopleEditor.h"
#include "model/CFileIO.h"
#include "model/CFormatError.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "view/CNameView.h"
#include "view/CViewHint.h"
#include "view/CVitachronView.h"
#include "view/WxConvert.h"

#include <wx/filename.h>

#include <array>
#include <utility>

namespace {

// Sort commands and the order each chooses.
constexpr std::array<std::pair<int, int>, 7> kSortOrders{{
    {Id::SortNone, 0},
    {Id::SortName, 1},
    {Id::SortNameReversed, 2},
    {Id::SortBirthEarliest, 3},
    {Id::SortBirthLatest, 4},
    {Id::SortDeathEarliest, 5},
    {Id::SortDeathLatest, 6},
}};

constexpr std::array<std::pair<int, int>, 3> kYearWidths{{
    {Id::YearWidthNarrow, 100},
    {Id::YearWidthNormal, 200},
    {Id::YearWidthWide, 400},
}};

constexpr std::array<std::pair<int, int>, 10> kZooms{{
    {Id::Zoom10, 10},
    {Id::Zoom30, 30},
    {Id::Zoom50, 50},
    {Id::Zoom70, 70},
    {Id::Zoom90, 90},
    {Id::Zoom100, 100},
    {Id::Zoom150, 150},
    {Id::Zoom200, 200},
    {Id::Zoom250, 250},
    {Id::Zoom300, 300},
}};

template <std::size_t N>
int ValueOf(const std::array<std::pair<int, int>, N>& table, int id) {
    for (const auto& [commandId, value] : table) {
        if (commandId == id) {
            return value;
        }
    }
    return table.front().second;
}

}  // namespace

CWxDocument::CWxDocument(CAppServices& services)
    : services_(&services),
      core_(std::make_unique<CVitachronDoc>(*this, *services.profile, services.sharedCategoryFile)),
      editor_(std::make_unique<CDirectPeopleEditor>(*core_)) {
    for (const auto& [id, order] : kSortOrders) {
        Bind(wxEVT_MENU, &CWxDocument::OnSort, this, id);
        Bind(wxEVT_UPDATE_UI, &CWxDocument::OnUpdateSort, this, id);
    }
    Bind(wxEVT_MENU, &CWxDocument::OnGroupByCategory, this, Id::GroupByCategory);
    Bind(wxEVT_UPDATE_UI, &CWxDocument::OnUpdateGroupByCategory, this, Id::GroupByCategory);
    for (const auto& [id, width] : kYearWidths) {
        Bind(wxEVT_MENU, &CWxDocument::OnYearWidth, this, id);
        Bind(wxEVT_UPDATE_UI, &CWxDocument::OnUpdateYearWidth, this, id);
    }
    for (const auto& [id, percent] : kZooms) {
        Bind(wxEVT_MENU, &CWxDocument::OnZoom, this, id);
        Bind(wxEVT_UPDATE_UI, &CWxDocument::OnUpdateZoom, this, id);
    }
    interchange_ = std::make_unique<CInterchangeCommands>(*this);
    interchange_->BindTo(*this);
}

CWxDocument::~CWxDocument() = default;

CNameView* CWxDocument::NameView() const {
    for (wxView* v : GetViewsVector()) {
        if (auto* n = dynamic_cast<CNameView*>(v)) {
            return n;
        }
    }
    return nullptr;
}

CVitachronView* CWxDocument::TimelineView() const {
    for (wxView* v : GetViewsVector()) {
        if (auto* t = dynamic_cast<CVitachronView*>(v)) {
            return t;
        }
    }
    return nullptr;
}

CMainFrame* CWxDocument::Frame() const {
    auto* manager = dynamic_cast<CVitachronDocManager*>(GetDocumentManager());
    return manager != nullptr ? manager->Frame() : nullptr;
}

bool CWxDocument::OnCreate(const wxString& path, long flags) {
    // The name list is the document's first view, the timeline its second.
    auto* names = new CNameView;
    names->SetDocument(this);
    if (!names->OnCreate(this, flags)) {
        delete names;
        return false;
    }
    return wxDocument::OnCreate(path, flags);
}

bool CWxDocument::OnNewDocument() {
    if (!wxDocument::OnNewDocument()) {
        return false;
    }
    core_->OnNewDocument();
    ShowInFrame();
    UpdateAllViews();
    return true;
}

bool CWxDocument::OnOpenDocument(const wxString& file) {
    if (!wxDocument::OnOpenDocument(file)) {
        return false;
    }
    ShowInFrame();
    return true;
}

bool CWxDocument::DoOpenDocument(const wxString& file) {
    auto* manager = dynamic_cast<CVitachronDocManager*>(GetDocumentManager());
    try {
        std::optional<std::string> bytes = manager != nullptr ? manager->TakePreloaded(file) : std::nullopt;
        if (!bytes) {
            bytes = CFileIO::ReadFile(std::filesystem::path(FromWx(file)));
        }
        core_->LoadFromBytes(*bytes);
    } catch (const CFormatError&) {
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgOpenDamaged), file), wxOK | wxICON_ERROR);
        return false;
    } catch (const CFileError&) {
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgOpenUnreadable), file), wxOK | wxICON_ERROR);
        return false;
    }
    return true;
}

bool CWxDocument::DoSaveDocument(const wxString& file) {
    try {
        core_->SaveFile(std::filesystem::path(FromWx(file)));
    } catch (const CFileError&) {
        // The previous file is untouched and the document stays modified.
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgSaveFailed), file), wxOK | wxICON_ERROR);
        return false;
    }
    return true;
}

bool CWxDocument::SaveAs() {
    CFileChooser::Request request;
    request.parent = Frame();
    request.title = ToWx(Str::kSaveAsTitle);
    const wxFileName current(GetFilename());
    request.defaultDir = current.GetPath();
    if (request.defaultDir.empty() && GetDocumentManager() != nullptr) {
        request.defaultDir = GetDocumentManager()->GetLastDirectory();
    }
    request.defaultFile = current.GetFullName();
    request.wildcard = ToWx(Str::kDocumentFilter);
    request.defaultExtension = "vtc";
    request.promptOverwrite = true;
    const std::optional<wxString> chosen = services_->fileChooser->ChooseSave(request);
    if (!chosen) {
        return false;
    }
    if (!OnSaveDocument(*chosen)) {
        return false;
    }
    SetTitle(wxFileNameFromPath(*chosen));
    SetFilename(*chosen, true);
    if (GetDocumentManager() != nullptr) {
        GetDocumentManager()->AddFileToHistory(*chosen);
    }
    return true;
}

bool CWxDocument::OnSaveModified() {
    if (!IsModified()) {
        return true;
    }
    const wxString text = wxString::Format(ToWx(Str::kMsgSaveChanges), GetUserReadableName());
    switch (ShowMessageBox(text, wxYES_NO | wxCANCEL | wxICON_QUESTION, Frame())) {
        case wxYES: return Save();
        case wxNO: Modify(false); return true;
        default: return false;
    }
}

void CWxDocument::UpdateSelection() {
    CViewHint hint(CViewHint::Kind::SelectionOnly);
    wxDocument::UpdateAllViews(nullptr, &hint);
}

void CWxDocument::UpdateAllViews() { wxDocument::UpdateAllViews(nullptr, nullptr); }

void CWxDocument::SetModified(bool modified) { Modify(modified); }

void CWxDocument::SetGroupByCategoryCheck(bool checked) {
    if (CMainFrame* frame = Frame()) {
        frame->DataBar()->SetCategorySortCheck(checked);
    }
}

void CWxDocument::ApplyFonts(int percent) {
    if (CVitachronView* timeline = TimelineView()) {
        timeline->RecreateFonts(percent);
    }
    if (CNameView* names = NameView()) {
        names->RecreateFonts(percent);
    }
}

void CWxDocument::RedrawNow() {
    if (CVitachronView* timeline = TimelineView()) {
        timeline->RedrawNow();
    }
    if (CNameView* names = NameView()) {
        names->RedrawNow();
    }
}

std::optional<int> CWxDocument::CurrentLeftWidth() const {
    if (const CMainFrame* frame = Frame()) {
        return frame->LeftPaneWidth();
    }
    return std::nullopt;
}

void CWxDocument::ApplyLeftWidth(int width) {
    if (CMainFrame* frame = Frame()) {
        frame->ApplyLeftWidth(width);
    }
}

void CWxDocument::ShowMessage(const std::string& text, MessageKind kind) {
    long icon = wxICON_INFORMATION;
    if (kind == MessageKind::Warning) {
        icon = wxICON_WARNING;
    } else if (kind == MessageKind::Error) {
        icon = wxICON_ERROR;
    }
    ShowMessageBox(ToWx(text), wxOK | icon, Frame());
}

void CWxDocument::ShowInFrame() {
    CMainFrame* frame = Frame();
    if (frame == nullptr) {
        return;
    }
    const CDocSettings& s = core_->Settings();
    frame->DataBar()->SetBaseYearControls(s.baseYear, s.baseYearShown);
    frame->DataBar()->SetCategorySortCheck(s.groupByCategory);
    if (s.leftWidth != 0) {
        frame->ApplyLeftWidth(s.leftWidth);
    }
}

void CWxDocument::OnSort(wxCommandEvent& event) {
    core_->Settings().sortOrder = ValueOf(kSortOrders, event.GetId());
    core_->Refresh();
}

void CWxDocument::OnUpdateSort(wxUpdateUIEvent& event) {
    event.Check(core_->Settings().sortOrder == ValueOf(kSortOrders, event.GetId()));
}

void CWxDocument::OnGroupByCategory(wxCommandEvent&) {
    core_->Settings().groupByCategory = !core_->Settings().groupByCategory;
    core_->Refresh();
}

void CWxDocument::OnUpdateGroupByCategory(wxUpdateUIEvent& event) { event.Check(core_->Settings().groupByCategory); }

void CWxDocument::OnYearWidth(wxCommandEvent& event) {
    core_->Settings().yearWidth = ValueOf(kYearWidths, event.GetId());
    UpdateAllViews();
    Modify(true);
}

void CWxDocument::OnUpdateYearWidth(wxUpdateUIEvent& event) {
    event.Check(core_->Settings().yearWidth == ValueOf(kYearWidths, event.GetId()));
}

void CWxDocument::OnZoom(wxCommandEvent& event) { core_->SetZoom(ValueOf(kZooms, event.GetId())); }

void CWxDocument::OnUpdateZoom(wxUpdateUIEvent& event) {
    event.Check(core_->Settings().zoom == ValueOf(kZooms, event.GetId()));
}

CPeopleEditor& CWxDocument::PeopleEditor() { return *editor_; }

bool CWxDocument::EditPerson(wxWindow* parent, CPerson& person) {
    return CDialogPerson::RunModal(parent, *core_, PeopleEditor(), &person) == wxID_OK;
}

void CWxDocument::DeleteDisplayedPerson(int row) {
    const CPerson* person = core_->GetDisplayed(row);
    if (person == nullptr) {
        core_->SetCurrentIndex(-1);
        return;
    }
    PeopleEditor().Remove(static_cast<std::size_t>(core_->StoredIndexOf(person)));
}
