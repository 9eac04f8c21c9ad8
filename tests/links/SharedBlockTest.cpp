#include "links/CNamedEvent.h"
#include "links/CSharedBlock.h"

#include "support/links/UniqueName.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

using namespace std::chrono_literals;

namespace {

// What a released block or a missing name says, in the system's own codes.
#ifdef _WIN32
constexpr int kGone = ERROR_FILE_NOT_FOUND;
#else
constexpr int kGone = ENOENT;
#endif

}  // namespace

TEST(CSharedBlock, APathWrittenByOneUserIsReadZeroPaddedByAnother) {
    CUniqueName name("block");
    CSharedBlock writer(name);
    CSharedBlock reader(name, CSharedMemory::Mode::OpenExisting);
    ASSERT_TRUE(writer.IsOpen());
    ASSERT_TRUE(reader.IsOpen());

    ASSERT_EQ(writer.Write(std::string(1000, 'x')), 0);  // leaves no zero behind a shorter path
    ASSERT_EQ(writer.Write("/home/a/history.anx"), 0);
    CSharedBlock::Bytes bytes{};
    ASSERT_EQ(reader.Read(bytes), 0);
    EXPECT_EQ(std::string(bytes.data(), 19), "/home/a/history.anx");
    EXPECT_EQ(std::count(bytes.begin() + 19, bytes.end(), '\0'), 1000 - 19);
    EXPECT_TRUE(reader.Holds("/home/a/history.anx"));
    EXPECT_FALSE(reader.Holds("/home/a/history.an"));
    EXPECT_FALSE(reader.Holds("/home/a/history.anx2"));
    EXPECT_FALSE(reader.Holds("/home/b/history.anx"));
}

TEST(CSharedBlock, AThousandBytePathFillsTheBlockWithoutTerminatorAndComparesOverThousandBytes) {
    CUniqueName name("block");
    CSharedBlock block(name);
    std::string path(1000, 'a');
    path.front() = '/';
    path.back() = 'z';
    block.Write(path);
    CSharedBlock::Bytes bytes{};
    ASSERT_EQ(block.Read(bytes), 0);
    EXPECT_EQ(bytes.back(), 'z');
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\0'), 0);
    EXPECT_TRUE(block.Holds(path));
    // Only the first 1000 bytes take part, on either side.
    EXPECT_TRUE(block.Holds(path + "tail"));
    block.Write(path + "tail");
    EXPECT_TRUE(block.Holds(path));
    EXPECT_FALSE(block.Holds(path.substr(0, 999)));
}

TEST(CSharedBlock, BytesAWriterLeftBehindItsTerminatorDoNotMatter) {
    CSharedBlock::Bytes block{};
    const std::string written = std::string("/doc.vtc") + '\0' + "stale rest of an older path";
    std::copy(written.begin(), written.end(), block.begin());
    EXPECT_TRUE(CSharedBlock::Matches(block, "/doc.vtc"));
    EXPECT_FALSE(CSharedBlock::Matches(block, "/doc.vt"));
    // An unsaved document has the empty path, which only an empty block names.
    EXPECT_FALSE(CSharedBlock::Matches(block, ""));
    EXPECT_TRUE(CSharedBlock::Matches(CSharedBlock::Bytes{}, ""));
}

TEST(CSharedBlock, PathsTravelInCodePage932) {
    EXPECT_EQ(CSharedBlock::EncodePath("/年表/歴史.anx"), std::string("/\x94\x4E\x95\x5C/\x97\xF0\x8E\x6A.anx"));
    EXPECT_EQ(CSharedBlock::EncodePath("/d/\xF0\x9F\x98\x80.anx"), std::nullopt);  // an emoji has no code
}

TEST(CSharedBlock, AReleasedOrMissingBlockIsUnusableAndSaysWhy) {
    CUniqueName name("block");
    CSharedBlock missing(name, CSharedMemory::Mode::OpenExisting);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Error(), kGone);

    CSharedBlock block(name);
    ASSERT_TRUE(block.IsOpen());
    block.Release();
    EXPECT_FALSE(block.IsOpen());
    EXPECT_NE(block.Error(), 0);
    EXPECT_EQ(block.Write("/x"), kGone);  // harmless
    EXPECT_FALSE(block.Holds("/x"));

#ifdef _WIN32
    // A "\\" would name another namespace ("Global\\...").
    CSharedBlock slashed("Global\\" + name.str());
    EXPECT_FALSE(slashed.IsOpen());
    EXPECT_EQ(slashed.Error(), ERROR_INVALID_NAME);
#else
    CSharedBlock slashed("a/b");
    EXPECT_FALSE(slashed.IsOpen());
    EXPECT_EQ(slashed.Error(), EINVAL);
#endif
}

#ifdef _WIN32
TEST(CSharedBlock, AShorterMappingOrAnotherKindOfObjectUnderTheNameIsNotUsed) {
    CUniqueName name("block");
    CSharedMemory shorter(name, 100, CSharedMemory::Mode::CreateOrOpen);
    ASSERT_TRUE(shorter.IsOpen());
    // A mapping cannot grow; one short by a page or more is refused.
    CSharedMemory longer(name, 2 * 4096, CSharedMemory::Mode::CreateOrOpen);
    EXPECT_FALSE(longer.IsOpen());
    EXPECT_EQ(longer.Error(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(longer.Read(0, nullptr, 0), ERROR_ACCESS_DENIED);

    CUniqueName taken("block");
    CNamedEvent event(taken);
    ASSERT_TRUE(event.IsOpen());
    CSharedBlock onEvent(taken);
    EXPECT_FALSE(onEvent.IsOpen());
    EXPECT_EQ(onEvent.Error(), ERROR_INVALID_HANDLE);
}
#endif

TEST(CNamedEvent, StaysSetForEveryWaiterUntilReset) {
    CUniqueName name("event");
    CNamedEvent event(name);
    ASSERT_TRUE(event.IsOpen());
    EXPECT_FALSE(event.Wait(0ms).set);  // a new event starts not set
    EXPECT_EQ(event.Set(), 0);
    EXPECT_TRUE(event.Wait(0ms).set);
    EXPECT_TRUE(event.Wait(0ms).set);
    EXPECT_EQ(event.Reset(), 0);
    const CNamedEvent::WaitResult later = event.Wait(20ms);
    EXPECT_FALSE(later.set);
    EXPECT_EQ(later.error, 0);
}

TEST(CNamedEvent, ASetThroughAnotherOpeningWakesAWaiter) {
    CUniqueName name("event");
    CNamedEvent waiter(name);
    std::thread setter([&] {
        std::this_thread::sleep_for(30ms);
        CNamedEvent other(name.str(), CSharedMemory::Mode::OpenExisting);
        other.Set();
    });
    EXPECT_TRUE(waiter.Wait(10s).set);
    setter.join();

    CNamedEvent missing("vitachron test no such event", CSharedMemory::Mode::OpenExisting);
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Wait(0ms).error, kGone);
}
