#include "links/CAnnalixPeerInstaller.h"

#ifdef _WIN32

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

constexpr const wchar_t* kUserClasses = L"Software\\Classes\\";

// The default value of root\key, created as needed.
bool SetDefault(HKEY root, const std::wstring& key, const std::wstring& value) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const bool ok = ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
                    ERROR_SUCCESS;
    ::RegCloseKey(handle);
    return ok;
}

// Empty when there is none.
std::wstring DefaultOf(HKEY root, const std::wstring& key) {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (::RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

// The program the shell opens the type with now, if any.
std::wstring AssociatedProgram() {
    wchar_t program[MAX_PATH * 2] = {};
    DWORD length = MAX_PATH * 2;
    if (FAILED(::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, CAnnalixPeerInstaller::kExtension, nullptr,
                                   program, &length))) {
        return {};
    }
    return program;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) || ::lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

// The program id with its open command, and the type when it is ours to take.
bool WriteClasses(HKEY root, const std::wstring& prefix, const std::filesystem::path& peerExecutable, bool takeType) {
    const std::wstring progId = prefix + CAnnalixPeerInstaller::kProgId;
    return SetDefault(root, progId, L"Annalix (stand-in)") &&
           SetDefault(root, progId + L"\\shell\\open\\command", CAnnalixPeerInstaller::OpenCommand(peerExecutable)) &&
           (!takeType || SetDefault(root, prefix + CAnnalixPeerInstaller::kExtension, CAnnalixPeerInstaller::kProgId));
}

}  // namespace

std::wstring CAnnalixPeerInstaller::OpenCommand(const std::filesystem::path& peerExecutable) {
    return L"\"" + peerExecutable.wstring() + L"\" \"%1\"";
}

bool CAnnalixPeerInstaller::Install(const std::filesystem::path& peerExecutable) {
    // Asked before our program id exists: has the user, or the shell, some
    // other program for the type already?
    const std::wstring userType = DefaultOf(HKEY_CURRENT_USER, std::wstring(kUserClasses) + kExtension);
    const std::wstring current = AssociatedProgram();
    const bool otherProgram =
        (!userType.empty() && userType != kProgId) || (!current.empty() && !SameFile(current, peerExecutable));
    if (!WriteClasses(HKEY_CURRENT_USER, kUserClasses, peerExecutable, !otherProgram)) {
        return false;
    }
    // Windows shows the user's classes in HKEY_CLASSES_ROOT; Wine does not
    // (there it is the prefix's own HKLM\Software\Classes, which belongs to
    // the user): then the shell finds the stand-in only if it is there too.
    HKEY merged = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, kProgId, 0, KEY_READ, &merged) == ERROR_SUCCESS) {
        ::RegCloseKey(merged);
    } else if (!WriteClasses(HKEY_CLASSES_ROOT, L"", peerExecutable, !otherProgram)) {
        return false;
    }
    if (!otherProgram) {
        ::SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    }
    return true;
}

#else

#include "model/CFileIO.h"
#include "platform/CDesktopFiles.h"

#include <gio/gio.h>

#include <sstream>

namespace {

// Empty when missing, unreadable, not a regular file or beyond any list of defaults.
std::string ReadText(const std::filesystem::path& file) {
    std::string text;
    CFileIO::TryReadFile(file, text, 1024 * 1024);
    return text;
}

// True when the file holds the text now, written or already so.
bool Write(const std::filesystem::path& file, const std::string& text) {
    return CDesktopFiles::WriteIfDifferent(file, text) != CDesktopFiles::WriteResult::Failed;
}

void RunQuietly(const std::string& program, const std::filesystem::path& dir) {
    gchar* argv[] = {const_cast<gchar*>(program.c_str()), const_cast<gchar*>(dir.c_str()), nullptr};
    g_spawn_sync(nullptr, argv, nullptr,
                 static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL),
                 nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

bool HasUserDefault(const std::string& mimeapps) {
    std::istringstream lines(mimeapps);
    std::string line;
    bool inDefaults = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.front() == '[') {
            inDefaults = line.rfind("[Default Applications]", 0) == 0;
        } else if (inDefaults && line.rfind(std::string(CAnnalixPeerInstaller::kMimeType) + "=", 0) == 0) {
            return true;
        }
    }
    return false;
}

bool AnotherProgramClaimsTheType() {
    GList* apps = g_app_info_get_all_for_type(CAnnalixPeerInstaller::kMimeType);
    bool other = false;
    for (GList* a = apps; a; a = a->next) {
        const char* id = g_app_info_get_id(G_APP_INFO(a->data));
        other = other || id == nullptr || std::string(id) != CAnnalixPeerInstaller::kDesktopFile;
    }
    g_list_free_full(apps, g_object_unref);
    return other;
}

}  // namespace

std::filesystem::path CAnnalixPeerInstaller::DataHome() { return CDesktopFiles::DataHome(); }
std::filesystem::path CAnnalixPeerInstaller::ConfigHome() { return CDesktopFiles::ConfigHome(); }

std::string CAnnalixPeerInstaller::MimeXml() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"application/x-annalix\">\n"
           "    <comment>Annalix document</comment>\n"
           "    <comment xml:lang=\"ja\">Annalix文書</comment>\n"
           "    <glob pattern=\"*.anx\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string CAnnalixPeerInstaller::DesktopEntry(const std::filesystem::path& peerExecutable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Annalix (stand-in)\n"
           "Name[ja]=Annalix (代用)\n"
           "Comment=Shows Annalix documents and links them with Vitachron\n"
           "Exec=" + CDesktopFiles::ExecArgument(peerExecutable.string()) + " %f\n"
           "MimeType=application/x-annalix;\n"
           "Terminal=false\n"
           "Categories=Office;\n";
}

bool CAnnalixPeerInstaller::Install(const std::filesystem::path& peerExecutable) {
    if (DataHome().empty() || ConfigHome().empty()) {
        return false;  // no home to install into
    }
    const auto mimeDir = DataHome() / "mime";
    const auto appDir = DataHome() / "applications";
    // Asked before our entry exists: is some other program already there?
    const bool otherProgram = AnotherProgramClaimsTheType();
    if (!Write(mimeDir / "packages" / "annalix-peer.xml", MimeXml()) ||
        !Write(appDir / kDesktopFile, DesktopEntry(peerExecutable))) {
        return false;
    }
    RunQuietly("update-mime-database", mimeDir);
    RunQuietly("update-desktop-database", appDir);

    const auto mimeapps = ConfigHome() / "mimeapps.list";
    std::string text = ReadText(mimeapps);
    if (otherProgram || HasUserDefault(text)) {
        return true;
    }
    const std::string entry = std::string(kMimeType) + "=" + kDesktopFile + "\n";
    const auto section = text.find("[Default Applications]\n");
    if (section == std::string::npos) {
        if (!text.empty() && text.back() != '\n') {
            text += '\n';
        }
        text += "[Default Applications]\n" + entry;
    } else {
        text.insert(section + std::string("[Default Applications]\n").size(), entry);
    }
    return Write(mimeapps, text);
}

#endif
