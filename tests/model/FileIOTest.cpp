// Reading and saving files as users and faults meet them: links, files and
// folders the user may not write, other users' files, groups, hard links,
// the file-size limit, and things that are not files at all. What a user may
// not do runs in a child process as an unprivileged user. The Windows
// branch has its own cases in FileIOWindowsTest.cpp.
#ifndef _WIN32
#include "model/CFileError.h"
#include "model/CFileIO.h"
#include "res/Strings.h"
#include "support/core/CScratchDir.h"
#include "support/core/ChildProcess.h"

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>

namespace fs = std::filesystem;

namespace {

// "saved", or the reason the user is told.
std::string SaveOutcome(const fs::path& file, std::string_view bytes) {
    try {
        CFileIO::WriteFileAtomically(file, bytes);
        return "saved";
    } catch (const CFileError& e) {
        return e.Reason();
    }
}

std::string ReadOutcome(const fs::path& file, std::uint64_t limit) {
    try {
        return "read " + CFileIO::ReadFile(file, limit);
    } catch (const CFileError& e) {
        return e.Reason();
    }
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct stat Stat(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

std::string TooLarge(const std::string& limit) {
    std::string text = Str::kFileTooLarge;
    return text.replace(text.find("%s"), 2, limit);
}

class FileIO : public ::testing::Test {
protected:
    // The folder and a file in it as the unprivileged user's own.
    fs::path OwnFile(const std::string& name, std::string_view bytes, fs::perms mode) {
        GiveToUnprivileged(dir.Path());
        const fs::path file = dir.Write(name, bytes);
        fs::permissions(file, mode);
        GiveToUnprivileged(file);
        return file;
    }
    CScratchDir dir;
};

}  // namespace

TEST_F(FileIO, ReadsOnlyRegularFilesAndNoMoreThanTheLimit) {
    const fs::path file = dir.Write("a.txt", "12345");
    EXPECT_EQ(ReadOutcome(file, 5), "read 12345");
    EXPECT_EQ(ReadOutcome(file, 4), TooLarge("4バイト"));
    EXPECT_EQ(ReadOutcome(dir / "missing", 5), Str::kFileNotFound);
    fs::create_symlink("missing", dir / "dangling");
    EXPECT_EQ(ReadOutcome(dir / "dangling", 5), Str::kFileDanglingLink);

    // The size a file states is not trusted: these state 0 and hold more.
    EXPECT_NE(ReadOutcome("/proc/self/status", 1 << 20).find("Pid:"), std::string::npos);
    EXPECT_EQ(ReadOutcome("/proc/self/status", 16), TooLarge("16バイト"));

    // Refused at once: a named pipe without waiting for a writer, a device
    // before it grows memory without end.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    for (const fs::path& odd : {dir / "pipe", dir.Path(), fs::path("/dev/zero")}) {
        EXPECT_EQ(RunInChild([&] {
                      ::alarm(20);
                      return ReadOutcome(odd, 1 << 20);
                  }),
                  Str::kFileNotRegular)
            << odd;
    }

    // In pieces, with the same checks.
    std::string pieces;
    EXPECT_TRUE(CFileIO::ReadFileInPieces(file, 5, 2, [&](std::string_view piece, std::uint64_t size) {
        pieces += std::string(piece) + "/" + std::to_string(size) + " ";
        return true;
    }));
    EXPECT_EQ(pieces, "12/5 34/5 5/5 ");
    EXPECT_FALSE(CFileIO::ReadFileInPieces(file, 5, 2, [](std::string_view, std::uint64_t) { return false; }));
    const auto ignore = [](std::string_view, std::uint64_t) { return true; };
    EXPECT_THROW(CFileIO::ReadFileInPieces("/proc/self/status", 16, 4, ignore), CFileError);
    EXPECT_THROW(CFileIO::ReadFileInPieces(dir / "pipe", 16, 4, ignore), CFileError);

    // Left open to be read a piece at a time, with the same checks; a file
    // that grows past the limit while it is read is refused on the way.
    const auto openOutcome = [](const fs::path& f, std::uint64_t limit) -> std::string {
        try {
            CFileInput input = CFileIO::OpenInput(f, limit);
            char piece[3];
            std::string all = "read ";
            for (std::size_t n; (n = input.Read(piece, sizeof piece)) > 0;) {
                all.append(piece, n);
            }
            return all;
        } catch (const CFileError& e) {
            return e.Reason();
        }
    };
    EXPECT_EQ(openOutcome(file, 5), "read 12345");
    EXPECT_EQ(openOutcome(file, 4), TooLarge("4バイト"));
    EXPECT_EQ(openOutcome("/proc/self/status", 16), TooLarge("16バイト"));
    EXPECT_EQ(RunInChild([&] {
                  ::alarm(20);
                  return openOutcome(dir / "pipe", 16);
              }),
              Str::kFileNotRegular);

    const fs::path secret = OwnFile("secret.txt", "x", fs::perms::none);
    EXPECT_EQ(RunInChild([&] { return ReadOutcome(secret, 5); }, AsUnprivileged()), Str::kFileNotReadable);
    EXPECT_EQ(RunInChild([&] { return openOutcome(secret, 5); }, AsUnprivileged()), Str::kFileNotReadable);
}

TEST_F(FileIO, SavesThroughSymbolicLinksIntoTheFileTheyNameAndKeepsThem) {
    fs::create_directories(dir / "real");
    fs::create_directories(dir / "links");
    const fs::path real = dir.Write("real/doc.vtc", "old");
    fs::create_symlink("real/doc.vtc", dir / "rel.vtc");
    fs::create_symlink(real, dir / "links" / "abs.vtc");
    fs::create_symlink("../rel.vtc", dir / "links" / "chain.vtc");  // a link to a link
    for (const auto& [link, text] : {std::pair{dir / "rel.vtc", "one"},
                                     {dir / "links" / "abs.vtc", "two"},
                                     {dir / "links" / "chain.vtc", "three"}}) {
        ASSERT_EQ(SaveOutcome(link, text), "saved") << link;
        EXPECT_EQ(CScratchDir::Read(real), text) << link;
    }
    EXPECT_EQ(fs::read_symlink(dir / "rel.vtc"), "real/doc.vtc");
    EXPECT_EQ(fs::read_symlink(dir / "links" / "abs.vtc"), real);
    EXPECT_EQ(fs::read_symlink(dir / "links" / "chain.vtc"), "../rel.vtc");
    EXPECT_EQ(Names(dir / "real"), std::vector<std::string>{"doc.vtc"});

    // A link to nothing, and links in a circle: said so, nothing made.
    fs::create_symlink("real/new.vtc", dir / "dangling.vtc");
    fs::create_symlink("loop2", dir / "loop1");
    fs::create_symlink("loop1", dir / "loop2");
    EXPECT_EQ(SaveOutcome(dir / "dangling.vtc", "x"), Str::kFileDanglingLink);
    EXPECT_EQ(SaveOutcome(dir / "loop1", "x"), Str::kFileLinkLoop);
    EXPECT_EQ(Names(dir.Path()),
              (std::vector<std::string>{"dangling.vtc", "links", "loop1", "loop2", "real", "rel.vtc"}));
    EXPECT_EQ(Names(dir / "real"), std::vector<std::string>{"doc.vtc"});
}

TEST_F(FileIO, RefusesAFileTheUserMayNotWrite) {
    const fs::path file = OwnFile("locked.vtc", "old", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(RunInChild([&] { return SaveOutcome(file, "new"); }, AsUnprivileged()), Str::kFileReadOnly);
    EXPECT_EQ(CScratchDir::Read(file), "old");
    EXPECT_EQ(Stat(file).st_mode & 07777, 0440u);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"locked.vtc"});
}

