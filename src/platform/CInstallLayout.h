// Where Vitachron's parts are, seen from the folder of a running program:
// an installation keeps them under its prefix in the folders CMake's
// GNUInstallDirs chose (bin, libexec/vitachron, share/vitachron,
// share/locale), wherever the prefix is; the build tree keeps them beside
// the programs. Standard C++ only, so that vitachron-cli, which links no
// wx, decides as the program does.
#pragma once

#include <filesystem>
#include <optional>

class CInstallLayout {
public:
    // The prefix of the installation that programDir belongs to (its bin or
    // libexec folder, with the shared data folder present); none in the
    // build tree.
    static std::optional<std::filesystem::path> PrefixOf(const std::filesystem::path& programDir);

    // The help pages and the font mapping.
    static std::filesystem::path DataDir(const std::filesystem::path& programDir);
    // The root of the message catalogues (<dir>/ja/LC_MESSAGES/vitachron.mo).
    static std::filesystem::path LocaleDir(const std::filesystem::path& programDir);
    // vitachron-render, which vitachron-cli runs.
    static std::filesystem::path RenderProgram(const std::filesystem::path& programDir);
    // "color.tbl" as the tools share it with the program: beside them in
    // the build tree, in the user's data folder for an installation (empty
    // when the user has no home). On Windows, where every program folder
    // looks alike, beside them when the user can make files there (an
    // unpacked zip, the build tree), else in %APPDATA%\Vitachron.
    static std::filesystem::path SharedCategoryFile(const std::filesystem::path& programDir);
#ifdef _WIN32
    // Whether a new file can be made in dir, tried for real: a folder's
    // read-only attribute says nothing about who may write in it.
    static bool TakesNewFiles(const std::filesystem::path& dir);
#endif
    // The folder of the running program (/proc/self/exe), or of argv0.
    static std::filesystem::path RunningProgramDir(const char* argv0);
};
