// The toolkit's own texts in Japanese whatever the locale: its stock labels,
// the status bar help of standard menu items, the print preview, the command
// line parser. Its Japanese catalogue (package wx3.2-i18n) comes first, then
// the program's own (data/locale/ja.po), which fills in what that one lacks.
// GTK's own parts of its dialogs follow the locale, as GTK decides.
#pragma once

#include <filesystem>

class CUiLanguage {
public:
    // localeDir holds ja/LC_MESSAGES/vitachron.mo. Before any window exists,
    // and after the application object: the catalogues are found through it.
    static void Install(const std::filesystem::path& localeDir);
};