TEST_F(FileIO, AReadOnlyFolderIsWrittenInPlace) {
    const fs::path file = OwnFile("a.vtc", "the old contents", fs::perms::owner_read | fs::perms::owner_write);
    const ino_t inode = Stat(file).st_ino;
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(RunInChild(
                  [&] {
                      std::string outcome = SaveOutcome(file, "short");
                      outcome += " " + CScratchDir::Read(file);
                      outcome += " " + SaveOutcome(file, "now longer than before");
                      return outcome + " " + SaveOutcome(dir / "b.vtc", "x");
                  },
                  AsUnprivileged()),
              std::string("saved short saved ") + Str::kFileFolderReadOnly);
    EXPECT_EQ(CScratchDir::Read(file), "now longer than before");
    EXPECT_EQ(Stat(file).st_ino, inode);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"a.vtc"});
}

TEST_F(FileIO, EveryHardLinkSeesTheSavedBytes) {
    const fs::path file = dir.Write("a.vtc", "old");
    fs::create_hard_link(file, dir / "b.vtc");
    ASSERT_EQ(SaveOutcome(dir / "b.vtc", "new"), "saved");
    EXPECT_EQ(CScratchDir::Read(file), "new");
    EXPECT_EQ(fs::hard_link_count(file), 2u);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"a.vtc", "b.vtc"}));
}

TEST_F(FileIO, TheFileSizeLimitRefusesTheSaveAndKeepsTheOldFile) {
    const std::string old(4096, 'o');
    const fs::path file = OwnFile("a.vtc", old, fs::perms::owner_read | fs::perms::owner_write);
    // The signal as a program gets it by default: a write past the limit would end the child.
    const auto saveLimited = [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{1024, 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return SaveOutcome(file, std::string(2048, 'n'));
    };
    EXPECT_EQ(RunInChild(saveLimited, AsUnprivileged()), Str::kFileSizeLimit);
    EXPECT_EQ(CScratchDir::Read(file), old);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"a.vtc"});

    // Written in place, the limit is found before the first byte changes.
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(RunInChild(saveLimited, AsUnprivileged()), Str::kFileSizeLimit);
    EXPECT_EQ(CScratchDir::Read(file), old);
}

