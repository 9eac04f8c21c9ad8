#include "app/CMainFrame.h"

#include "app/CAppServices.h"
#include "app/CLinkCommands.h"
#include "app/CMainSplitter.h"
#include "app/CVitachronDocManager.h"
#include "app/CWindowPlacement.h"
#include "app/CWxDocument.h"
#include "dialogs/CDialogAbout.h"
#include "links/CBrowserSupport.h"
#include "model/CProfile.h"
#include "model/InitialSettings.h"
#include "model/ProfileKeys.h"
#include "res/Strings.h"
#include "res/ids.h"
#include "view/CVitachronView.h"
#include "wxsupport/CAppIcon.h"
#include "wxsupport/MessageBox.h"
#include "wxsupport/WxConvert.h"

#include <wx/artprov.h>
#include <wx/combobox.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

namespace PK = ProfileKeys;

namespace {

// Commands whose work arrives with later parts of the program: shown, but
// greyed until a handler of the view, the document or the frame takes them
// over (remove an id here when its handler lands).
constexpr int kCommandsNotYetAvailable[] = {
    Id::EditCut, Id::EditCopy, Id::EditPaste, Id::ContextHelp,
};

const wxSize kDefaultFrameSize(1000, 700);

// Status bar panes: the message, then the lock indicators.
enum StatusPane { kMessagePane, kKanaPane, kCapsPane, kNumPane, kScrollPane, kPaneCount };

// GTK gives a stock command (exit, save as, print preview) its stock
// shortcut when the item's text names none, so "Vitachronの終了(&X)" would
// answer Ctrl+Q: only the shortcuts the texts name are kept. (wx puts the
// stock one back if such an item's text is ever set again.)
void DropStockAccelerators(wxMenu& menu) {
    for (wxMenuItem* item : menu.GetMenuItems()) {
        if (wxMenu* sub = item->GetSubMenu()) {
            DropStockAccelerators(*sub);
            continue;
        }
#ifdef __WXGTK__
        GtkWidget* widget = item->GetMenuItem();
        if (widget == nullptr || item->GetItemLabel().Contains('\t')) {
            continue;
        }
        GList* closures = gtk_widget_list_accel_closures(widget);
        for (GList* node = closures; node != nullptr; node = node->next) {
            auto* closure = static_cast<GClosure*>(node->data);
            GtkAccelGroup* group = gtk_accel_group_from_accel_closure(closure);
            const auto sameClosure = +[](GtkAccelKey*, GClosure* candidate, gpointer wanted) -> gboolean {
                return candidate == wanted;
            };
            GtkAccelKey* key = group != nullptr ? gtk_accel_group_find(group, sameClosure, closure) : nullptr;
            if (key != nullptr) {
                gtk_widget_remove_accelerator(widget, group, key->accel_key, key->accel_mods);
            }
        }
        g_list_free(closures);
#endif
    }
}

}  // namespace

CMainFrame* CMainFrame::Create(CVitachronDocManager& manager) {
    const CProfile& p = *manager.Services().profile;
    const CWindowPlacement::Placement place = CWindowPlacement::FromProfile(p, kDefaultFrameSize);
    const wxPoint pos = place.position;
    const wxSize size = place.size;
    const int leftWidth = p.GetInt(PK::kInit, PK::kInitLeftWidth, kDefaultLeftWidth);
    const bool yearOnly = p.GetInt(PK::kInit, PK::kInitYearOnly, 0) != 0;
    return new CMainFrame(manager, pos, size, leftWidth, yearOnly);
}

