#include "platform/CDesktopIntegration.h"

#include "model/CFileIO.h"

#include <wx/utils.h>

#include <cstdlib>
#include <system_error>

namespace {

std::filesystem::path DataHome() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        return xdg;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "share";
    }
    return {};
}

// True when the file now holds the text (written or already so).
bool WriteIfDifferent(const std::filesystem::path& file, std::string_view text, bool& changed) {
    std::string current;
    if (CFileIO::TryReadFile(file, current) && current == text) {
        return true;
    }
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    try {
        CFileIO::WriteFileAtomically(file, text);
    } catch (const std::exception&) {
        return false;
    }
    changed = true;
    return true;
}

// A desktop entry's Exec line quotes paths with spaces and escapes what the
// specification reserves.
std::string QuoteExec(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

CDesktopIntegration::Files CDesktopIntegration::UserFiles() {
    const std::filesystem::path base = DataHome();
    if (base.empty()) {
        return {};
    }
    return {base / "mime" / "packages" / "vitachron.xml", base / "applications" / "vitachron.desktop",
            base / "icons" / "hicolor" / "256x256" / "apps" / "vitachron.png"};
}

std::string CDesktopIntegration::MimePackageText() {
    return std::string(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           kMimeType +
           "\">\n"
           "    <comment>Vitachron document</comment>\n"
           "    <comment xml:lang=\"ja\">Vitachronドキュメント</comment>\n"
           "    <icon name=\"vitachron\"/>\n"
           "    <glob pattern=\"*.vtc\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string CDesktopIntegration::DesktopEntryText(const std::filesystem::path& executable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vitachron\n"
           "Comment=Timelines of people's lives\n"
           "Comment[ja]=人物の生涯を年表で表示します\n"
           "Exec=" +
           QuoteExec(executable.string()) +
           " %f\n"
           "Icon=vitachron\n"
           "Terminal=false\n"
           "Categories=Office;Education;\n"
           "MimeType=" +
           kMimeType +
           ";\n"
           "Actions=Print;\n"
           "\n"
           "[Desktop Action Print]\n"
           "Name=Print\n"
           "Name[ja]=印刷\n"
           "Exec=" +
           QuoteExec(executable.string()) + " --print %f\n";
}

bool CDesktopIntegration::Register(const std::filesystem::path& executable, std::string_view iconPng) {
    const Files files = UserFiles();
    if (files.mimePackage.empty()) {
        return false;
    }
    bool mimeChanged = false;
    bool entryChanged = false;
    WriteIfDifferent(files.mimePackage, MimePackageText(), mimeChanged);
    WriteIfDifferent(files.desktopEntry, DesktopEntryText(executable), entryChanged);
    if (!iconPng.empty()) {
        bool iconChanged = false;
        WriteIfDifferent(files.icon, iconPng, iconChanged);
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
