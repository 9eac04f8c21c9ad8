// The Windows transport within one process: two participants, each with its
// hidden window on a thread of its own, talk as Vitachron and Annalix do.
// A broadcast reaches every participant of the session, so these cases run
// one at a time with the other programs of the link (see CMakeLists.txt).
#include "links/CWin32LinkTransport.h"
#include "links/LinkProtocol.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include <windows.h>

using namespace std::chrono_literals;

namespace {

using Received = std::vector<std::pair<std::int64_t, std::int64_t>>;

// One participant and what it was sent.
struct CParticipant {
    CWin32LinkTransport transport;
    std::mutex mutex;
    Received received;
    int raised = 0;
    // What it does with a message, after recording it; replies 0 by default.
    std::function<void(std::int64_t, std::int64_t, CLinkReply&)> react;

    CParticipant(const char* incoming, const char* outgoing) : transport(incoming, outgoing) {
        transport.SetHandlers({[this](std::int64_t w, std::int64_t l, CLinkReply reply) {
                                   {
                                       std::lock_guard lock(mutex);
                                       received.emplace_back(w, l);
                                   }
                                   if (react) {
                                       react(w, l, reply);
                                   }
                                   reply(0);
                               },
                               [this] {
                                   std::lock_guard lock(mutex);
                                   ++raised;
                               }});
    }
    Received Take() {
        std::lock_guard lock(mutex);
        return std::exchange(received, {});
    }
    CLinkTransport::Handle Own() const { return transport.OwnHandle(); }
};

struct CVitachron : CParticipant {
    CVitachron() : CParticipant(LinkProtocol::kToVitachron, LinkProtocol::kToAnnalix) {}
};
struct CAnnalix : CParticipant {
    CAnnalix() : CParticipant(LinkProtocol::kToAnnalix, LinkProtocol::kToVitachron) {}
};

// Handles what is sent to this thread's windows until done is ready.
template <typename T>
T PumpUntil(std::future<T>& done) {
    while (done.wait_for(0ms) != std::future_status::ready) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&msg);
        }
    }
    return done.get();
}

}  // namespace

TEST(CWin32LinkTransport, AnAnnalixAnswersTheBroadcastQueryBeforeTheBroadcastReturnsAndOnlyTheOtherSideHearsIt) {
    CVitachron vitachron;
    CAnnalix annalix;
    ASSERT_NE(vitachron.Own(), 0);
    ASSERT_NE(annalix.Own(), 0);
    EXPECT_TRUE(::IsWindow(reinterpret_cast<HWND>(vitachron.Own())));
    annalix.react = [&](std::int64_t w, std::int64_t l, CLinkReply&) {
        if (l == LinkProtocol::kQuery) {
            annalix.transport.Send(w, LinkProtocol::kHasDocument, annalix.Own());
        }
    };

    vitachron.transport.Broadcast(vitachron.Own(), LinkProtocol::kQuery);
    EXPECT_EQ(vitachron.Take(), (Received{{LinkProtocol::kHasDocument, annalix.Own()}}));
    EXPECT_EQ(annalix.Take(), (Received{{vitachron.Own(), LinkProtocol::kQuery}}));

    // The other way: a query of Annalix's reaches Vitachron only.
    annalix.transport.Broadcast(LinkProtocol::kAskHasDocument, annalix.Own());
    EXPECT_EQ(vitachron.Take(), (Received{{LinkProtocol::kAskHasDocument, annalix.Own()}}));
    EXPECT_EQ(annalix.Take(), Received{});
}

TEST(CWin32LinkTransport, AParticipantThatHangsHoldsTheBroadcastUpForOneReplyBoundAndTheLiveOneStillAnswers) {
    CVitachron vitachron;
    CAnnalix hung;
    CAnnalix live;
    hung.react = [](std::int64_t, std::int64_t, CLinkReply&) { std::this_thread::sleep_for(3 * CLinkTransport::kReplyTimeout / 2); };
    live.react = [&](std::int64_t w, std::int64_t l, CLinkReply&) {
        if (l == LinkProtocol::kQuery) {
            live.transport.Send(w, LinkProtocol::kHasDocument, live.Own());
        }
    };
    const auto start = std::chrono::steady_clock::now();
    vitachron.transport.Broadcast(vitachron.Own(), LinkProtocol::kQuery);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(vitachron.Take(), (Received{{LinkProtocol::kHasDocument, live.Own()}}));
    EXPECT_LT(took, 3 * CLinkTransport::kReplyTimeout / 2);
}

