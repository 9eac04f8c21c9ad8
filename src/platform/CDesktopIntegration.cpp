#include "platform/CDesktopIntegration.h"

#include "platform/CDesktopFiles.h"

#include <wx/utils.h>

CDesktopIntegration::Files CDesktopIntegration::UserFiles() {
    const std::filesystem::path base = CDesktopFiles::DataHome();
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
           CDesktopFiles::ExecArgument(executable.string()) +
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
           CDesktopFiles::ExecArgument(executable.string()) + " --print %f\n";
}

bool CDesktopIntegration::Register(const std::filesystem::path& executable, std::string_view iconPng) {
    const Files files = UserFiles();
    if (files.mimePackage.empty()) {
        return false;
    }
    using Written = CDesktopFiles::WriteResult;
    const bool mimeChanged = CDesktopFiles::WriteIfDifferent(files.mimePackage, MimePackageText()) == Written::Written;
    const bool entryChanged =
        CDesktopFiles::WriteIfDifferent(files.desktopEntry, DesktopEntryText(executable)) == Written::Written;
    if (!iconPng.empty()) {
        CDesktopFiles::WriteIfDifferent(files.icon, iconPng);
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
