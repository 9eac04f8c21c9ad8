// The program's only top-level window: menus, toolbar, status bar, the data
// operation bar and the splitter with the name list and the timeline. It
// remembers where it stood, runs the name search and opens the help.
#pragma once

#include "app/CBarDataEdit.h"
#include "model/CDocChange.h"
#include "view/CViewFrame.h"

#include <wx/docview.h>

#include <cstdint>
#include <functional>
#include <memory>

struct CAppServices;
class CBrowserSupport;
class CLinkCommands;
class CMainSplitter;
class CScrollCanvas;
class CVitachronDocManager;
class CVitachronDoc;
class CWxDocument;
class wxMenu;
class wxMenuBar;

class CMainFrame : public wxDocParentFrame, public CBarDataEdit::Owner, public CViewFrame, public CDocObserver {
public:
    static constexpr int kDefaultLeftWidth = 150;

    // Reads the stored window rectangle and the Init values, then builds the window.
    static CMainFrame* Create(CVitachronDocManager& manager);

    CBarDataEdit* DataBar() const { return dataBar_; }
    CMainSplitter* Splitter() const { return splitter_; }
    CWxDocument* Document() const;

    // CViewFrame
    wxFrame* Window() override { return this; }
    CScrollCanvas* NameCanvas() const override;
    CScrollCanvas* TimelineCanvas() const override;
    int LeftPaneWidth() const override;
    void PopupContextMenu(wxMenu& menu, const wxPoint& screenPoint) override;
    bool HideDataBar() override;
    void ShowDataBar() override;

    void ApplyLeftWidth(int width);
    // The Init values the frame holds: the name list width for new windows
    // and the year-only date display.
    int LeftWidthSetting() const { return leftWidth_; }
    void SetLeftWidthSetting(int width) { leftWidth_ = width; }
    bool YearOnly() const { return yearOnly_; }
    void SetYearOnly(bool yearOnly) { yearOnly_ = yearOnly; }
    // Writes the Init section from the frame and the current document.
    void SaveInitialSettings();

    // The context menus of the views travel the frame's routing (view,
    // document, frame: the links' entries are the frame's).
    // Set by tests: called with the menu, after its update handlers ran,
    // instead of showing it.
    std::function<void(wxMenu&)> contextMenuHook;

    // The links to Annalix and HTML pages, for the frame's lifetime.
    CLinkCommands& Links() const { return *links_; }

    // The name search of the data bar's "検索".
    void RunNameSearch();
    // The search text's drop-down lists the document's search history.
    void ShowSearchHistory();
    // Opens HTMLHelp/index.html in the desktop's browser.
    void ShowHelp();
    void ShowAbout();

    // CBarDataEdit::Owner
    bool SetBaseYear(std::int32_t year) override;
    void SetBaseYearOff(bool off) override;

    // The frame's controls follow the document it shows: the data bar's base
    // year and grouping, the splitter's width. The wx document starts and
    // ends this; a new document replaces the one followed before.
    void Observe(CVitachronDoc& doc);
    void StopObserving(CVitachronDoc& doc);
    void OnDocumentChanged(CDocChange changes) override;

private:
    CMainFrame(CVitachronDocManager& manager, const wxPoint& pos, const wxSize& size, int leftWidth, bool yearOnly);
    ~CMainFrame() override;

    wxMenuBar* BuildMenuBar();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildLinks();
    void StoreWindowRect();
    void UpdateIndicators();

    void OnClose(wxCloseEvent& event);
    void OnSearchDropDown(wxCommandEvent& event);
    void OnToggleToolBar(wxCommandEvent& event);
    void OnToggleStatusBar(wxCommandEvent& event);
    void OnToggleDataBar(wxCommandEvent& event);
    void OnUpdateToggles(wxUpdateUIEvent& event);
    void OnUpdateNotYetAvailable(wxUpdateUIEvent& event);

    CVitachronDocManager* manager_;
    CAppServices* services_;
    CBarDataEdit* dataBar_ = nullptr;
    CMainSplitter* splitter_ = nullptr;
    int leftWidth_;
    bool yearOnly_;
    std::unique_ptr<CBrowserSupport> ownBrowser_;  // when the program gives none
    std::unique_ptr<CLinkCommands> links_;
    CVitachronDoc* observed_ = nullptr;
};