TEST_F(FileIO, AFullDiskFailsTheSaveAndKeepsTheOldFile) {
    // A small file system of the child's own, over the scratch folder.
    const std::string outcome = RunInChild([&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", dir.Path().c_str(), "tmpfs", 0, "size=64k") != 0) {
            return "no file system";
        }
        const std::string old(4096, 'o');
        const fs::path file = dir.Write("a.vtc", old);
        dir.Write("filler", std::string(40960, 'f'));  // 20 KB stay free
        const std::string bigger(32768, 'n');
        std::string result = SaveOutcome(file, bigger);
        result += CScratchDir::Read(file) == old ? " kept " : " changed ";
        // A second name makes the save write in place: the room is
        // reserved before the first byte changes.
        fs::create_hard_link(file, dir / "b.vtc");
        result += SaveOutcome(file, bigger);
        result += CScratchDir::Read(file) == old ? " kept " : " changed ";
        return result + std::to_string(Names(dir.Path()).size());
    });
    if (outcome == "no file system") {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    EXPECT_EQ(outcome, std::string(Str::kFileNoSpace) + " kept " + Str::kFileNoSpace + " kept 3");
}

TEST_F(FileIO, AnotherUsersFileKeepsItsOwnerOrIsRefused) {
    if (!CanSwitchUsers()) {
        GTEST_SKIP() << "making another user's file needs root";
    }
    // Root saves a file of user 65534: it stays theirs, with its mode.
    const fs::path theirs = dir.Write("theirs.vtc", "old");
    fs::permissions(theirs, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(::chown(theirs.c_str(), kOtherUid, kOtherGid), 0);
    ASSERT_EQ(SaveOutcome(theirs, "new"), "saved");
    EXPECT_EQ(Stat(theirs).st_uid, kOtherUid);
    EXPECT_EQ(Stat(theirs).st_gid, kOtherGid);
    EXPECT_EQ(Stat(theirs).st_mode & 07777, 0640u);
    fs::remove(theirs);

    // User 65534 in a folder of their own: root's file is refused, or, where
    // they may write it, written in place and still root's.
    GiveToUnprivileged(dir.Path());
    const fs::path roots = dir.Write("roots.vtc", "old");
    const fs::path open = dir.Write("open.vtc", "old");
    fs::permissions(open, static_cast<fs::perms>(0666));
    const ino_t inode = Stat(open).st_ino;
    EXPECT_EQ(RunInChild([&] { return SaveOutcome(roots, "new"); }, ChildUser{}), Str::kFileReadOnly);
    EXPECT_EQ(RunInChild([&] { return SaveOutcome(open, "new"); }, ChildUser{}), "saved");
    EXPECT_EQ(CScratchDir::Read(roots), "old");
    EXPECT_EQ(Stat(roots).st_uid, 0u);
    EXPECT_EQ(CScratchDir::Read(open), "new");
    EXPECT_EQ(Stat(open).st_uid, 0u);
    EXPECT_EQ(Stat(open).st_ino, inode);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"open.vtc", "roots.vtc"}));
}

TEST_F(FileIO, AGroupMemberKeepsTheGroupAndItsWritePermission) {
    if (!CanSwitchUsers()) {
        GTEST_SKIP() << "giving files to a group and joining it needs root";
    }
    constexpr gid_t kTeam = 4321;
    const ChildUser member{kOtherUid, kOtherGid, {kTeam}};
    GiveToUnprivileged(dir.Path());
    const auto groupFile = [&](const std::string& name, uid_t owner) {
        const fs::path file = dir.Write(name, "old");
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                  fs::perms::group_write);
        EXPECT_EQ(::chown(file.c_str(), owner, kTeam), 0);
        return file;
    };
    // Another member's file, and the member's own one given to the group.
    const fs::path others = groupFile("others.vtc", 0);
    const fs::path own = groupFile("own.vtc", kOtherUid);
    for (const fs::path& file : {others, own}) {
        EXPECT_EQ(RunInChild([&] { return SaveOutcome(file, "new"); }, member), "saved") << file;
    }
    for (const fs::path& file : {others, own}) {
        EXPECT_EQ(CScratchDir::Read(file), "new") << file;
        EXPECT_EQ(Stat(file).st_gid, kTeam) << file;
        EXPECT_EQ(Stat(file).st_mode & 07777, 0660u) << file;
    }
    EXPECT_EQ(Stat(others).st_uid, 0u);
    EXPECT_EQ(Stat(own).st_uid, kOtherUid);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"others.vtc", "own.vtc"}));
}

#endif  // _WIN32
