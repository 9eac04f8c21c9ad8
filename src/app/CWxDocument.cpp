#include "app/CWxDocument.h"

#include "app/CAppServices.h"
#include "app/CBarDataEdit.h"
#include "app/CDocumentChange.h"
#include "app/CGedcomCommands.h"
#include "app/CInterchangeCommands.h"
#include "app/CMainFrame.h"
#include "app/CUndoHistory.h"
#include "app/CUndoablePeopleEditor.h"
#include "app/CVitachronDocManager.h"
#include "app/SettingsCommands.h"
#include "dialogs/CDialogDataModify.h"
#include "dialogs/CDialogPerson.h"
#include "dialogs/CDialogRangeYear.h"
#include "model/CDirectPeopleEditor.h"
#include "model/CFileError.h"
#include "model/CFormatError.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "view/CNameView.h"
#include "view/CVitachronView.h"
#include "wxsupport/CFileChooser.h"
#include "wxsupport/CLogFontConverter.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/filename.h>
#include <wx/menu.h>

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

// The step that redo would make again: the one after the current step.
const wxCommand* RedoCommandOf(const wxCommandProcessor& processor) {
    const wxList& steps = processor.GetCommands();
    const wxCommand* current = processor.GetCurrentCommand();
    wxList::compatibility_iterator node = current == nullptr ? steps.GetFirst() : steps.Find(const_cast<wxCommand*>(current));
    if (current != nullptr && node) {
        node = node->GetNext();
    }
    return node ? static_cast<const wxCommand*>(node->GetData()) : nullptr;
}

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
      core_(std::make_unique<CVitachronDoc>(*this, *services.profile, services.sharedCategoryFile)) {
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
    Bind(wxEVT_MENU, &CWxDocument::OnAddPerson, this, Id::AddPerson);
    Bind(wxEVT_MENU, &CWxDocument::OnEditPeople, this, Id::EditPeople);
    Bind(wxEVT_MENU, &CWxDocument::OnYearRange, this, Id::YearRange);
    Bind(wxEVT_MENU, &CWxDocument::OnBaseYearSettings, this, Id::BaseYearSettings);
    Bind(wxEVT_MENU, &CWxDocument::OnDisplaySettings, this, Id::DisplaySettings);
    Bind(wxEVT_MENU, &CWxDocument::OnColorSettings, this, Id::ColorSettings);
    Bind(wxEVT_MENU, &CWxDocument::OnFontSettings, this, Id::FontSettings);
    Bind(wxEVT_MENU, &CWxDocument::OnUndo, this, wxID_UNDO);
    Bind(wxEVT_MENU, &CWxDocument::OnRedo, this, wxID_REDO);
    Bind(wxEVT_UPDATE_UI, &CWxDocument::OnUpdateUndo, this, wxID_UNDO);
    Bind(wxEVT_UPDATE_UI, &CWxDocument::OnUpdateRedo, this, wxID_REDO);
    core_->AddObserver(*this);
    services_->session = CEditSession{};
    interchange_ = std::make_unique<CInterchangeCommands>(*this);
    interchange_->BindTo(*this);
    gedcom_ = std::make_unique<CGedcomCommands>(*this);
    gedcom_->BindTo(*this);
}

CWxDocument::~CWxDocument() {
    if (CMainFrame* frame = Frame()) {
        frame->StopObserving(*core_);
    }
}

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

CViewFrame* CWxDocument::ViewFrame() const { return Frame(); }

CFileChooser& CWxDocument::FileChooser() const { return *services_->fileChooser; }

bool CWxDocument::OnCreate(const wxString& path, long flags) {
    // The frame follows this document's changes from before its first one.
    if (CMainFrame* frame = Frame()) {
        frame->Observe(*core_);
    }
    // The name list is the document's first view, the timeline its second.
    auto* names = new CNameView;
    names->SetDocument(this);
    if (!names->OnCreate(this, flags)) {
        delete names;
        return false;
    }
    return wxDocument::OnCreate(path, flags);
}

wxCommandProcessor* CWxDocument::OnCreateCommandProcessor() {
    // The framework owns the processor.
    return new CUndoHistory([this] { RefreshEditMenu(); });
}