CMainFrame::CMainFrame(CVitachronDocManager& manager, const wxPoint& pos, const wxSize& size, int leftWidth,
                       bool yearOnly)
    : wxDocParentFrame(&manager, nullptr, wxID_ANY, ToWx(Str::kAppName), pos, size),
      manager_(&manager),
      services_(&manager.Services()),
      leftWidth_(leftWidth),
      yearOnly_(yearOnly) {
    manager.SetFrame(this);
    SetIcons(CAppIcon::Bundle());
    SetMenuBar(BuildMenuBar());
    for (std::size_t i = 0; i < GetMenuBar()->GetMenuCount(); ++i) {
        DropStockAccelerators(*GetMenuBar()->GetMenu(i));
    }
    BuildToolBar();
    BuildStatusBar();

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    dataBar_ = new CBarDataEdit(this, *this);
    splitter_ = new CMainSplitter(this, manager, leftWidth_);
    sizer->Add(dataBar_, 0, wxEXPAND);
    sizer->Add(splitter_, 1, wxEXPAND);
    SetSizer(sizer);
    BuildLinks();

    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunNameSearch(); }, Id::SearchButton);
    Bind(wxEVT_COMBOBOX_DROPDOWN, &CMainFrame::OnSearchDropDown, this, Id::SearchText);
    Bind(wxEVT_MENU, &CMainFrame::OnToggleToolBar, this, Id::ViewToolbar);
    Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, Id::ViewStatusBar);
    Bind(wxEVT_MENU, &CMainFrame::OnToggleDataBar, this, Id::ViewDataBar);
    for (const int id : {Id::ViewToolbar, Id::ViewStatusBar, Id::ViewDataBar}) {
        Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateToggles, this, id);
    }
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowHelp(); }, Id::HelpContents);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowAbout(); }, Id::AppAbout);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, Id::AppExit);
    for (const int id : kCommandsNotYetAvailable) {
        Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateNotYetAvailable, this, id);
    }
    Bind(wxEVT_IDLE, [this](wxIdleEvent& e) {
        UpdateIndicators();
        e.Skip();
    });
}

CMainFrame::~CMainFrame() {
    if (observed_ != nullptr) {
        observed_->RemoveObserver(*this);
    }
}

void CMainFrame::BuildLinks() {
    CBrowserSupport* browser = services_->browser;
    if (browser == nullptr) {
        ownBrowser_ = std::make_unique<CBrowserSupport>(*services_->profile);
        browser = ownBrowser_.get();
    }
    CLinkCommands::Host host;
    host.frame = this;
    host.document = [this]() -> CVitachronDoc* {
        CWxDocument* doc = Document();
        return doc != nullptr ? &doc->Core() : nullptr;
    };
    host.documentPath = [this] {
        CWxDocument* doc = Document();
        // A document never saved has no path and matches no query.
        return doc != nullptr ? FromWx(doc->GetFilename()) : std::string();
    };
    host.contextYear = [this] {
        CWxDocument* doc = Document();
        CVitachronView* timeline = doc != nullptr ? doc->TimelineView() : nullptr;
        return timeline != nullptr ? timeline->GetContextYear() : 0;
    };
    host.centreYear = [this](int year) {
        CWxDocument* doc = Document();
        if (CVitachronView* timeline = doc != nullptr ? doc->TimelineView() : nullptr) {
            timeline->CentreYear(year);
        }
    };
    host.openInBrowser = services_->openUrl;
    links_ = std::make_unique<CLinkCommands>(std::move(host), *services_->profile, *services_->fileChooser, *browser,
                                             services_->linkTransport ? services_->linkTransport() : nullptr,
                                             services_->linkOptions);
    links_->BindTo(*this);
}

void CMainFrame::PopupContextMenu(wxMenu& menu, const wxPoint& screenPoint) {
    if (contextMenuHook) {
        menu.UpdateUI(this);
        contextMenuHook(menu);
        return;
    }
    PopupMenu(&menu, ScreenToClient(screenPoint));
}

