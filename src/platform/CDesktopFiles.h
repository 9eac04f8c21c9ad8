// The per-user files through which a program makes itself known to the
// desktop: shared MIME types, desktop entries, icons, default programs. The
// program run from its build tree writes its own at every start, the
// stand-in Annalix registers itself when started, and both must follow the
// same freedesktop.org rules for where the files go and how an Exec line is
// written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class CDesktopFiles {
public:
    // $XDG_DATA_HOME, else ~/.local/share. Empty when neither is known: a
    // relative folder would put the files wherever the program was started.
    static std::filesystem::path DataHome();
    // $XDG_CONFIG_HOME, else ~/.config; empty likewise.
    static std::filesystem::path ConfigHome();

    enum class WriteResult { Unchanged, Written, Failed };
    // Writes the text (making the folders) unless the file holds it already,
    // so that a start with nothing new touches no file and wakes no cache.
    static WriteResult WriteIfDifferent(const std::filesystem::path& file, std::string_view text);

    // A path as one argument of an Exec line, as it stands in the file. A
    // path with a reserved character is quoted with " ` $ and \ escaped, a %
    // is doubled so it is not taken for a field code, and then the file's
    // own string escapes apply, which double every backslash again.
    static std::string ExecArgument(std::string_view path);
};
