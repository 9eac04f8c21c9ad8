// Makes the stand-in Annalix (annalix-peer) the desktop's program for
// Annalix documents of this user, so that the link can start it where the
// real Annalix is not installed. Written per user, each time the stand-in
// starts (the program itself never names it).
//
// On Windows, under HKEY_CURRENT_USER\Software\Classes:
//   AnnalixPeer.Document\shell\open\command  "<annalix-peer.exe>" "%1"
//   .anx                                      AnnalixPeer.Document, only
//     when no other program is associated with the type: a real Annalix
//     always wins.
// and, where HKEY_CLASSES_ROOT does not show the user's classes (Wine), the
// same under HKEY_CLASSES_ROOT.
//
// On Linux:
//   $XDG_DATA_HOME/mime/packages/annalix-peer.xml  the type of *.anx
//   $XDG_DATA_HOME/applications/annalix-peer.desktop
//   $XDG_CONFIG_HOME/mimeapps.list                  the default for the type,
//     only when the user has none and no other program claims the type.
// then refreshes the caches with update-mime-database and
// update-desktop-database (packages shared-mime-info, desktop-file-utils).
#pragma once

#include <filesystem>
#include <string>

class CAnnalixPeerInstaller {
public:
#ifdef _WIN32
    static constexpr const wchar_t* kExtension = L".anx";
    static constexpr const wchar_t* kProgId = L"AnnalixPeer.Document";

    // peerExecutable: the full path of annalix-peer.exe. False when a key
    // could not be written.
    static bool Install(const std::filesystem::path& peerExecutable);
    // The shell's command for opening a document with the stand-in.
    static std::wstring OpenCommand(const std::filesystem::path& peerExecutable);
#else
    static constexpr const char* kMimeType = "application/x-annalix";
    static constexpr const char* kDesktopFile = "annalix-peer.desktop";

    // peerExecutable: the full path of annalix-peer. False when a file
    // could not be written; a missing cache tool is not an error (the
    // desktop then reads the files directly, only slower).
    static bool Install(const std::filesystem::path& peerExecutable);

    static std::filesystem::path DataHome();    // $XDG_DATA_HOME or ~/.local/share
    static std::filesystem::path ConfigHome();  // $XDG_CONFIG_HOME or ~/.config

    // The contents written, for tests and packagers.
    static std::string MimeXml();
    static std::string DesktopEntry(const std::filesystem::path& peerExecutable);
#endif
};
