#include "app/CUiLanguage.h"
#include "wxsupport/WxConvert.h"

#include <wx/translation.h>

#include <memory>

void CUiLanguage::Install(const std::filesystem::path& localeDir) {
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(PathToWx(localeDir));
    auto translations = std::make_unique<wxTranslations>();
    translations->SetLanguage("ja");
    translations->AddStdCatalog();
    translations->AddCatalog("vitachron");
    wxTranslations::Set(translations.release());  // the toolkit owns it
}
