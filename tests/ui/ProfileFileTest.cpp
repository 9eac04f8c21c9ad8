#include "platform/CProfileFile.h"

#include "support/core/CScratchDir.h"

#include <wx/fileconf.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(CProfileFile, OnlyLinesTheConfigReadsWithoutComplaintAreWellFormed) {
    EXPECT_TRUE(CProfileFile::IsWellFormed(""));
    EXPECT_TRUE(CProfileFile::IsWellFormed("[LastPos]\nleft=0\r\n top = 5\n\n; note\n# note\n[Init]\nleft=1\n"));
    EXPECT_TRUE(CProfileFile::IsWellFormed("[Recent File List]\nFile1=/a=b.vtc\n[a\\]b]\nx=\n[c] ; note\n"));
    EXPECT_TRUE(CProfileFile::IsWellFormed("x=1"));  // no group, no final line break
    for (const char* damaged : {
             "[LastPos]\n=40000\n",          // an entry without a name
             "[LastPos]\n  =1\n",            // the same, blanks before
             "[LastPos]\nleft\n",            // no '='
             "[LastPos\nleft=1\n",           // an unclosed group
             "[]\nleft=1\n",                 // a group without a name
             "[LastPos] junk\nleft=1\n",     // text after the group
             "[Init]\nx=1\n[Other]\n[Init]\nx=2\n",  // an entry twice in its group
             "\x01\x02\x03\xff\n",           // not text at all
         }) {
        EXPECT_FALSE(CProfileFile::IsWellFormed(damaged)) << damaged;
    }
}

TEST(CProfileFile, ADamagedFileIsKeptAsideAndTheDefaultsApply) {
    CScratchDir dir;
    const fs::path file = dir.Write("Vitachron.conf", "[LastPos]\nright=100\n=40000\n");
    CProfileFile::Opened opened = CProfileFile::Open(file, "Vitachron", "Orv Software");
    EXPECT_EQ(opened.problem, CProfileFile::Problem::Damaged);
    EXPECT_EQ(opened.keptAs, dir / "Vitachron.conf.damaged");
    EXPECT_EQ(CScratchDir::Read(opened.keptAs), "[LastPos]\nright=100\n=40000\n");
    ASSERT_TRUE(opened.config);
    EXPECT_EQ(opened.config->ReadLong("/LastPos/right", 0), 0);
    // The new profile is written where the old one was.
    opened.config->Write("/LastPos/right", 800L);
    EXPECT_TRUE(opened.config->Flush());
    EXPECT_NE(CScratchDir::Read(file).find("right=800"), std::string::npos);
}

TEST(CProfileFile, AFolderWhereTheFileShouldBeGivesTheDefaultsAndNothingIsWritten) {
    CScratchDir dir;
    const fs::path file = dir / "Vitachron.conf";
    fs::create_directories(file);
    CProfileFile::Opened opened = CProfileFile::Open(file, "Vitachron", "Orv Software");
    EXPECT_EQ(opened.problem, CProfileFile::Problem::NotAFile);
    ASSERT_TRUE(opened.config);
    opened.config->Write("/LastPos/right", 800L);
    EXPECT_EQ(opened.config->ReadLong("/LastPos/right", 0), 800);  // kept for the run
    EXPECT_TRUE(opened.config->Flush());
    opened.config.reset();
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_TRUE(fs::is_empty(file));
}

TEST(CProfileFile, AGoodFileIsReadAsItIs) {
    CScratchDir dir;
    const fs::path file = dir.Write("Vitachron.conf", "[LastPos]\nright=860\n");
    CProfileFile::Opened opened = CProfileFile::Open(file, "Vitachron", "Orv Software");
    EXPECT_EQ(opened.problem, CProfileFile::Problem::None);
    EXPECT_EQ(opened.config->ReadLong("/LastPos/right", 0), 860);
    EXPECT_FALSE(fs::exists(dir / "Vitachron.conf.damaged"));
}
