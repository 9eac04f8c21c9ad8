#include "platform/CProgramPaths.h"

#include "platform/CInstallLayout.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// Not through the narrow code page, which on Windows cannot hold every name.
std::filesystem::path PathOf(const wxString& name) {
#ifdef _WIN32
    return std::filesystem::path(name.ToStdWstring());
#else
    return std::filesystem::path(name.utf8_string());
#endif
}

#ifndef _WIN32
bool IsWritableDir(const std::filesystem::path& dir) { return ::access(dir.c_str(), W_OK) == 0; }
#endif

}  // namespace

std::filesystem::path CProgramPaths::ExecutableDir() {
    const wxFileName exe(wxStandardPaths::Get().GetExecutablePath());
    return PathOf(exe.GetPath());
}

std::filesystem::path CProgramPaths::UserDataDir() {
    return PathOf(wxStandardPaths::Get().GetUserDataDir());
}

bool CProgramPaths::IsInstalled() { return CInstallLayout::PrefixOf(ExecutableDir()).has_value(); }

void CProgramPaths::UseInstallPrefix() {
#ifndef _WIN32  // Windows installations have no prefix: everything is in the program's folder
    if (const auto prefix = CInstallLayout::PrefixOf(ExecutableDir())) {
        wxStandardPaths::Get().SetInstallPrefix(wxString::FromUTF8(prefix->string()));
    }
#endif
}

std::filesystem::path CProgramPaths::DataDir() { return CInstallLayout::DataDir(ExecutableDir()); }

std::filesystem::path CProgramPaths::LocaleDir() { return CInstallLayout::LocaleDir(ExecutableDir()); }

std::filesystem::path CProgramPaths::SharedCategoryFile() {
    const std::filesystem::path shipped = DataDir() / "color.tbl";
#ifdef _WIN32
    // The rule vitachron-cli follows too.
    if (CInstallLayout::SharedCategoryFile(ExecutableDir()) == shipped) {
        return shipped;
    }
#else
    if (!IsInstalled() && IsWritableDir(ExecutableDir())) {
        return shipped;
    }
#endif
    const std::filesystem::path user = UserDataDir();
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    const std::filesystem::path mine = user / "color.tbl";
    // Until the user shares a category of their own, the shipped list applies.
    if (!std::filesystem::exists(mine, ec) && std::filesystem::exists(shipped, ec)) {
        std::filesystem::copy_file(shipped, mine, ec);
    }
    return mine;
}

std::filesystem::path CProgramPaths::HelpIndex() { return DataDir() / "HTMLHelp" / "index.html"; }
