// Makes the desktop know Vitachron documents when the program runs from its
// build tree: the per-user MIME type for "*.vtc", a desktop entry that
// opens them with this very program, and its icon, taken from the files
// that an installation puts in the system's folders (data/desktop) and
// written on every start (only what changed). An installed program leaves
// this to its package.
#pragma once

#include <filesystem>
#include <string>

class CDesktopIntegration {
public:
    struct Files {
        std::filesystem::path mimePackage;   // .../mime/packages/vitachron.xml
        std::filesystem::path desktopEntry;  // .../applications/vitachron.desktop
        std::filesystem::path icon;          // .../icons/hicolor/256x256/apps/vitachron.png
    };

    // Where the files go for this user: $XDG_DATA_HOME, else ~/.local/share.
    static Files UserFiles();
    // The installed desktop entry with its Exec lines starting `executable`.
    static std::string DesktopEntryFor(const std::string& installedEntry, const std::filesystem::path& executable);

    // dataDir holds vitachron.xml, vitachron.desktop and vitachron-256.png.
    // Writes what differs from the files on disk; returns whether anything
    // was written, and then asks the desktop's databases to refresh.
    static bool Register(const std::filesystem::path& executable, const std::filesystem::path& dataDir);
};
