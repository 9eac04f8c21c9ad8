#include "platform/CDesktopIntegration.h"

#include "model/CFileIO.h"
#include "platform/CDesktopFiles.h"

#include <wx/utils.h>

#include <sstream>

CDesktopIntegration::Files CDesktopIntegration::UserFiles() {
    const std::filesystem::path base = CDesktopFiles::DataHome();
    if (base.empty()) {
        return {};
    }
    return {base / "mime" / "packages" / "vitachron.xml", base / "applications" / "vitachron.desktop",
            base / "icons" / "hicolor" / "256x256" / "apps" / "vitachron.png"};
}

std::string CDesktopIntegration::DesktopEntryFor(const std::string& installedEntry,
                                                 const std::filesystem::path& executable) {
    // The installed entry names the program as found on the PATH.
    static constexpr std::string_view kInstalledExec = "Exec=vitachron";
    std::istringstream lines(installedEntry);
    std::string text;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(kInstalledExec, 0) == 0 &&
            (line.size() == kInstalledExec.size() || line[kInstalledExec.size()] == ' ')) {
            line = "Exec=" + CDesktopFiles::ExecArgument(executable.string()) + line.substr(kInstalledExec.size());
        }
        text += line + '\n';
    }
    return text;
}

namespace {

// The shipped files are a few kilobytes; anything far larger is not ours.
constexpr std::uint64_t kMaxTextBytes = 1 << 20;
constexpr std::uint64_t kMaxIconBytes = 16 << 20;

}  // namespace

bool CDesktopIntegration::Register(const std::filesystem::path& executable, const std::filesystem::path& dataDir) {
    const Files files = UserFiles();
    std::string mime;
    std::string entry;
    if (files.mimePackage.empty() || !CFileIO::TryReadFile(dataDir / "vitachron.xml", mime, kMaxTextBytes) ||
        !CFileIO::TryReadFile(dataDir / "vitachron.desktop", entry, kMaxTextBytes)) {
        return false;
    }
    using Written = CDesktopFiles::WriteResult;
    const bool mimeChanged = CDesktopFiles::WriteIfDifferent(files.mimePackage, mime) == Written::Written;
    const bool entryChanged =
        CDesktopFiles::WriteIfDifferent(files.desktopEntry, DesktopEntryFor(entry, executable)) == Written::Written;
    if (std::string icon; CFileIO::TryReadFile(dataDir / "vitachron-256.png", icon, kMaxIconBytes)) {
        CDesktopFiles::WriteIfDifferent(files.icon, icon);
    }
    // The databases are refreshed in the background; where the tools are
    // missing the files still serve desktops that read them directly.
    if (mimeChanged) {
        const std::string mimeDir = files.mimePackage.parent_path().parent_path().string();
        wxExecute(wxString::FromUTF8("update-mime-database \"" + mimeDir + "\""), wxEXEC_ASYNC | wxEXEC_HIDE_CONSOLE);
    }
    if (entryChanged) {
        const std::string appsDir = files.desktopEntry.parent_path().string();
        wxExecute(wxString::FromUTF8("update-desktop-database \"" + appsDir + "\""),
                  wxEXEC_ASYNC | wxEXEC_HIDE_CONSOLE);
    }
    return mimeChanged || entryChanged;
}