TEST(CWin32LinkTransport, AReplyGivenLaterFromAnotherThreadIsWaitedForWhileTheWindowStillTakesMessages) {
    CVitachron vitachron;
    CAnnalix annalix;
    std::thread ui;
    std::chrono::steady_clock::duration otherTook{};
    // As the link answers a query: on another thread, first the answer, then the reply.
    vitachron.react = [&](std::int64_t w, std::int64_t l, CLinkReply& reply) {
        if (w != LinkProtocol::kAskHasDocument) {
            return;
        }
        ui = std::thread([&, asker = l, pending = std::make_shared<CLinkReply>(std::move(reply))] {
            std::this_thread::sleep_for(50ms);
            vitachron.transport.Send(asker, vitachron.Own(), LinkProtocol::kAnswer);
            // Another message while the reply is owed: taken at once all the same.
            const auto start = std::chrono::steady_clock::now();
            std::thread([&] { annalix.transport.Send(vitachron.Own(), LinkProtocol::kCentreYear, 1600); }).join();
            otherTook = std::chrono::steady_clock::now() - start;
            (*pending)(7);
        });
    };
    EXPECT_EQ(annalix.transport.Send(vitachron.Own(), LinkProtocol::kAskHasDocument, annalix.Own()), 7);
    EXPECT_EQ(annalix.Take(), (Received{{vitachron.Own(), LinkProtocol::kAnswer}}));  // before the reply
    ui.join();
    EXPECT_LT(otherTook, CLinkTransport::kReplyTimeout / 2);
    EXPECT_EQ(vitachron.Take(), (Received{{LinkProtocol::kAskHasDocument, annalix.Own()}, {LinkProtocol::kCentreYear, 1600}}));

    // A reply never given counts as 0 after the bound, not the system's 25 s.
    std::shared_ptr<CLinkReply> lost;
    vitachron.react = [&](std::int64_t, std::int64_t, CLinkReply& reply) {
        lost = std::make_shared<CLinkReply>(std::move(reply));
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(annalix.transport.Send(vitachron.Own(), LinkProtocol::kCentreYear, 1600), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2 * CLinkTransport::kReplyTimeout);
}

TEST(CWin32LinkTransport, RaiseBringsTheOwnerUpWithoutShowingTheHiddenWindowAndAWindowThatIsGoneGetsNothing) {
    CVitachron vitachron;
    CLinkTransport::Handle gone = 0;
    {
        CAnnalix annalix;
        gone = annalix.Own();
        EXPECT_TRUE(vitachron.transport.Raise(annalix.Own()));
        EXPECT_EQ(annalix.raised, 1);
        EXPECT_FALSE(::IsWindowVisible(reinterpret_cast<HWND>(annalix.Own())));
    }
    EXPECT_FALSE(vitachron.transport.Raise(gone));
    EXPECT_FALSE(vitachron.transport.Raise(0));
    EXPECT_EQ(vitachron.transport.Send(gone, 1600, LinkProtocol::kShowYear), 0);
}

TEST(CWin32LinkTransport, AStartedProgramsOtherWindowsTakeWhatIsSentToThemButNotTheBroadcastAgain) {
    CVitachron vitachron;
    CAnnalix annalix;
    // This thread plays the started program's primary thread with a window of its own.
    const HWND frame = ::CreateWindowExW(0, L"STATIC", L"frame", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame, nullptr);
    annalix.transport.ServeThisThreadsWindows([](std::int64_t, std::int64_t l) { return l != LinkProtocol::kQuery; });

    auto year = std::async(std::launch::async, [&] {
        return vitachron.transport.Send(reinterpret_cast<CLinkTransport::Handle>(frame), 1582, LinkProtocol::kShowYear);
    });
    PumpUntil(year);
    EXPECT_EQ(annalix.Take(), (Received{{1582, LinkProtocol::kShowYear}}));

    auto query = std::async(std::launch::async, [&] {
        vitachron.transport.Broadcast(vitachron.Own(), LinkProtocol::kQuery);
        return 0;
    });
    PumpUntil(query);
    EXPECT_EQ(annalix.Take(), (Received{{vitachron.Own(), LinkProtocol::kQuery}}));  // once, through the hidden window
    ::DestroyWindow(frame);
}

TEST(CWin32LinkTransport, WithNothingAssociatedStartingFailsWithTheSystemsCode) {
    CVitachron vitachron;
    const auto started = vitachron.transport.StartAnnalix("C:\\nowhere\\x.vitachron-test-unknown-type", 1000ms);
    EXPECT_EQ(started.status, CLinkTransport::StartStatus::StartFailed);
    EXPECT_EQ(started.error, ERROR_NO_ASSOCIATION);
    EXPECT_EQ(started.handle, 0);
}
