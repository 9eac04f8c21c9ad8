#include "platform/CDesktopFiles.h"

#include "model/CFileIO.h"

#include <cstdlib>
#include <system_error>

namespace {

std::filesystem::path UserDir(const char* variable, const char* underHome) {
    if (const char* value = std::getenv(variable); value != nullptr && *value == '/') {
        return value;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / underHome;
    }
    return {};
}

}  // namespace

std::filesystem::path CDesktopFiles::DataHome() { return UserDir("XDG_DATA_HOME", ".local/share"); }

std::filesystem::path CDesktopFiles::ConfigHome() { return UserDir("XDG_CONFIG_HOME", ".config"); }

CDesktopFiles::WriteResult CDesktopFiles::WriteIfDifferent(const std::filesystem::path& file, std::string_view text) {
    std::string current;
    // Anything longer than the text differs from it: no need to read more.
    if (CFileIO::TryReadFile(file, current, text.size()) && current == text) {
        return WriteResult::Unchanged;
    }
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    try {
        CFileIO::WriteFileAtomically(file, text);
    } catch (const std::exception&) {
        return WriteResult::Failed;
    }
    return WriteResult::Written;
}

std::string CDesktopFiles::ExecArgument(std::string_view path) {
    const bool quoted = path.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") != std::string_view::npos;
    std::string exec;
    for (const char c : path) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            exec += '\\';
        }
        exec += c;
        if (c == '%') {
            exec += '%';
        }
    }
    if (quoted) {
        exec = '"' + exec + '"';
    }
    // The string escapes of the file itself.
    std::string line;
    for (const char c : exec) {
        switch (c) {
            case '\\': line += "\\\\"; break;
            case '\n': line += "\\n"; break;
            case '\t': line += "\\t"; break;
            case '\r': line += "\\r"; break;
            default: line += c; break;
        }
    }
    return line;
}