wxMenuBar* CMainFrame::BuildMenuBar() {
    const auto text = [](const char* s) { return ToWx(s); };

    auto* file = new wxMenu;
    file->Append(Id::FileNew, text(Str::kMenuFileNew));
    file->Append(Id::FileOpen, text(Str::kMenuFileOpen));
    file->Append(Id::FileSave, text(Str::kMenuFileSave));
    file->Append(Id::FileSaveAs, text(Str::kMenuFileSaveAs));
    file->Append(Id::SaveAsImage, text(Str::kMenuSaveAsImage));
    file->AppendSeparator();
    file->Append(Id::ImportBasePointYears, text(Str::kMenuImportBasePointYears));
    file->Append(Id::ExportBasePointYears, text(Str::kMenuExportBasePointYears));
    file->AppendSeparator();
    file->Append(Id::ImportCsv, text(Str::kMenuImportCsv));
    file->Append(Id::ExportCsv, text(Str::kMenuExportCsv));
    file->Append(Id::ImportGedcom, text(Str::kMenuImportGedcom));
    file->Append(Id::ExportGedcom, text(Str::kMenuExportGedcom));
    file->AppendSeparator();
    file->Append(Id::FilePrint, text(Str::kMenuPrint));
    file->Append(Id::FilePrintPreview, text(Str::kMenuPrintPreview));
    file->Append(Id::FilePrintSetup, text(Str::kMenuPrintSetup));
    file->AppendSeparator();
    auto* recent = new wxMenu;
    file->AppendSubMenu(recent, text(Str::kMenuRecentFiles));
    file->AppendSeparator();
    file->Append(Id::AppExit, text(Str::kMenuExit));
    manager_->FileHistoryUseMenu(recent);
    manager_->FileHistoryAddFilesToMenu(recent);

    auto* edit = new wxMenu;
    edit->Append(wxID_UNDO, text(Str::kMenuUndo));
    edit->Append(wxID_REDO, text(Str::kMenuRedo));

    auto* view = new wxMenu;
    view->Append(Id::YearRange, text(Str::kMenuYearRange));
    auto* widths = new wxMenu;
    widths->AppendCheckItem(Id::YearWidthNarrow, text(Str::kMenuYearWidthNarrow));
    widths->AppendCheckItem(Id::YearWidthNormal, text(Str::kMenuYearWidthNormal));
    widths->AppendCheckItem(Id::YearWidthWide, text(Str::kMenuYearWidthWide));
    view->AppendSubMenu(widths, text(Str::kMenuYearWidth));
    view->Append(Id::BaseYearSettings, text(Str::kMenuBaseYear));
    view->AppendSeparator();
    view->Append(Id::DisplaySettings, text(Str::kMenuDisplaySettings));
    view->Append(Id::ColorSettings, text(Str::kMenuColorSettings));
    view->Append(Id::FontSettings, text(Str::kMenuFontSettings));
    view->AppendSeparator();
    auto* zoom = new wxMenu;
    for (const auto& [id, label] : {std::pair{Id::Zoom10, "10"}, std::pair{Id::Zoom30, "30"},
                                    std::pair{Id::Zoom50, "50"}, std::pair{Id::Zoom70, "70"},
                                    std::pair{Id::Zoom90, "90"}, std::pair{Id::Zoom100, "100"},
                                    std::pair{Id::Zoom150, "150"}, std::pair{Id::Zoom200, "200"},
                                    std::pair{Id::Zoom250, "250"}, std::pair{Id::Zoom300, "300"}}) {
        zoom->AppendCheckItem(id, label);
    }
    view->AppendSubMenu(zoom, text(Str::kMenuZoom));
    view->AppendSeparator();
    view->AppendCheckItem(Id::ViewToolbar, text(Str::kMenuToolbar));
    view->AppendCheckItem(Id::ViewStatusBar, text(Str::kMenuStatusBar));
    view->AppendCheckItem(Id::ViewDataBar, text(Str::kMenuDataBar));

    auto* data = new wxMenu;
    data->Append(Id::AddPerson, text(Str::kMenuAddPerson));
    data->Append(Id::EditPeople, text(Str::kMenuEditPeople));
    auto* sort = new wxMenu;
    for (const auto& [id, label] :
         {std::pair{Id::SortName, Str::kSortName}, std::pair{Id::SortNameReversed, Str::kSortNameReversed},
          std::pair{Id::SortBirthEarliest, Str::kSortBirthEarliest},
          std::pair{Id::SortBirthLatest, Str::kSortBirthLatest},
          std::pair{Id::SortDeathEarliest, Str::kSortDeathEarliest},
          std::pair{Id::SortDeathLatest, Str::kSortDeathLatest}, std::pair{Id::SortNone, Str::kSortNone}}) {
        sort->AppendCheckItem(id, text(label));
    }
    data->AppendSubMenu(sort, text(Str::kMenuSort));

    auto* help = new wxMenu;
    help->Append(Id::HelpContents, text(Str::kMenuHelpContents));
    help->AppendSeparator();
    help->Append(Id::AppAbout, text(Str::kMenuAbout));

    auto* bar = new wxMenuBar;
    bar->Append(file, text(Str::kMenuFile));
    bar->Append(edit, text(Str::kMenuEdit));
    bar->Append(view, text(Str::kMenuView));
    bar->Append(data, text(Str::kMenuData));
    bar->Append(help, text(Str::kMenuHelp));
    return bar;
}

