// Paths and the UTF-8 text the program keeps everywhere else. A path made
// straight from a std::string takes the bytes in the system's narrow code
// page on Windows (not UTF-8, and not every name fits in it), and
// path::string() gives them back the same way or throws; these two convert
// through UTF-8 on every system, so a Japanese file name reaches the file
// APIs whole.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

// fopen on a path: the wide call on Windows, for the same reason.
inline std::FILE* OpenStdioFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return ::_wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}
