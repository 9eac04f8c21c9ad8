#include "links/CAnnalixLink.h"

#include "support/links/CFakeLinkTransport.h"
#include "support/links/UniqueName.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include "links/CLinkNamespace.h"

#include <unistd.h>
#endif

using namespace std::chrono_literals;
using Sent = CFakeLinkTransport::Sent;

namespace {

// The frame's side as the link sees it, with the user-interface thread's
// queue in the test's hands.
class AnnalixLinkTest : public ::testing::Test {
protected:
    CUniqueName blockName{"block"};
    CUniqueName eventName{"event"};
    CFakeLinkTransport* transport = nullptr;
    std::unique_ptr<CAnnalixLink> link;

    std::string documentPath = "/home/u/年表.vtc";
    int contextYear = 1582;
    std::vector<int> centred;
    std::vector<std::string> messages;
    std::deque<std::function<void()>> uiQueue;

    void SetUp() override {
        auto fake = std::make_unique<CFakeLinkTransport>();
        transport = fake.get();
        CAnnalixLink::Callbacks callbacks{
            [this] { return documentPath; },
            [this] { return contextYear; },
            [this](int year) { centred.push_back(year); },
            [this](const std::string& text) { messages.push_back(text); },
            [this](std::function<void()> task) { uiQueue.push_back(std::move(task)); },
        };
        link = std::make_unique<CAnnalixLink>(std::move(fake), std::move(callbacks),
                                              CAnnalixLink::Options{blockName, eventName, 30ms, 5000ms});
    }

    void RunUiQueue() {
        while (!uiQueue.empty()) {
            auto task = std::move(uiQueue.front());
            uiQueue.pop_front();
            task();
        }
    }

    void WriteBlock(const std::string& utf8Path) { CSharedBlock(blockName).Write(*CSharedBlock::EncodePath(utf8Path)); }
};

}  // namespace

TEST_F(AnnalixLinkTest, AnAnnalixAnsweringDuringTheBroadcastIsRaisedAndGetsTheYear) {
    constexpr CLinkTransport::Handle kAnnalix = 0x100000055;
    std::future<std::int64_t> reply;
    transport->duringBroadcast = [&] {
        // The peer reads the block and calls back before the broadcast returns.
        EXPECT_TRUE(CSharedBlock(blockName).Holds(*CSharedBlock::EncodePath("/d/歴史.anx")));
        reply = transport->Deliver(LinkProtocol::kHasDocument, kAnnalix);
    };
    link->ShowInAnnalix("/d/歴史.anx");

    EXPECT_EQ(reply.get(), 0);
    EXPECT_EQ(transport->broadcasts, (std::vector<Sent>{{0, CFakeLinkTransport::kOwn, 0x1002}}));
    EXPECT_TRUE(transport->started.empty());
    EXPECT_EQ(transport->raised, std::vector<CLinkTransport::Handle>{kAnnalix});
    EXPECT_EQ(transport->sent, (std::vector<Sent>{{kAnnalix, 1582, 0x1003}}));
    EXPECT_EQ(link->AnnalixWindow(), kAnnalix);
    EXPECT_TRUE(messages.empty());
}

TEST_F(AnnalixLinkTest, WithoutAnswerAnnalixIsStartedAndItsFirstWindowGetsTheYear) {
    contextYear = -500;
    link->ShowInAnnalix("/d/a.b.anx");
    EXPECT_EQ(transport->started, std::vector<std::string>{"/d/a.b.anx"});
    EXPECT_EQ(transport->startTimeouts, std::vector<std::chrono::milliseconds>{5000ms});
    EXPECT_TRUE(transport->raised.empty());
    EXPECT_EQ(transport->sent, (std::vector<Sent>{{transport->startResult.handle, -500, 0x1003}}));
    EXPECT_EQ(link->AnnalixWindow(), transport->startResult.handle);
}

TEST_F(AnnalixLinkTest, StartFailuresAreReportedWithTheSystemCodeAndSendNothing) {
    transport->startResult = {CLinkTransport::StartStatus::StartFailed, 0, 2};
    link->ShowInAnnalix("/d/x.anx");
    transport->startResult = {CLinkTransport::StartStatus::NotIdle, 0, 110};
    link->ShowInAnnalix("/d/x.anx");
    EXPECT_EQ(messages, (std::vector<std::string>{"Annalixの起動に失敗しました(2)", "Annalixとの同期に失敗しました(110)"}));
    EXPECT_TRUE(transport->sent.empty());
    EXPECT_EQ(link->AnnalixWindow(), 0);
}

