// The POSIX link namespace; Windows names live in the logon session.
#ifndef _WIN32

#include "links/CAnnalixLink.h"
#include "links/CLinkNamespace.h"
#include "links/CNamedEvent.h"
#include "links/CSharedBlock.h"

#include "support/links/CFakeLinkTransport.h"
#include "support/links/OtherUser.h"
#include "support/links/UniqueName.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// XDG_RUNTIME_DIR set (or unset) for the life of the object.
class CRuntimeDirVariable {
public:
    explicit CRuntimeDirVariable(const char* value) {
        if (const char* old = std::getenv(kName)) {
            old_ = old;
        }
        value ? ::setenv(kName, value, 1) : ::unsetenv(kName);
    }
    ~CRuntimeDirVariable() { old_ ? ::setenv(kName, old_->c_str(), 1) : ::unsetenv(kName); }
    CRuntimeDirVariable(const CRuntimeDirVariable&) = delete;
    CRuntimeDirVariable& operator=(const CRuntimeDirVariable&) = delete;

private:
    static constexpr const char* kName = "XDG_RUNTIME_DIR";
    std::optional<std::string> old_;
};

// A folder of this user's alone (0700), as a session's runtime folder is.
class CPrivateDir {
public:
    CPrivateDir() {
        char pattern[] = "/tmp/vitachron-runtime-XXXXXX";
        if (::mkdtemp(pattern) != nullptr) {
            path_ = pattern;
        }
    }
    ~CPrivateDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    CPrivateDir(const CPrivateDir&) = delete;
    CPrivateDir& operator=(const CPrivateDir&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

int ModeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

// An object at the name's place made by hand, as another program could.
void Plant(const std::string& name, mode_t mode, std::size_t size) {
    const std::string path = CLinkNamespace::PathOf(name);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    if (fd >= 0) {
        (void)::ftruncate(fd, static_cast<off_t>(size));
        ::fchmod(fd, mode);
        ::close(fd);
    }
}

// What every user finds: an object at our name that others could use, or
// that is no plain file of ours, is refused; so is the link over one.
std::string RefusalsFor() {
    CFindings f;
    CPrivateDir runtime;
    CRuntimeDirVariable variable(runtime.path().c_str());
    const auto refused = [&](const std::string& name, int error, const std::string& what) {
        const CSharedBlock block(name, CSharedMemory::Mode::OpenExisting);
        const CNamedEvent event(name, CSharedMemory::Mode::OpenExisting);
        f.Expect(!block.IsOpen() && block.Error() == error,
                 what + ": block error " + std::to_string(block.Error()) + ", not " + std::to_string(error));
        f.Expect(!event.IsOpen() && event.Error() == error, what + ": event error " + std::to_string(event.Error()));
    };

    Plant("readable", 0644, 1000);
    refused("readable", EACCES, "readable by others");
    Plant("group-writable", 0620, 1000);
    refused("group-writable", EACCES, "writable by the group");
    Plant("short", 0600, 10);
    refused("short", EINVAL, "shorter than the block");

    // A file of ours that someone points our name at, by a symbolic or a hard link, is never written.
    const fs::path mine = runtime.path() / "mine.txt";
    std::ofstream(mine) << std::string(2000, 'm');
    fs::permissions(mine, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(mine, CLinkNamespace::PathOf("symlinked"));
    refused("symlinked", ELOOP, "a symbolic link");
    fs::create_hard_link(mine, CLinkNamespace::PathOf("hard-linked"));
    refused("hard-linked", EMLINK, "a second name of a file");
    f.Expect(CSharedBlock("hard-linked").Error() == EMLINK, "a hard link is refused when creating too");
    f.Expect(fs::file_size(mine) == 2000, "the linked file is untouched");
    fs::create_directory(CLinkNamespace::PathOf("folder"));
    refused("folder", EISDIR, "a folder");
    ::mkfifo(CLinkNamespace::PathOf("fifo").c_str(), 0600);
    refused("fifo", EINVAL, "a FIFO");

    // Opened whole, then opened up to others: refused from then on, checked at each use.
    CSharedBlock block("later");
    f.Expect(block.Write("/home/u/a.vtc") == 0, "a block of ours is written");
    ::chmod(CLinkNamespace::PathOf("later").c_str(), 0666);
    f.Expect(block.Write("/home/u/b.vtc") == EACCES, "a block opened to others is not written");
    f.Expect(!block.Holds("/home/u/a.vtc"), "a block opened to others is not read");

    // The link over such a block says so when it is used.
    Plant("link block", 0666, 1000);
    std::vector<std::string> messages;
    auto transport = std::make_unique<CFakeLinkTransport>();
    CFakeLinkTransport* fake = transport.get();
    CAnnalixLink link(std::move(transport),
                      {[] { return std::string("/home/u/a.vtc"); }, [] { return 1600; }, [](int) {},
                       [&](const std::string& text) { messages.push_back(text); }, [](std::function<void()>) {}},
                      CAnnalixLink::Options{"link block", "link event", 10ms, 100ms});
    link.ShowInAnnalix("/home/u/x.anx");
    f.Expect(messages == std::vector<std::string>{"Annalixの起動に失敗しました(13)"},
             "the link reports the block: " + (messages.empty() ? std::string("nothing") : messages[0]));
    f.Expect(fake->broadcasts.empty() && fake->started.empty(), "the link neither asks nor starts");
    return f.Text();
}

}  // namespace

TEST(CLinkNamespace, AUsersObjectsLiveInItsPrivateRuntimeFolderOrElseUnderANameWithItsUserId) {
    const std::string fallback = "/dev/shm/x." + std::to_string(::geteuid());
    CPrivateDir runtime;
    {
        CRuntimeDirVariable variable(runtime.path().c_str());
        const std::string path = CLinkNamespace::PathOf("x");
        EXPECT_EQ(path, (runtime.path() / "x").string());
        const CSharedBlock block("x");
        ASSERT_TRUE(block.IsOpen()) << block.Error();
        EXPECT_EQ(ModeOf(path), 0600);
        EXPECT_EQ(fs::file_size(path), 1000u);
        // A runtime folder others may enter is no place for them.
        fs::permissions(runtime.path(), fs::perms::group_exec, fs::perm_options::add);
        EXPECT_EQ(CLinkNamespace::PathOf("x"), fallback);
    }
    CRuntimeDirVariable relative("run/user");
    EXPECT_EQ(CLinkNamespace::PathOf("x"), fallback);
    CRuntimeDirVariable unset(nullptr);
    EXPECT_EQ(CLinkNamespace::PathOf("x"), fallback);
}

TEST(CLinkNamespace, AnObjectOthersCouldUseOrThatIsNoPlainFileOfOursIsRefused) {
    EXPECT_EQ(RefusalsFor(), "");
    if (!CanSwitchUser()) {
        GTEST_SKIP() << "as root this also runs as another user and with objects of another owner";
    }
    EXPECT_EQ(RunAsUser(kOtherUser, RefusalsFor), "");

    // An object of someone else's, readable by nobody else, under our name.
    CPrivateDir runtime;
    CRuntimeDirVariable variable(runtime.path().c_str());
    Plant("foreign", 0600, 1000);
    ASSERT_EQ(::chown(CLinkNamespace::PathOf("foreign").c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(CSharedBlock("foreign").Error(), EPERM);
    EXPECT_EQ(CNamedEvent("foreign").Error(), EPERM);
}

TEST(CLinkNamespace, TwoUsersRunLinksOfTheirOwnSideBySide) {
    if (!CanSwitchUser()) {
        GTEST_SKIP() << "needs root to act as a second user";
    }
    for (const bool runtimeDirs : {false, true}) {
        SCOPED_TRACE(runtimeDirs ? "in runtime folders" : "under names with the user id");
        CPrivateDir runtime;
        CRuntimeDirVariable variable(runtimeDirs ? runtime.path().c_str() : nullptr);
        CUniqueName blockName("two users block");
        CUniqueName eventName("two users event");
        const std::string ourBlockPath = CLinkNamespace::PathOf(blockName);

        // Where runtime folders are missing, another user can put an object
        // under our name before we come: it is theirs, and refused.
        if (!runtimeDirs) {
            EXPECT_EQ(RunAsUser(kOtherUser,
                                [&] {
                                    const int fd = ::open(ourBlockPath.c_str(), O_RDWR | O_CREAT | O_EXCL, 0666);
                                    return fd >= 0 && ::fchmod(fd, 0666) == 0 && ::ftruncate(fd, 1000) == 0
                                               ? std::string()
                                               : "cannot plant " + ourBlockPath;
                                }),
                      "");
            // EACCES where the kernel refuses to open another's file in a sticky folder first.
            const int planted = CSharedBlock(blockName).Error();
            EXPECT_TRUE(planted == EPERM || planted == EACCES) << planted;
            ::unlink(ourBlockPath.c_str());
        }

        CSharedBlock block(blockName);
        CNamedEvent event(eventName);
        ASSERT_TRUE(block.IsOpen()) << block.Error();
        ASSERT_TRUE(event.IsOpen()) << event.Error();
        ASSERT_EQ(block.Write("/root/ours.vtc"), 0);

        // The other user, under the same names, has a block and an event of its own.
        const std::string theirs = RunAsUser(kOtherUser, [&] {
            CFindings f;
            CPrivateDir ownRuntime;
            CRuntimeDirVariable own(runtimeDirs ? ownRuntime.path().c_str() : nullptr);
            f.Expect(CLinkNamespace::PathOf(blockName) != ourBlockPath, "the same place as the first user's");
            CSharedBlock theirBlock(blockName);
            CNamedEvent theirEvent(eventName);
            f.Expect(theirBlock.IsOpen(), "no block: error " + std::to_string(theirBlock.Error()));
            f.Expect(theirEvent.IsOpen(), "no event: error " + std::to_string(theirEvent.Error()));
            f.Expect(!theirBlock.Holds("/root/ours.vtc"), "the first user's path is readable");
            f.Expect(theirBlock.Write("/home/nobody/theirs.vtc") == 0, "cannot write its own block");
            f.Expect(theirEvent.Set() == 0, "cannot set its own event");
            CSharedMemory::Remove(blockName);
            CSharedMemory::Remove(eventName);
            return f.Text();
        });
        EXPECT_EQ(theirs, "");
        EXPECT_TRUE(block.Holds("/root/ours.vtc"));
        EXPECT_FALSE(event.Wait(0ms).set);
    }
}

#endif
