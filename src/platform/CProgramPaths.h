// Where the running program finds what it reads and keeps: its help pages,
// font mapping and catalogues (under the installation's prefix, or beside
// the program in the build tree, see CInstallLayout) and "color.tbl".
#pragma once

#include <filesystem>

class CProgramPaths {
public:
    static std::filesystem::path ExecutableDir();
    static std::filesystem::path UserDataDir();
    // Whether the program runs from an installation rather than the build tree.
    static bool IsInstalled();
    // Tells wxStandardPaths the installation's prefix, which it cannot guess
    // for a program outside bin/ (the render helper in libexec).
    static void UseInstallPrefix();
    // The help pages, font mapping and desktop files.
    static std::filesystem::path DataDir();
    static std::filesystem::path LocaleDir();
    // The shared category file to read and write: beside the program in a
    // build tree that may be written, otherwise in the user's data folder
    // (an installed program writes nothing outside the user's folders).
    static std::filesystem::path SharedCategoryFile();
    // The help page, HTMLHelp/index.html.
    static std::filesystem::path HelpIndex();
};