void CWxDocument::RefreshEditMenu() {
    CMainFrame* frame = Frame();
    wxMenuBar* bar = frame != nullptr ? frame->GetMenuBar() : nullptr;
    wxMenu* edit = nullptr;
    if (bar != nullptr && bar->FindItem(wxID_UNDO, &edit) != nullptr && edit != nullptr) {
        edit->UpdateUI(frame);
    }
}

bool CWxDocument::OnNewDocument() {
    if (!wxDocument::OnNewDocument()) {
        return false;
    }
    core_->OnNewDocument();
    if (wxCommandProcessor* processor = GetCommandProcessor()) {
        processor->ClearCommands();
    }
    return true;
}

bool CWxDocument::OnOpenDocument(const wxString& file) { return wxDocument::OnOpenDocument(file); }

bool CWxDocument::DoOpenDocument(const wxString& file) {
    auto* manager = dynamic_cast<CVitachronDocManager*>(GetDocumentManager());
    try {
        if (std::unique_ptr<CVitachronDoc> loaded = manager != nullptr ? manager->TakePreloaded(file) : nullptr) {
            core_->TakeLoaded(std::move(*loaded));
        } else {
            core_->OpenFile(ToPath(file));
        }
        // The steps of the document before cannot be undone into this one.
        if (wxCommandProcessor* processor = GetCommandProcessor()) {
            processor->ClearCommands();
        }
    } catch (const CFormatError&) {
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgOpenDamaged), file), wxOK | wxICON_ERROR);
        return false;
    } catch (const CFileError& e) {
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgOpenFailedBecause), file, ToWx(e.Reason())), wxOK | wxICON_ERROR);
        return false;
    }
    return true;
}

