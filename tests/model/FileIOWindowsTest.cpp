// Reading and saving files on Windows, as users and faults meet them there:
// the read-only attribute, a file another program holds open, hard and
// symbolic links, devices, Japanese names. The POSIX cases are in FileIOTest.cpp.
#ifdef _WIN32

#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "model/Utf8Path.h"
#include "res/Strings.h"
#include "support/core/CScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace fs = std::filesystem;

namespace {

std::string SaveOutcome(const fs::path& file, std::string_view bytes) {
    try {
        CFileIO::WriteFileAtomically(file, bytes);
        return "saved";
    } catch (const CFileError& e) {
        return e.Reason();
    }
}

std::string ReadOutcome(const fs::path& file, std::uint64_t maxBytes = 1 << 20) {
    try {
        return "read " + CFileIO::ReadFile(file, maxBytes);
    } catch (const CFileError& e) {
        return e.Reason();
    }
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(Utf8FromPath(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(FileIOWindows, ASaveReplacesTheFileAndLeavesNothingBeside) {
    CScratchDir dir;
    const fs::path file = dir / "年表.vtc";
    EXPECT_EQ(SaveOutcome(file, "first"), "saved");
    EXPECT_EQ(SaveOutcome(file, "second, longer"), "saved");
    EXPECT_EQ(ReadOutcome(file), "read second, longer");
    EXPECT_EQ(SaveOutcome(file, "3"), "saved");
    EXPECT_EQ(ReadOutcome(file), "read 3");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"年表.vtc"});
    EXPECT_EQ(ReadOutcome(file, 0), "ファイルが大きすぎます（0バイトまで）。");
    EXPECT_EQ(SaveOutcome(dir / "no folder" / "a.vtc", "x"), Str::kFileNotFound);
}

TEST(FileIOWindows, AReadOnlyFileOrOneInUseIsRefusedAndKept) {
    CScratchDir dir;
    const fs::path locked = dir.Write("locked.vtc", "old");
    ASSERT_TRUE(::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(SaveOutcome(locked, "new"), Str::kFileReadOnly);
    EXPECT_EQ(ReadOutcome(locked), "read old");
    ::SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

    // Another program holding the file without sharing it.
    const fs::path busy = dir.Write("busy.vtc", "old");
    HANDLE holder = ::CreateFileW(busy.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(SaveOutcome(busy, "new"), Str::kFileInUse);
    EXPECT_EQ(ReadOutcome(busy), Str::kFileInUse);
    ::CloseHandle(holder);
    EXPECT_EQ(ReadOutcome(busy), "read old");
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"busy.vtc", "locked.vtc"}));
}

TEST(FileIOWindows, EveryNameOfAFileSeesTheNewBytes) {
    CScratchDir dir;
    const fs::path file = dir.Write("a.vtc", "old");
    const fs::path other = dir / "b.vtc";
    ASSERT_TRUE(::CreateHardLinkW(other.c_str(), file.c_str(), nullptr));
    EXPECT_EQ(SaveOutcome(file, "new and longer"), "saved");
    EXPECT_EQ(ReadOutcome(other), "read new and longer");
    EXPECT_EQ(SaveOutcome(other, "n"), "saved");
    EXPECT_EQ(ReadOutcome(file), "read n");
}

TEST(FileIOWindows, ALinkIsFollowedAndStaysALink) {
    CScratchDir dir;
    const fs::path target = dir.Write("target.vtc", "old");
    const fs::path link = dir / "link.vtc";
    // Links need a privilege on Windows, and Wine makes none at all (while
    // it says it did).
    if (!::CreateSymbolicLinkW(link.c_str(), target.c_str(), 0) ||
        ::GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "this system makes no symbolic links here";
    }
    EXPECT_EQ(SaveOutcome(link, "new"), "saved");
    EXPECT_EQ(ReadOutcome(target), "read new");
    EXPECT_NE(::GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);

    const fs::path dangling = dir / "dangling.vtc";
    ASSERT_TRUE(::CreateSymbolicLinkW(dangling.c_str(), (dir / "missing.vtc").c_str(), 0));
    EXPECT_EQ(ReadOutcome(dangling), Str::kFileDanglingLink);
    EXPECT_EQ(SaveOutcome(dangling, "new"), Str::kFileDanglingLink);
    EXPECT_FALSE(fs::exists(dir / "missing.vtc"));
}

TEST(FileIOWindows, FoldersAndDevicesAreNoFiles) {
    CScratchDir dir;
    for (const fs::path& odd : {dir.Path(), CScratchDir::Device()}) {
        EXPECT_EQ(ReadOutcome(odd), Str::kFileNotRegular) << odd;
    }
    EXPECT_EQ(SaveOutcome(dir.Path(), "x"), Str::kFileNotRegular);
    EXPECT_EQ(SaveOutcome(CScratchDir::Device(), "x"), Str::kFileNotRegular);
}

#endif  // _WIN32
