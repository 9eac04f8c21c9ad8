#include "app/CVitachronDocTemplate.h"

#include "app/CVitachronDocManager.h"
#include "app/CWxDocument.h"
#include "res/Strings.h"
#include "view/CVitachronView.h"
#include "wxsupport/WxConvert.h"

CVitachronDocTemplate::CVitachronDocTemplate(wxDocManager* manager)
    : wxDocTemplate(manager, ToWx(Str::kFileTypeName), "*.vtc", wxEmptyString, "vtc", ToWx(Str::kDocumentTypeName),
                    "Vitachron.View", nullptr, nullptr, wxTEMPLATE_VISIBLE) {}

wxDocument* CVitachronDocTemplate::DoCreateDocument() {
    auto* manager = static_cast<CVitachronDocManager*>(GetDocumentManager());
    return new CWxDocument(manager->Services());
}

wxView* CVitachronDocTemplate::DoCreateView() { return new CVitachronView; }
