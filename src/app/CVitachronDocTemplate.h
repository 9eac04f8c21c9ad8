// The one document template: .vtc files, the wx document owning the core
// document, and the timeline as the template's view (the name list view is
// added by the document itself).
#pragma once

#include <wx/docview.h>

class CVitachronDocTemplate : public wxDocTemplate {
public:
    explicit CVitachronDocTemplate(wxDocManager* manager);

protected:
    wxDocument* DoCreateDocument() override;
    wxView* DoCreateView() override;
};