void CMainFrame::BuildToolBar() {
    wxToolBar* tb = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    const wxSize size(16, 16);
    const auto art = [&](const wxArtID& id) { return wxArtProvider::GetBitmap(id, wxART_TOOLBAR, size); };
    tb->AddTool(Id::FileNew, ToWx(Str::kToolNew), art(wxART_NEW), ToWx(Str::kToolNew));
    tb->AddTool(Id::FileOpen, ToWx(Str::kToolOpen), art(wxART_FILE_OPEN), ToWx(Str::kToolOpen));
    tb->AddTool(Id::FileSave, ToWx(Str::kToolSave), art(wxART_FILE_SAVE), ToWx(Str::kToolSave));
    tb->AddSeparator();
    tb->AddTool(Id::EditCut, ToWx(Str::kToolCut), art(wxART_CUT), ToWx(Str::kToolCut));
    tb->AddTool(Id::EditCopy, ToWx(Str::kToolCopy), art(wxART_COPY), ToWx(Str::kToolCopy));
    tb->AddTool(Id::EditPaste, ToWx(Str::kToolPaste), art(wxART_PASTE), ToWx(Str::kToolPaste));
    tb->AddSeparator();
    tb->AddTool(Id::FilePrint, ToWx(Str::kToolPrint), art(wxART_PRINT), ToWx(Str::kToolPrint));
    tb->AddSeparator();
    tb->AddTool(Id::AppAbout, ToWx(Str::kToolAbout), CAppIcon::Bitmap(16), ToWx(Str::kToolAbout));
    tb->AddTool(Id::ContextHelp, ToWx(Str::kToolContextHelp), art(wxART_HELP), ToWx(Str::kToolContextHelp));
    tb->Realize();
}

void CMainFrame::BuildStatusBar() {
    wxStatusBar* sb = CreateStatusBar(kPaneCount);
    const int widths[kPaneCount] = {-1, 40, 40, 40, 44};
    sb->SetStatusWidths(kPaneCount, widths);
    SetStatusText(ToWx(Str::kStatusReady), kMessagePane);
}

void CMainFrame::UpdateIndicators() {
    wxStatusBar* sb = GetStatusBar();
    if (sb == nullptr || !sb->IsShown()) {
        return;
    }
    const auto show = [&](int pane, bool on, const char* label) {
        const wxString text = on ? ToWx(label) : wxString();
        if (sb->GetStatusText(pane) != text) {
            sb->SetStatusText(text, pane);
        }
    };
    // There is no kana lock here; its pane stays empty as on keyboards without one.
    show(kKanaPane, false, Str::kIndicatorKana);
    show(kCapsPane, wxGetKeyState(WXK_CAPITAL), Str::kIndicatorCaps);
    show(kNumPane, wxGetKeyState(WXK_NUMLOCK), Str::kIndicatorNum);
    show(kScrollPane, wxGetKeyState(WXK_SCROLL), Str::kIndicatorScroll);
}

CScrollCanvas* CMainFrame::NameCanvas() const { return splitter_->NamePane(); }
CScrollCanvas* CMainFrame::TimelineCanvas() const { return splitter_->TimelinePane(); }
CWxDocument* CMainFrame::Document() const { return manager_->Document(); }

int CMainFrame::LeftPaneWidth() const { return splitter_->GetSashPosition(); }

bool CMainFrame::HideDataBar() {
    if (!dataBar_->IsShown()) {
        return false;
    }
    dataBar_->Hide();
    Layout();
    return true;
}

void CMainFrame::ShowDataBar() {
    dataBar_->Show();
    Layout();
}

void CMainFrame::ApplyLeftWidth(int width) {
    // A width of 0 is "not set"; applying it would collapse the name list, and
    // the next save would store the collapsed width.
    if (width > 0) {
        splitter_->SetSashPosition(width);
    }
}

void CMainFrame::SaveInitialSettings() {
    if (CWxDocument* doc = Document()) {
        ::SaveInitialSettings(*services_->profile, leftWidth_, doc->Core().Settings());
    }
}

void CMainFrame::RunNameSearch() {
    CWxDocument* doc = Document();
    if (doc == nullptr) {
        return;
    }
    CVitachronDoc& core = doc->Core();
    const std::string text = FromWx(dataBar_->SearchText()->GetValue());
    const int row = core.FindNext(text);
    if (row >= 0) {
        services_->session.RememberSearch(text);
        core.SetCurrentIndex(row);
        if (CVitachronView* timeline = doc->TimelineView()) {
            timeline->ShowFoundPerson();
        }
    } else {
        ShowMessageBox(ToWx(Str::kMsgNameNotFound), wxOK | wxICON_INFORMATION, this);
        core.SetCurrentIndex(-1);
    }
    // Filled now: the drop-down must hold the entries before it opens.
    ShowSearchHistory();
    doc->UpdateSelection();
}

void CMainFrame::ShowSearchHistory() {
    wxArrayString history;
    for (const std::string& text : services_->session.SearchHistory()) {
        history.Add(ToWx(text));
    }
    wxComboBox* combo = dataBar_->SearchText();
    if (combo->GetStrings() == history) {
        return;
    }
    const wxString typed = combo->GetValue();
    combo->Set(history);
    combo->ChangeValue(typed);
}

