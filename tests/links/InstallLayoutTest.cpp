#ifndef _WIN32
#include "platform/CDesktopIntegration.h"
#endif
#include "platform/CInstallLayout.h"

#include "support/core/CScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>

namespace fs = std::filesystem;

#ifndef _WIN32
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
#else
// Installed or unpacked, a Windows program keeps everything in its own folder.
TEST(CInstallLayout, OnWindowsEverythingIsBesideThePrograms) {
    CScratchDir dir;
    const fs::path programs = dir / "Program Files/Vitachron";
    fs::create_directories(programs / "share" / "vitachron");
    EXPECT_FALSE(CInstallLayout::PrefixOf(programs));
    EXPECT_EQ(CInstallLayout::DataDir(programs), programs);
    EXPECT_EQ(CInstallLayout::LocaleDir(programs), programs / "locale");
    EXPECT_EQ(CInstallLayout::RenderProgram(programs), programs / "vitachron-render.exe");
    EXPECT_EQ(CInstallLayout::SharedCategoryFile(programs), programs / "color.tbl");
    EXPECT_EQ(std::distance(fs::directory_iterator(programs), fs::directory_iterator{}), 1) << "the probe stayed";

    // A folder the user cannot make files in (Program Files for a standard
    // user): the tools share the user's copy in %APPDATA%, as the program does.
    const std::wstring appData = (dir / "roaming").wstring();
    const wchar_t* before = ::_wgetenv(L"APPDATA");
    const std::wstring saved = before != nullptr ? before : L"";
    ::_wputenv_s(L"APPDATA", appData.c_str());
    EXPECT_FALSE(CInstallLayout::TakesNewFiles(dir / "no such folder"));
    EXPECT_EQ(CInstallLayout::SharedCategoryFile(dir / "no such folder"), dir / "roaming" / "Vitachron" / "color.tbl");
    ::_wputenv_s(L"APPDATA", saved.c_str());
}
#endif

#ifndef _WIN32  // the freedesktop registration; the installer registers the Windows program
TEST(CDesktopIntegration, TheBuildTreesEntryIsTheInstalledOneStartingThisProgram) {
    const std::string installed =
        "[Desktop Entry]\nName=Vitachron\nExec=vitachron %f\nTryExec=vitachronx\n\n[Desktop Action Print]\n"
        "Exec=vitachron --print %f\n";
    EXPECT_EQ(CDesktopIntegration::DesktopEntryFor(installed, "/home/u/my build/bin/vitachron"),
              "[Desktop Entry]\nName=Vitachron\nExec=\"/home/u/my build/bin/vitachron\" %f\nTryExec=vitachronx\n\n"
              "[Desktop Action Print]\nExec=\"/home/u/my build/bin/vitachron\" --print %f\n");
}
#endif
