// Paths and the UTF-8 text the program keeps everywhere else. A path made
// straight from a std::string takes the bytes in the system's narrow code
// page on Windows (not UTF-8, and not every name fits in it), and
// path::string() gives them back the same way or throws; these two convert
// through UTF-8 on every system, so a Japanese file name reaches the file
// APIs whole.
#pragma once

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
