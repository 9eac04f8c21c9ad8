#include "platform/CProgramPaths.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

bool IsWritableDir(const std::filesystem::path& dir) {
#ifndef _WIN32
    return ::access(dir.c_str(), W_OK) == 0;
#else
    return wxFileName::IsDirWritable(dir.wstring());
#endif
}

}  // namespace

std::filesystem::path CProgramPaths::ExecutableDir() {
    const wxFileName exe(wxStandardPaths::Get().GetExecutablePath());
    return std::filesystem::path(exe.GetPath().utf8_string());
}

std::filesystem::path CProgramPaths::UserDataDir() {
    return std::filesystem::path(wxStandardPaths::Get().GetUserDataDir().utf8_string());
}

std::filesystem::path CProgramPaths::SharedCategoryFile() {
    const std::filesystem::path besideProgram = ExecutableDir() / "color.tbl";
    if (IsWritableDir(ExecutableDir())) {
        return besideProgram;
    }
    const std::filesystem::path user = UserDataDir();
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    const std::filesystem::path mine = user / "color.tbl";
    // Until the user shares a category of their own, the installed list applies.
    if (!std::filesystem::exists(mine, ec) && std::filesystem::exists(besideProgram, ec)) {
        std::filesystem::copy_file(besideProgram, mine, ec);
    }
    return mine;
}

std::filesystem::path CProgramPaths::HelpIndex() { return ExecutableDir() / "HTMLHelp" / "index.html"; }
