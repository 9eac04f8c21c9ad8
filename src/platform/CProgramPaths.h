// Where the program keeps what lives beside it: "color.tbl" and the help
// pages. Beside the executable, as users expect; where that directory is
// not writable (an installed program), the per-user data directory instead.
#pragma once

#include <filesystem>

class CProgramPaths {
public:
    static std::filesystem::path ExecutableDir();
    static std::filesystem::path UserDataDir();
    // The shared category file to read and write.
    static std::filesystem::path SharedCategoryFile();
    // The help page, HTMLHelp/index.html beside the program.
    static std::filesystem::path HelpIndex();
};