bool CWxDocument::DoSaveDocument(const wxString& file) {
    try {
        core_->SaveFile(ToPath(file));
    } catch (const CFileError& e) {
        // The previous file is untouched and the document stays modified.
        ShowMessageBox(wxString::Format(ToWx(Str::kMsgSaveFailedBecause), file, ToWx(e.Reason())),
                       wxOK | wxICON_ERROR);
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

void CWxDocument::UpdateSelection() { core_->NotifyChanged(CDocChange::Selection); }

void CWxDocument::OnDocumentChanged(CDocChange changes) {
    if (Any(changes, CDocChange::Modified)) {
        Modify(true);
    }
}

std::optional<int> CWxDocument::ShownLeftWidth() const {
    if (const CMainFrame* frame = Frame()) {
        return frame->LeftPaneWidth();
    }
    return std::nullopt;
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

template <class T>
void CWxDocument::ChangeSetting(const char* name, T CDocSettings::*setting, T value, CDocChange changes) {
    const T before = core_->Settings().*setting;
    auto apply = [this, setting, changes](T v) {
        core_->Settings().*setting = v;
        if (Any(changes, CDocChange::Order)) {
            core_->Refresh(changes);
        } else {
            core_->NotifyChanged(changes | CDocChange::Modified);
        }
    };
    wxCommandProcessor* processor = GetCommandProcessor();
    if (processor == nullptr) {
        apply(value);
        return;
    }
    processor->Submit(new CDocumentChange(
        ToWx(name), [apply, value] { apply(value); }, [apply, before] { apply(before); }));
}

void CWxDocument::ApplySettings(const CDocSettings& settings, CDocChange changes) {
    CDocSettings& s = core_->Settings();
    const bool reorder = s.sortOrder != settings.sortOrder || s.groupByCategory != settings.groupByCategory;
    const std::int32_t zoom = s.zoom;
    s = settings;
    s.zoom = zoom;
    if (CMainFrame* frame = Frame()) {
        // The year-only choice and the list width are also the frame's own values.
        frame->SetYearOnly(s.yearOnly);
        frame->SetLeftWidthSetting(s.leftWidth);
    }
    if (reorder) {
        core_->Refresh(changes);
    } else {
        core_->NotifyChanged(changes | CDocChange::Modified);
    }
}

void CWxDocument::StoreSettingsStep(const char* name, const CDocSettings& before, CDocChange changes) {
    CDocSettings after = core_->Settings();
    after.zoom = before.zoom;
    if (after == before) {
        return;
    }
    if (wxCommandProcessor* processor = GetCommandProcessor()) {
        // Already done by the dialog: stored, not done again.
        processor->Store(new CDocumentChange(
            ToWx(name), [this, after, changes] { ApplySettings(after, changes); },
            [this, before, changes] { ApplySettings(before, changes); }));
    }
}

void CWxDocument::StoreImportStep(const char* name, std::size_t added) {
    wxCommandProcessor* processor = GetCommandProcessor();
    if (processor == nullptr || added == 0) {
        return;
    }
    auto held = std::make_shared<std::vector<std::unique_ptr<CPerson>>>();
    CVitachronDoc& core = *core_;
    processor->Store(new CDocumentChange(
        ToWx(name),
        [&core, held] {
            for (auto& person : *held) {
                core.AppendPerson(std::move(person));
            }
            held->clear();
            core.Refresh();
        },
        [&core, held, added] {
            *held = core.TakeLastPeople(added);
            core.Refresh();
        }));
}

bool CWxDocument::SetBaseYear(std::int32_t year) {
    if (!core_->Settings().baseYearShown) {
        return false;
    }
    ChangeSetting(Str::kUndoBaseYear, &CDocSettings::baseYear, year, CDocChange::BaseYear | CDocChange::Settings);
    return true;
}

void CWxDocument::SetBaseYearShown(bool shown) {
    ChangeSetting(Str::kUndoBaseYearShown, &CDocSettings::baseYearShown, shown,
                  CDocChange::BaseYear | CDocChange::Settings);
}

void CWxDocument::OnSort(wxCommandEvent& event) {
    ChangeSetting(Str::kUndoSort, &CDocSettings::sortOrder, ValueOf(kSortOrders, event.GetId()), CDocChange::Order);
}

void CWxDocument::OnUpdateSort(wxUpdateUIEvent& event) {
    event.Check(core_->Settings().sortOrder == ValueOf(kSortOrders, event.GetId()));
}

void CWxDocument::OnGroupByCategory(wxCommandEvent&) {
    ChangeSetting(Str::kUndoGroupByCategory, &CDocSettings::groupByCategory, !core_->Settings().groupByCategory,
                  CDocChange::Order | CDocChange::Grouping);
}

void CWxDocument::OnUpdateGroupByCategory(wxUpdateUIEvent& event) { event.Check(core_->Settings().groupByCategory); }

void CWxDocument::OnYearWidth(wxCommandEvent& event) {
    ChangeSetting(Str::kUndoYearWidth, &CDocSettings::yearWidth, ValueOf(kYearWidths, event.GetId()),
                  CDocChange::Settings);
}

void CWxDocument::OnUpdateYearWidth(wxUpdateUIEvent& event) {
    event.Check(core_->Settings().yearWidth == ValueOf(kYearWidths, event.GetId()));
}

void CWxDocument::OnZoom(wxCommandEvent& event) { core_->SetZoom(ValueOf(kZooms, event.GetId())); }

void CWxDocument::OnUpdateZoom(wxUpdateUIEvent& event) {
    event.Check(core_->Settings().zoom == ValueOf(kZooms, event.GetId()));
}

CPeopleEditor& CWxDocument::PeopleEditor() {
    if (!editor_) {
        // The command processor comes with the template's set-up, after construction.
        if (wxCommandProcessor* processor = GetCommandProcessor()) {
            editor_ = std::make_unique<CUndoablePeopleEditor>(*core_, *processor);
        } else {
            editor_ = std::make_unique<CDirectPeopleEditor>(*core_);
        }
    }
    return *editor_;
}

std::function<bool(wxWindow*, int)> CWxDocument::CategoryEditor() {
    return [this](wxWindow* parent, int selection) {
        return EditCategories(parent, *core_, selection, *services_->colorChooser);
    };
}

bool CWxDocument::EditPerson(wxWindow* parent, CPerson& person) {
    return CDialogPerson::RunModal(parent, *core_, PeopleEditor(), services_->session, &person, CategoryEditor()) ==
           wxID_OK;
}

void CWxDocument::DeleteDisplayedPerson(int row) {
    const CPerson* person = core_->GetDisplayed(row);
    if (person == nullptr) {
        core_->SetCurrentIndex(-1);
        return;
    }
    PeopleEditor().Remove(static_cast<std::size_t>(core_->StoredIndexOf(person)));
}

void CWxDocument::OnAddPerson(wxCommandEvent&) {
    CDialogPerson::RunModal(Frame(), *core_, PeopleEditor(), services_->session, nullptr, CategoryEditor());
}

void CWxDocument::OnEditPeople(wxCommandEvent&) {
    CDialogDataModify::RunModal(Frame(), *core_, PeopleEditor(), services_->session, CategoryEditor());
}

void CWxDocument::OnYearRange(wxCommandEvent&) {
    CDialogRangeYear dialog(Frame(), *core_);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    const std::pair<std::int32_t, std::int32_t> before{core_->Settings().startYear, core_->Settings().endYear};
    const std::pair<std::int32_t, std::int32_t> after{dialog.StartYear(), dialog.EndYear()};
    const auto apply = [this](std::pair<std::int32_t, std::int32_t> range) {
        core_->SetCurrentIndex(-1);
        core_->Settings().startYear = range.first;
        core_->Settings().endYear = range.second;
        core_->NotifyChanged(CDocChange::Settings | CDocChange::Modified);
    };
    if (wxCommandProcessor* processor = GetCommandProcessor()) {
        processor->Submit(new CDocumentChange(
            ToWx(Str::kUndoYearRange), [apply, after] { apply(after); }, [apply, before] { apply(before); }));
    } else {
        apply(after);
    }
}

// Each settings dialog is one step: age colours accepted inside a cancelled
// base year dialog, which stay, are one too.
void CWxDocument::OnBaseYearSettings(wxCommandEvent&) {
    const CDocSettings before = core_->Settings();
    RunBaseYearSettings(Frame(), *core_, *services_->colorChooser);
    StoreSettingsStep(Str::kUndoBaseYearSettings, before, CDocChange::BaseYear | CDocChange::Settings);
}

void CWxDocument::OnDisplaySettings(wxCommandEvent&) {
    const CDocSettings before = core_->Settings();
    if (!RunDisplaySettings(Frame(), *core_)) {
        return;
    }
    // The year-only choice and the list width are also the frame's own values.
    if (CMainFrame* frame = Frame()) {
        frame->SetYearOnly(core_->Settings().yearOnly);
        frame->SetLeftWidthSetting(core_->Settings().leftWidth);
    }
    StoreSettingsStep(Str::kUndoDisplaySettings, before, CDocChange::Settings | CDocChange::LeftWidth);
}

void CWxDocument::OnColorSettings(wxCommandEvent&) {
    const CDocSettings before = core_->Settings();
    RunColorSettings(Frame(), *core_, *services_->colorChooser);
    StoreSettingsStep(Str::kUndoColorSettings, before, CDocChange::Settings);
}

void CWxDocument::OnFontSettings(wxCommandEvent&) {
    const CDocSettings before = core_->Settings();
    RunFontSettings(Frame(), *core_, *services_->fontChooser, CLogFontConverter::ScreenDpi());
    StoreSettingsStep(Str::kUndoFontSettings, before, CDocChange::Fonts);
}

void CWxDocument::OnUndo(wxCommandEvent&) {
    if (wxCommandProcessor* processor = GetCommandProcessor()) {
        processor->Undo();
    }
}

void CWxDocument::OnRedo(wxCommandEvent&) {
    if (wxCommandProcessor* processor = GetCommandProcessor()) {
        processor->Redo();
    }
}

void CWxDocument::OnUpdateUndo(wxUpdateUIEvent& event) {
    wxCommandProcessor* processor = GetCommandProcessor();
    const bool can = processor != nullptr && processor->CanUndo();
    event.Enable(can);
    event.SetText(can ? wxString::Format(ToWx(Str::kMenuUndoNamed), processor->GetCurrentCommand()->GetName())
                      : ToWx(Str::kMenuUndo));
}

void CWxDocument::OnUpdateRedo(wxUpdateUIEvent& event) {
    wxCommandProcessor* processor = GetCommandProcessor();
    const bool can = processor != nullptr && processor->CanRedo();
    event.Enable(can);
    event.SetText(can ? wxString::Format(ToWx(Str::kMenuRedoNamed), RedoCommandOf(*processor)->GetName())
                      : ToWx(Str::kMenuRedo));
}
