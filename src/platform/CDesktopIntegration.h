// Makes the desktop know Vitachron documents: a per-user MIME type for
// "*.vtc", a desktop entry that opens them with this program, and its icon.
// Written on every start (only what changed), as the program registers its
// document type each time it starts.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class CDesktopIntegration {
public:
    struct Files {
        std::filesystem::path mimePackage;   // .../mime/packages/vitachron.xml
        std::filesystem::path desktopEntry;  // .../applications/vitachron.desktop
        std::filesystem::path icon;          // .../icons/hicolor/256x256/apps/vitachron.png
    };

    static constexpr const char* kMimeType = "application/x-vitachron";

    // Where the files go for this user: $XDG_DATA_HOME, else ~/.local/share.
    static Files UserFiles();
    static std::string MimePackageText();
    static std::string DesktopEntryText(const std::filesystem::path& executable);

    // Writes what differs from the files on disk; returns whether anything
    // was written, and then asks the desktop's databases to refresh.
    static bool Register(const std::filesystem::path& executable, std::string_view iconPng);
};
