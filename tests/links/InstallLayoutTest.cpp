// The installed tree of a Linux package (share/, libexec/, XDG) and its desktop entry.
#ifndef _WIN32

#include "platform/CDesktopIntegration.h"
#include "platform/CInstallLayout.h"

#include "support/core/CScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fs = std::filesystem;

TEST(CInstallLayout, AnInstallationIsFoundFromItsProgramsWhereverItsPrefixIsAndTheBuildTreeIsNot) {
    CScratchDir dir;
    const fs::path prefix = dir / "opt" / "v";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "libexec" / "vitachron");
    // Without its data folder a bin/ is someone else's.
    EXPECT_FALSE(CInstallLayout::PrefixOf(prefix / "bin"));
    fs::create_directories(prefix / "share" / "vitachron");

    for (const fs::path& programDir : {prefix / "bin", prefix / "bin/", prefix / "libexec" / "vitachron"}) {
        ASSERT_EQ(CInstallLayout::PrefixOf(programDir), prefix) << programDir;
        EXPECT_EQ(CInstallLayout::DataDir(programDir), prefix / "share" / "vitachron");
        EXPECT_EQ(CInstallLayout::LocaleDir(programDir), prefix / "share" / "locale");
        EXPECT_EQ(CInstallLayout::RenderProgram(programDir), prefix / "libexec" / "vitachron" / "vitachron-render");
    }
    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    EXPECT_EQ(CInstallLayout::SharedCategoryFile(prefix / "bin"), dir / "data" / "Vitachron" / "color.tbl");
    ::unsetenv("XDG_DATA_HOME");

    // The build tree: everything beside the programs.
    const fs::path build = dir / "build" / "bin";
    fs::create_directories(build);
    fs::create_directories(dir / "build" / "share" / "other");
    EXPECT_FALSE(CInstallLayout::PrefixOf(build));
    EXPECT_EQ(CInstallLayout::DataDir(build), build);
    EXPECT_EQ(CInstallLayout::LocaleDir(build), build / "locale");
    EXPECT_EQ(CInstallLayout::RenderProgram(build), build / "vitachron-render");
    EXPECT_EQ(CInstallLayout::SharedCategoryFile(build), build / "color.tbl");
    EXPECT_FALSE(CInstallLayout::PrefixOf(prefix / "libexec"));
}

TEST(CDesktopIntegration, TheBuildTreesEntryIsTheInstalledOneStartingThisProgram) {
    const std::string installed =
        "[Desktop Entry]\nName=Vitachron\nExec=vitachron %f\nTryExec=vitachronx\n\n[Desktop Action Print]\n"
        "Exec=vitachron --print %f\n";
    EXPECT_EQ(CDesktopIntegration::DesktopEntryFor(installed, "/home/u/my build/bin/vitachron"),
              "[Desktop Entry]\nName=Vitachron\nExec=\"/home/u/my build/bin/vitachron\" %f\nTryExec=vitachronx\n\n"
              "[Desktop Action Print]\nExec=\"/home/u/my build/bin/vitachron\" --print %f\n");
}

#endif
