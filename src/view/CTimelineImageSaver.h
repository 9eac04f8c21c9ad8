// "画像として保存": asks where to save the picture of the whole timeline
// (PNG by default; SVG or PDF by the name's extension) and writes it,
// telling the user when it cannot be written.
#pragma once

#include "view/CTimelineExport.h"

#include <wx/string.h>

class CFileChooser;
class wxWindow;

class CTimelineImageSaver {
public:
    CTimelineImageSaver(wxWindow* parent, CFileChooser& chooser);

    // documentFile names the document (empty when it has none): the picture
    // is offered beside it under the same name.
    void Run(const wxString& documentFile, const CTimelineExport::Source& source);

private:
    wxWindow* parent_;
    CFileChooser* chooser_;
};
