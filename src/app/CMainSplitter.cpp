#include "app/CMainSplitter.h"

#include "res/ids.h"
#include "view/CScrollCanvas.h"

#include <wx/docview.h>

CMainSplitter::CMainSplitter(wxWindow* parent, wxDocManager& manager, int leftWidth)
    : wxSplitterWindow(parent, Id::Splitter, wxDefaultPosition, wxDefaultSize, wxSP_LIVE_UPDATE | wxSP_3D),
      manager_(&manager),
      names_(new CScrollCanvas(this, Id::NamePane, wxHSCROLL)),
      timeline_(new CScrollCanvas(this, Id::TimelinePane, wxHSCROLL | wxVSCROLL)) {
    SetMinimumPaneSize(1);
    SetSashGravity(0.0);
    SplitVertically(names_, timeline_, leftWidth);
    Bind(wxEVT_SPLITTER_SASH_POS_CHANGED, &CMainSplitter::OnSashMoved, this);
}

void CMainSplitter::OnSashMoved(wxSplitterEvent& event) {
    if (wxDocument* doc = manager_->GetCurrentDocument()) {
        doc->Modify(true);
    }
    event.Skip();
}
