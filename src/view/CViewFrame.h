// What the views need of the window that holds them: their panes, the name
// column's width, a place to show context menus and the data bar to move
// out of a print preview's way. The main frame implements it; the views
// see nothing else of the frame.
#pragma once

class CScrollCanvas;
class wxFrame;
class wxMenu;
class wxPoint;

class CViewFrame {
public:
    virtual ~CViewFrame() = default;

    // The top-level window: the parent of the views' dialogs and menus, and
    // where their commands are sent.
    virtual wxFrame* Window() = 0;
    virtual CScrollCanvas* NameCanvas() const = 0;
    virtual CScrollCanvas* TimelineCanvas() const = 0;
    // The name list's width as the splitter shows it.
    virtual int LeftPaneWidth() const = 0;
    // Shows a context menu of the views through the frame, so that its
    // commands and their enabling travel the frame's routing.
    virtual void PopupContextMenu(wxMenu& menu, const wxPoint& screenPoint) = 0;
    // Hides the data bar while a preview is open; false when it was hidden already.
    virtual bool HideDataBar() = 0;
    virtual void ShowDataBar() = 0;

protected:
    CViewFrame() = default;
    CViewFrame(const CViewFrame&) = default;
    CViewFrame& operator=(const CViewFrame&) = default;
};