void CMainFrame::OnSearchDropDown(wxCommandEvent& event) {
    // Too late to change the list's length (GTK has measured the popup),
    // but a history changed elsewhere is still shown.
    ShowSearchHistory();
    event.Skip();
}

bool CMainFrame::SetBaseYear(std::int32_t year) {
    CWxDocument* doc = Document();
    return doc != nullptr && doc->SetBaseYear(year);
}

void CMainFrame::SetBaseYearOff(bool off) {
    if (CWxDocument* doc = Document()) {
        doc->SetBaseYearShown(!off);
    }
}

void CMainFrame::Observe(CVitachronDoc& doc) {
    if (observed_ != nullptr) {
        observed_->RemoveObserver(*this);
    }
    observed_ = &doc;
    doc.AddObserver(*this);
}

void CMainFrame::StopObserving(CVitachronDoc& doc) {
    if (observed_ == &doc) {
        doc.RemoveObserver(*this);
        observed_ = nullptr;
    }
}

void CMainFrame::OnDocumentChanged(CDocChange changes) {
    if (observed_ == nullptr) {
        return;
    }
    const CDocSettings& s = observed_->Settings();
    if (Any(changes, CDocChange::Replaced | CDocChange::BaseYear)) {
        dataBar_->SetBaseYearControls(s.baseYear, s.baseYearShown);
    }
    if (Any(changes, CDocChange::Replaced | CDocChange::Grouping)) {
        dataBar_->SetCategorySortCheck(s.groupByCategory);
    }
    if (Any(changes, CDocChange::Replaced | CDocChange::LeftWidth)) {
        ApplyLeftWidth(s.leftWidth);
    }
    if (Any(changes, CDocChange::Replaced)) {
        ShowSearchHistory();  // a new document starts its session afresh
    }
}

void CMainFrame::ShowHelp() {
    const std::filesystem::path& index = services_->helpIndex;
    std::error_code ec;
    const bool opened = std::filesystem::exists(index, ec) && services_->openUrl &&
                        services_->openUrl(wxFileName::FileNameToURL(wxFileName(PathToWx(index))));
    if (!opened) {
        ShowMessageBox(ToWx(Str::kMsgHelpFailed), wxOK | wxICON_EXCLAMATION, this);
    }
}

void CMainFrame::ShowAbout() {
    CDialogAbout about(this);
    about.ShowModal();
}

void CMainFrame::StoreWindowRect() {
    const wxRect r = GetRect();
    CProfile& p = *services_->profile;
    p.WriteInt(PK::kLastPos, PK::kLastPosLeft, r.GetLeft());
    p.WriteInt(PK::kLastPos, PK::kLastPosTop, r.GetTop());
    p.WriteInt(PK::kLastPos, PK::kLastPosRight, r.GetLeft() + r.GetWidth());
    p.WriteInt(PK::kLastPos, PK::kLastPosBottom, r.GetTop() + r.GetHeight());
}

void CMainFrame::OnClose(wxCloseEvent& event) {
    StoreWindowRect();
    manager_->SaveRecentFiles();
    // The link lets go of its shared block before the save question, and
    // takes it again when the user stays.
    links_->OnFrameClosing();
    if (!manager_->Clear(!event.CanVeto())) {
        event.Veto();
        links_->OnCloseCancelled();
        return;
    }
    event.Skip();
}

void CMainFrame::OnToggleToolBar(wxCommandEvent&) {
    if (wxToolBar* tb = GetToolBar()) {
        tb->Show(!tb->IsShown());
        SendSizeEvent();
    }
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
    if (wxStatusBar* sb = GetStatusBar()) {
        sb->Show(!sb->IsShown());
        SendSizeEvent();
    }
}

void CMainFrame::OnToggleDataBar(wxCommandEvent&) {
    dataBar_->Show(!dataBar_->IsShown());
    Layout();
}

void CMainFrame::OnUpdateToggles(wxUpdateUIEvent& event) {
    switch (event.GetId()) {
        case Id::ViewToolbar: event.Check(GetToolBar() != nullptr && GetToolBar()->IsShown()); break;
        case Id::ViewStatusBar: event.Check(GetStatusBar() != nullptr && GetStatusBar()->IsShown()); break;
        default: event.Check(dataBar_->IsShown()); break;
    }
}

void CMainFrame::OnUpdateNotYetAvailable(wxUpdateUIEvent& event) { event.Enable(false); }
