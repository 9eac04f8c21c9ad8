#include "platform/CInstallLayout.h"

#include "platform/CDesktopFiles.h"

#include "VitachronBuild.h"

#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

// The prefix when `dir` ends with the relative folder `tail`.
std::optional<fs::path> StripTail(const fs::path& dir, const fs::path& tail) {
    fs::path prefix = dir.lexically_normal();
    if (!prefix.empty() && !prefix.has_filename()) {
        prefix = prefix.parent_path();  // a trailing separator
    }
    std::vector<fs::path> parts(tail.begin(), tail.end());
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        if (prefix.filename() != *part) {
            return std::nullopt;
        }
        prefix = prefix.parent_path();
    }
    return prefix;
}

}  // namespace

std::optional<fs::path> CInstallLayout::PrefixOf(const fs::path& programDir) {
#ifdef _WIN32
    // Installed or unpacked from the zip, the programs sit with their data
    // in one folder, as in the build tree: there is no prefix to find.
    (void)programDir;
    (void)StripTail;
    return std::nullopt;
#endif
    for (const char* tail : {Build::kBinDir, Build::kLibexecDir}) {
        if (auto prefix = StripTail(programDir, tail)) {
            std::error_code ec;
            if (fs::is_directory(*prefix / Build::kDataDir, ec)) {
                return prefix;
            }
        }
    }
    return std::nullopt;
}

fs::path CInstallLayout::DataDir(const fs::path& programDir) {
    const auto prefix = PrefixOf(programDir);
    return prefix ? *prefix / Build::kDataDir : programDir;
}

fs::path CInstallLayout::LocaleDir(const fs::path& programDir) {
    const auto prefix = PrefixOf(programDir);
    return prefix ? *prefix / Build::kLocaleDir : programDir / "locale";
}

fs::path CInstallLayout::RenderProgram(const fs::path& programDir) {
    const auto prefix = PrefixOf(programDir);
#ifdef _WIN32
    return (prefix ? *prefix / Build::kLibexecDir : programDir) / "vitachron-render.exe";
#else
    return (prefix ? *prefix / Build::kLibexecDir : programDir) / "vitachron-render";
#endif
}

#ifdef _WIN32
bool CInstallLayout::TakesNewFiles(const fs::path& dir) {
    const fs::path probe = dir / (L".vitachron-probe-" + std::to_wstring(::GetCurrentProcessId()));
    const HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

fs::path CInstallLayout::SharedCategoryFile(const fs::path& programDir) {
    if (TakesNewFiles(programDir)) {
        return programDir / "color.tbl";
    }
    // The folder wxStandardPaths::GetUserDataDir names for the program.
    const wchar_t* appData = ::_wgetenv(L"APPDATA");
    return appData == nullptr || *appData == L'\0' ? fs::path() : fs::path(appData) / "Vitachron" / "color.tbl";
}
#else
fs::path CInstallLayout::SharedCategoryFile(const fs::path& programDir) {
    if (!PrefixOf(programDir)) {
        return programDir / "color.tbl";
    }
    // The folder wxStandardPaths::GetUserDataDir names for the program.
    const fs::path dataHome = CDesktopFiles::DataHome();
    return dataHome.empty() ? fs::path() : dataHome / "Vitachron" / "color.tbl";
}
#endif

fs::path CInstallLayout::RunningProgramDir(const char* argv0) {
    std::error_code ec;
#ifdef _WIN32
    // The narrow argv[0] is in the ANSI code page and may not name the file at all.
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (n == 0) {
            break;
        }
        if (n < self.size()) {
            self.resize(n);
            return fs::path(self).parent_path();
        }
        self.resize(2 * self.size());
    }
#endif
#ifdef __linux__
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return self.parent_path();
    }
#endif
    return fs::absolute(argv0 != nullptr ? argv0 : "", ec).parent_path();
}
