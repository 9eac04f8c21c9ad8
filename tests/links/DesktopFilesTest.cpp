// The freedesktop.org desktop files (Linux).
#ifndef _WIN32

#include "platform/CDesktopFiles.h"

#include "support/core/CScratchDir.h"

#include <gio/gdesktopappinfo.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Sets an environment variable for one test and puts the old value back.
class CScopedEnv {
public:
    CScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~CScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

TEST(CDesktopFiles, TheDesktopStartsAProgramWhosePathHoldsEveryReservedCharacter) {
    EXPECT_EQ(CDesktopFiles::ExecArgument("/opt/vitachron/vitachron"), "/opt/vitachron/vitachron");
    // GLib looks for the program before it expands %%, so a % in the path is
    // checked by its text alone.
    EXPECT_EQ(CDesktopFiles::ExecArgument("/opt/100%/v"), "\"/opt/100%%/v\"");

    CScratchDir dir;
    const fs::path odd = dir / "a b\"c$HOME`d`\\e 100f 'g' (h);i&j|k<l>m~n*o?p#q=r\tt";
    fs::create_directories(odd);
    const fs::path ran = dir / "ran";
    const fs::path program = dir.Write(fs::relative(odd / "run me", dir.Path()).string(),
                                       "#!/bin/sh\nexec touch '" + ran.string() + "'\n");
    fs::permissions(program, fs::perms::owner_all);

    const std::string entry = "[Desktop Entry]\nType=Application\nName=t\nExec=" +
                              CDesktopFiles::ExecArgument(program.string()) + "\n";
    GKeyFile* keys = g_key_file_new();
    ASSERT_TRUE(g_key_file_load_from_data(keys, entry.c_str(), entry.size(), G_KEY_FILE_NONE, nullptr)) << entry;
    GDesktopAppInfo* app = g_desktop_app_info_new_from_keyfile(keys);
    g_key_file_unref(keys);
    ASSERT_NE(app, nullptr) << entry;
    GError* error = nullptr;
    const bool launched = g_app_info_launch(G_APP_INFO(app), nullptr, nullptr, &error);
    g_object_unref(app);
    ASSERT_TRUE(launched) << (error != nullptr ? error->message : "") << "\n" << entry;
    for (int i = 0; i < 250 && !fs::exists(ran); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(fs::exists(ran)) << entry;
}

TEST(CDesktopFiles, AFileIsWrittenOnlyWhenItsTextChanged) {
    CScratchDir dir;
    const fs::path file = dir / "apps" / "x.desktop";
    EXPECT_EQ(CDesktopFiles::WriteIfDifferent(file, "one"), CDesktopFiles::WriteResult::Written);
    EXPECT_EQ(CScratchDir::Read(file), "one");
    EXPECT_EQ(CDesktopFiles::WriteIfDifferent(file, "one"), CDesktopFiles::WriteResult::Unchanged);
    EXPECT_EQ(CDesktopFiles::WriteIfDifferent(file, "two"), CDesktopFiles::WriteResult::Written);
    EXPECT_EQ(CScratchDir::Read(file), "two");
    // A folder where the file's folder should be: nothing can be written.
    EXPECT_EQ(CDesktopFiles::WriteIfDifferent(file / "below", "x"), CDesktopFiles::WriteResult::Failed);
}

TEST(CDesktopFiles, TheUsersFoldersComeFromXdgOrHomeAndNeverFromARelativePath) {
    {
        const CScopedEnv data("XDG_DATA_HOME", "/data/u");
        const CScopedEnv config("XDG_CONFIG_HOME", "relative/config");
        const CScopedEnv home("HOME", "/home/u");
        EXPECT_EQ(CDesktopFiles::DataHome(), fs::path("/data/u"));
        EXPECT_EQ(CDesktopFiles::ConfigHome(), fs::path("/home/u/.config"));
    }
    const CScopedEnv data("XDG_DATA_HOME", nullptr);
    const CScopedEnv config("XDG_CONFIG_HOME", "");
    {
        const CScopedEnv home("HOME", "");
        EXPECT_EQ(CDesktopFiles::DataHome(), fs::path());
        EXPECT_EQ(CDesktopFiles::ConfigHome(), fs::path());
    }
    const CScopedEnv home("HOME", nullptr);
    EXPECT_EQ(CDesktopFiles::DataHome(), fs::path());
}

#endif
