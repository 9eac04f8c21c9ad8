// The user's profile file under wxFileConfig, opened so that a file the
// program cannot use gives the defaults and one report of ours, never the
// toolkit's own messages (which are in English and, for a file that cannot
// be written, come again at every write).
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

class wxFileConfig;

class CProfileFile {
public:
    enum class Problem {
        None,
        Damaged,   // unreadable lines: kept aside as keptAs, the defaults apply
        NotAFile,  // a folder or other non-file: the defaults apply, nothing is written
    };
    struct Opened {
        std::unique_ptr<wxFileConfig> config;
        Problem problem = Problem::None;
        std::filesystem::path keptAs;
    };

    // appName and vendor name the wxConfig; file is where it lives.
    static Opened Open(const std::filesystem::path& file, std::string_view appName, std::string_view vendor);

    // Whether every line is one wxFileConfig reads without complaint: blank,
    // a comment, "[group]" with a name and nothing after it, or "entry=value"
    // with a name that its group has not had before.
    static bool IsWellFormed(std::string_view text);
};
