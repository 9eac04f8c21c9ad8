// The splitter of the main window: the name list on the left, the timeline
// on the right. Moving the bar changes the document: its width is saved in
// the file, so the document becomes modified.
#pragma once

#include <wx/splitter.h>

class CScrollCanvas;
class wxDocManager;

class CMainSplitter : public wxSplitterWindow {
public:
    CMainSplitter(wxWindow* parent, wxDocManager& manager, int leftWidth);

    CScrollCanvas* NamePane() const { return names_; }
    CScrollCanvas* TimelinePane() const { return timeline_; }

private:
    void OnSashMoved(wxSplitterEvent& event);

    wxDocManager* manager_;
    CScrollCanvas* names_;
    CScrollCanvas* timeline_;
};
