// The name list pane: each person's name and years, row for row beside the
// timeline. It scrolls sideways on its own and vertically only with the
// timeline, whose layout and fonts it shares.
#pragma once

#include "model/CDocChange.h"

#include <wx/docview.h>

#include <cstdint>
#include <memory>
#include <optional>

class CScrollCanvas;
class CTrackingTip;
class CVitachronView;
class CViewDocument;

class CNameView : public wxView, public CDocObserver {
public:
    CNameView();
    ~CNameView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC* dc) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    // The timeline is the active view, which gets the commands first; the
    // framework activates a document's first view, this one, and is sent on.
    void Activate(bool activate) override;
    // Any change but the modified flag draws the list again.
    void OnDocumentChanged(CDocChange changes) override;

    CViewDocument* Document() const;
    CScrollCanvas* Canvas() const { return canvas_; }
    CTrackingTip* Tip() const { return tip_.get(); }
    std::optional<std::int64_t> PressedRow() const { return pressedRow_; }

    void RedrawNow();
    // The row under a client point: -1 over the title cell, possibly past the last person.
    std::int64_t RowAt(const wxPoint& client) const;
    // The resource menu for a screen point: the row under it becomes the
    // timeline's context row, whose handlers modify and delete it.
    void ShowContextMenu(const wxPoint& screenPoint);

private:
    CVitachronView* Timeline() const;
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnDoubleClick(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);

    CScrollCanvas* canvas_ = nullptr;
    std::unique_ptr<CTrackingTip> tip_;
    std::optional<std::int64_t> pressedRow_;
};