TEST_F(AnnalixLinkTest, AnAnswerAfterTheWaitCountsOnlyForItselfNotForTheNextQuery) {
    // Too late for its query: it still names the window and sets the event...
    EXPECT_EQ(transport->Deliver(LinkProtocol::kHasDocument, 0x100000099).get(), 0);
    EXPECT_EQ(link->AnnalixWindow(), 0x100000099);
    EXPECT_TRUE(CNamedEvent(eventName).Wait(0ms).set);
    // ...but the next query resets the event first, so nobody answering it means a start.
    link->ShowInAnnalix("/d/x.anx");
    EXPECT_EQ(transport->started.size(), 1u);
    EXPECT_TRUE(transport->raised.empty());
}

TEST_F(AnnalixLinkTest, AReleasedBlockOrAMissingEventIsTheStartErrorUntilReacquired) {
    link->ReleaseBlock();
    link->ShowInAnnalix("/d/x.anx");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Annalixの起動に失敗しました(", 0), 0u) << messages[0];
    EXPECT_TRUE(transport->broadcasts.empty());
    // A query while the block is away goes unanswered rather than reading it.
    auto reply = transport->Deliver(LinkProtocol::kAskHasDocument, 0x100000021);
    RunUiQueue();
    EXPECT_EQ(reply.get(), 0);
    EXPECT_TRUE(transport->sent.empty());

    link->Reacquire();
    link->ShowInAnnalix("/d/x.anx");
    EXPECT_EQ(transport->broadcasts.size(), 1u);
    EXPECT_EQ(messages.size(), 1u);

#ifndef _WIN32
    // (A Windows event lives as long as the frame holds it.)
    CSharedMemory::Remove(eventName);
    link->ShowInAnnalix("/d/x.anx");
    EXPECT_EQ(messages.back(), "Annalixの起動に失敗しました(2)");  // ENOENT
    EXPECT_EQ(transport->broadcasts.size(), 1u);
#endif
}

#ifdef _WIN32
TEST_F(AnnalixLinkTest, AnEventNameTakenByAnotherKindOfObjectIsTheStartError) {
    CUniqueName taken("event");
    CSharedMemory mapping(taken, 64, CSharedMemory::Mode::CreateOrOpen);
    ASSERT_TRUE(mapping.IsOpen());
    auto fake = std::make_unique<CFakeLinkTransport>();
    CFakeLinkTransport* other = fake.get();
    CAnnalixLink linked(std::move(fake),
                        {[] { return std::string(); }, [] { return 1600; }, [](int) {},
                         [this](const std::string& text) { messages.push_back(text); },
                         [](std::function<void()>) {}},
                        CAnnalixLink::Options{blockName, taken, 30ms, 5000ms});
    linked.ShowInAnnalix("C:\\d\\x.anx");
    EXPECT_EQ(messages, std::vector<std::string>{"Annalixの起動に失敗しました(" + std::to_string(ERROR_INVALID_HANDLE) + ")"});
    EXPECT_TRUE(other->broadcasts.empty());
    EXPECT_TRUE(other->started.empty());
}
#else
TEST_F(AnnalixLinkTest, ABlockOrEventShrunkOrFilledByAnotherProcessIsTheStartErrorNotACrash) {
    const std::string block = CLinkNamespace::PathOf(blockName);
    const std::string event = CLinkNamespace::PathOf(eventName);
    // A query finds no document in a block it cannot read whole.
    WriteBlock(documentPath);
    ASSERT_EQ(::truncate(block.c_str(), 10), 0);
    auto reply = transport->Deliver(LinkProtocol::kAskHasDocument, 0x100000031);
    RunUiQueue();
    EXPECT_EQ(reply.get(), 0);
    EXPECT_TRUE(transport->sent.empty());
    link->ShowInAnnalix("/d/x.anx");
    EXPECT_EQ(messages, std::vector<std::string>{"Annalixの起動に失敗しました(22)"});
    EXPECT_TRUE(transport->broadcasts.empty());

    // The event shrunk, or filled with what no event holds, while the link waits on it.
    ASSERT_EQ(::truncate(block.c_str(), 1000), 0);
    transport->duringBroadcast = [&] { ASSERT_EQ(::truncate(event.c_str(), 0), 0); };
    link->ShowInAnnalix("/d/x.anx");
    ASSERT_EQ(::truncate(event.c_str(), 64), 0);
    transport->duringBroadcast = [&] {
        std::ofstream(event, std::ios::in | std::ios::out | std::ios::binary).write("\xEF\xBE\xAD\xDE", 4);
    };
    link->ShowInAnnalix("/d/x.anx");
    EXPECT_EQ(transport->broadcasts.size(), 2u);
    EXPECT_EQ(messages, std::vector<std::string>(3, "Annalixの起動に失敗しました(22)"));
    EXPECT_TRUE(transport->started.empty());
    // An answer setting a shrunk event does no harm either.
    ASSERT_EQ(::truncate(event.c_str(), 0), 0);
    EXPECT_EQ(transport->Deliver(LinkProtocol::kHasDocument, 0x100000055).get(), 0);
}
#endif

TEST_F(AnnalixLinkTest, APathOutsideCodePage932SkipsTheQueryAndStartsAnnalix) {
    link->ShowInAnnalix("/d/\xF0\x9F\x98\x80.anx");
    EXPECT_TRUE(transport->broadcasts.empty());
    EXPECT_EQ(transport->started.size(), 1u);
}

TEST_F(AnnalixLinkTest, AQueryIsAnsweredOnlyForTheCurrentDocumentBeforeItsReplyReturns) {
    constexpr CLinkTransport::Handle kAsker = 0x100000031;
    WriteBlock(documentPath);
    auto reply = transport->Deliver(LinkProtocol::kAskHasDocument, kAsker);
    // The asker is still waiting while the user-interface thread has not looked.
    EXPECT_EQ(reply.wait_for(0ms), std::future_status::timeout);
    RunUiQueue();
    EXPECT_EQ(reply.get(), 0);
    EXPECT_EQ(transport->sent, (std::vector<Sent>{{kAsker, CFakeLinkTransport::kOwn, 0x1001}}));

    WriteBlock("/home/u/別の.vtc");
    reply = transport->Deliver(LinkProtocol::kAskHasDocument, kAsker);
    RunUiQueue();
    EXPECT_EQ(reply.get(), 0);
    EXPECT_EQ(transport->sent.size(), 1u);

    // A never-saved document has no path to match a named one.
    documentPath.clear();
    WriteBlock("/home/u/年表.vtc");
    transport->Deliver(LinkProtocol::kAskHasDocument, kAsker);
    RunUiQueue();
    EXPECT_EQ(transport->sent.size(), 1u);
}

TEST_F(AnnalixLinkTest, AYearRequestCentresTheTimelineAndOtherCodesAreIgnored) {
    EXPECT_EQ(transport->Deliver(LinkProtocol::kCentreYear, -660).get(), 0);
    EXPECT_TRUE(centred.empty());  // only on the user-interface thread
    RunUiQueue();
    EXPECT_EQ(centred, std::vector<int>{-660});

    for (const std::int64_t code : {0, 4, 0x1002}) {
        EXPECT_EQ(transport->Deliver(code, 1999).get(), 0) << code;
    }
    EXPECT_TRUE(uiQueue.empty());
    EXPECT_EQ(link->AnnalixWindow(), 0);
    EXPECT_TRUE(transport->sent.empty());
    EXPECT_TRUE(centred.size() == 1);
}

TEST_F(AnnalixLinkTest, TasksLeftForTheUserInterfaceDoNothingOnceTheLinkIsGone) {
    WriteBlock(documentPath);
    auto reply = transport->Deliver(LinkProtocol::kAskHasDocument, 0x100000031);
    transport->Deliver(LinkProtocol::kCentreYear, 1600);
    link.reset();
    RunUiQueue();
    EXPECT_EQ(reply.get(), 0);
    EXPECT_TRUE(centred.empty());
}

TEST(CAnnalixLinkLabel, NamesTheFileWithoutItsLastExtension) {
    EXPECT_EQ(CAnnalixLink::ShowLabel("/home/u/history.anx"), "Annalix(history)を表示");
    EXPECT_EQ(CAnnalixLink::ShowLabel("/home/u/a.b.anx"), "Annalix(a.b)を表示");
    EXPECT_EQ(CAnnalixLink::ShowLabel("C:\\年表\\日本史.anx"), "Annalix(日本史)を表示");
    EXPECT_EQ(CAnnalixLink::ShowLabel("/home/u.v/noext"), "Annalix(noext)を表示");
    EXPECT_EQ(CAnnalixLink::ShowLabel("history.anx"), "Annalix(history)を表示");
}
