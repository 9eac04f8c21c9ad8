// The Annalix link across real processes on a private session bus (each
// case runs under its own dbus-run-session; the display comes from the
// caller, as for ui_tests; Win32LinkProcessTest.cpp is its Windows twin): link-host plays Vitachron, annalix-peer plays
// Annalix, started by the test or by the link through the desktop's
// default program for *.anx, and this test process itself plays an Annalix
// that asks Vitachron questions.
#include "links/CAnnalixPeerInstaller.h"
#include "links/CDbusLinkTransport.h"
#include "links/CLinkTransport.h"
#include "links/CSharedBlock.h"
#include "links/LinkProtocol.h"

#include "CLinkChild.h"
#include "support/links/UniqueName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include <signal.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr auto kPatience = CLinkChild::kPatience;

std::string ReadText(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class LinkProcessTest : public ::testing::Test {
protected:
    fs::path dir;
    CUniqueName block{"block"};
    CUniqueName event{"event"};
    fs::path peerLog;
    std::unique_ptr<CLinkChild> host;
    CLinkTransport::Handle hostHandle = 0;

    void SetUp() override {
        ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "needs a session bus";
        char pattern[] = "/tmp/vitachron-link-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        // A desktop of its own: no program for *.anx unless the test installs one.
        ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        // The link's objects in a runtime folder of their own, where every
        // program of the case must find them.
        ::setenv("XDG_RUNTIME_DIR", (dir / "runtime").c_str(), 1);
        fs::create_directory(dir / "runtime");
        fs::permissions(dir / "runtime", fs::perms::owner_all);
        peerLog = dir / "peer.log";
        ::setenv("ANNALIX_PEER_LOG", peerLog.c_str(), 1);
        ::setenv("ANNALIX_PEER_BLOCK", block.str().c_str(), 1);
        // The GTK programs started here must not have this bus start the
        // accessibility services: they outlive the test holding its output
        // open, and ctest would wait for them until its time-out.
        ::setenv("NO_AT_BRIDGE", "1", 1);
    }

    void TearDown() override {
        host.reset();
        // Annalixes the link started are not our children: end them by the
        // pid they logged, or they would outlive the test (and its bus).
        std::istringstream log(ReadText(peerLog));
        for (std::string line; std::getline(log, line);) {
            if (line.rfind("start pid=", 0) == 0) {
                CLinkChild::End(std::stol(line.substr(10)));
            }
        }
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    void StartHost(const std::string& document, std::chrono::milliseconds answer = 1000ms,
                   std::chrono::milliseconds start = 20000ms) {
        host = std::make_unique<CLinkChild>(std::vector<std::string>{VITACHRON_LINK_HOST, block, event,
                                                                 std::to_string(answer.count()),
                                                                 std::to_string(start.count()), document},
                                        true);
        const std::string ready = host->ReadLine();
        ASSERT_EQ(ready.rfind("ready ", 0), 0u) << ready;
        hostHandle = std::stoll(ready.substr(6));
        ASSERT_NE(hostHandle, 0);
    }

    // The peer's log once it holds text (or all of it at the time-out).
    std::string WaitForPeer(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        std::string log;
        while (std::chrono::steady_clock::now() < deadline) {
            log = ReadText(peerLog);
            if (log.find(text) != std::string::npos) {
                break;
            }
            std::this_thread::sleep_for(20ms);
        }
        return log;
    }

    fs::path MakeAnnalixDocument(const std::string& name) {
        const fs::path file = dir / name;
        std::ofstream(file) << "1582 本能寺の変\n1600 関ヶ原の戦い\n";
        return file;
    }
};

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

}  // namespace

TEST_F(LinkProcessTest, AnAnnalixShowingTheDocumentAnswersDuringTheBroadcastComesToTheTopAndGetsTheYear) {
    const fs::path anx = MakeAnnalixDocument("history.anx");
    StartHost("/home/u/never-asked.vtc");
    CLinkChild peer({VITACHRON_ANNALIX_PEER, anx.string()}, false);
    ASSERT_NE(WaitForPeer("joined ").find("joined "), std::string::npos);

    host->Write("show 1582 " + anx.string());
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{});  // no message

    const std::string log = WaitForPeer("year 1582");
    EXPECT_NE(log.find("answered-query " + std::to_string(hostHandle) + "\n"), std::string::npos) << log;
    EXPECT_NE(log.find("raised\n"), std::string::npos) << log;
    EXPECT_NE(log.find("year 1582\n"), std::string::npos) << log;
    EXPECT_EQ(Count(log, "start "), 1) << "no second Annalix was started\n" << log;
    // In this order: the answer came while the broadcast was under way, then the rest.
    EXPECT_LT(log.find("answered-query"), log.find("raised"));
    EXPECT_LT(log.find("raised"), log.find("year 1582"));
}

TEST_F(LinkProcessTest, WithNoAnnalixRunningTheDesktopsProgramForAnxIsStartedAndGetsTheYear) {
    ASSERT_TRUE(CAnnalixPeerInstaller::Install(VITACHRON_ANNALIX_PEER));
    EXPECT_NE(ReadText(dir / "config" / "mimeapps.list").find("application/x-annalix=annalix-peer.desktop"),
              std::string::npos);
    const fs::path anx = MakeAnnalixDocument("歴史 年表.anx");  // a blank and code page 932 on the command line
    StartHost("/home/u/x.vtc");

    host->Write("show -500 " + anx.string());
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{});

    const std::string log = WaitForPeer("year -500");
    EXPECT_NE(log.find(" argv0=annalix path=" + anx.string() + "\n"), std::string::npos) << log;
    EXPECT_NE(log.find("year -500\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("raised"), std::string::npos) << log;

    // The started Annalix now answers for its document: the next time it is only raised.
    host->Write("show 1600 " + anx.string());
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{});
    const std::string again = WaitForPeer("year 1600");
    EXPECT_NE(again.find("raised\n"), std::string::npos) << again;
    EXPECT_EQ(Count(again, "start "), 1) << again;
}

TEST_F(LinkProcessTest, AnAnnalixThatCannotBeStartedOrNeverJoinsIsReported) {
    const fs::path anx = MakeAnnalixDocument("x.anx");
    StartHost("/home/u/x.vtc", 100ms, 700ms);

    host->Write("show 1600 " + anx.string());  // nothing is associated with *.anx yet
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{"message Annalixの起動に失敗しました(2)"});

    // A program that runs but never joins the bus.
    const fs::path sleeper = dir / "never-joins";
    std::ofstream(sleeper) << "#!/bin/sh\nexec sleep 5 >/dev/null 2>&1\n";
    fs::permissions(sleeper, fs::perms::owner_all);
    ASSERT_TRUE(CAnnalixPeerInstaller::Install(sleeper));
    host.reset();  // the desktop's programs are looked up once per process
    StartHost("/home/u/x.vtc", 100ms, 700ms);
    host->Write("show 1600 " + anx.string());
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{"message Annalixとの同期に失敗しました(110)"});

    // A close released the block: the link says so instead of using it.
    host->Write("release");
    host->UntilDone();
    host->Write("show 1600 " + anx.string());
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{"message Annalixの起動に失敗しました(2)"});
}

TEST_F(LinkProcessTest, VitachronAnswersQueriesForItsOwnDocumentOnlyAndCentresRequestedYears) {
    std::string document = "/tmp/" + std::string(991, 'd') + ".vtc";
    ASSERT_EQ(document.size(), 1000u);
    StartHost(document);

    // This process plays an asking Annalix.
    std::mutex mutex;
    std::vector<std::pair<std::int64_t, std::int64_t>> received;
    CDbusLinkTransport annalix(LinkProtocol::kToAnnalix, LinkProtocol::kToVitachron);
    annalix.SetHandlers({[&](std::int64_t w, std::int64_t l, CLinkReply reply) {
                             std::lock_guard lock(mutex);
                             received.emplace_back(w, l);
                             reply(0);
                         },
                         nullptr});
    ASSERT_NE(annalix.OwnHandle(), 0);
    auto takeReceived = [&] {
        std::lock_guard lock(mutex);
        return std::exchange(received, {});
    };
    CSharedBlock shared(block.str());
    EXPECT_TRUE(fs::exists(dir / "runtime" / block.str()));  // where link-host made it

    // A 1000-byte path fills the block with no terminator, and matches.
    ASSERT_EQ(shared.Write(document), 0);
    CSharedBlock::Bytes bytes{};
    ASSERT_EQ(shared.Read(bytes), 0);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\0'), 0);
    EXPECT_EQ(annalix.Send(hostHandle, LinkProtocol::kAskHasDocument, annalix.OwnHandle()), 0);
    // Answered before the query returned.
    using Received = std::vector<std::pair<std::int64_t, std::int64_t>>;
    EXPECT_EQ(takeReceived(), (Received{{hostHandle, LinkProtocol::kAnswer}}));

    // Only 1000 bytes count: a longer path with the same beginning is the same document.
    shared.Write(document + "-longer");
    annalix.Send(hostHandle, LinkProtocol::kAskHasDocument, annalix.OwnHandle());
    EXPECT_EQ(takeReceived().size(), 1u);

    // Another path: no answer.
    shared.Write("/tmp/another.vtc");
    annalix.Send(hostHandle, LinkProtocol::kAskHasDocument, annalix.OwnHandle());
    document.back() = 'x';
    shared.Write(document);
    annalix.Send(hostHandle, LinkProtocol::kAskHasDocument, annalix.OwnHandle());
    EXPECT_EQ(takeReceived(), Received{});

    // Codes 0 and 4 are ignored; code 2 centres the year, and is the only thing Vitachron did.
    EXPECT_EQ(annalix.Send(hostHandle, 0, 1868), 0);
    EXPECT_EQ(annalix.Send(hostHandle, 4, 1868), 0);
    EXPECT_EQ(annalix.Send(hostHandle, LinkProtocol::kCentreYear, 1603), 0);
    EXPECT_EQ(host->ReadLine(), "centre 1603");
    EXPECT_EQ(takeReceived(), Received{});
}

TEST_F(LinkProcessTest, PeersThatHangHoldTheBroadcastUpForOneReplyBoundAndTheLiveOneStillAnswers) {
    const fs::path anx = MakeAnnalixDocument("history.anx");
    StartHost("/home/u/x.vtc");
    // Stopped, they keep their place on the bus but never answer.
    std::vector<std::unique_ptr<CLinkChild>> hung;
    for (const char* name : {"a.anx", "b.anx", "c.anx"}) {
        hung.push_back(std::make_unique<CLinkChild>(std::vector<std::string>{VITACHRON_ANNALIX_PEER, MakeAnnalixDocument(name).string()}, false));
    }
    CLinkChild live({VITACHRON_ANNALIX_PEER, anx.string()}, false);
    const auto joined = [&] { return Count(ReadText(peerLog), "joined "); };
    for (const auto deadline = std::chrono::steady_clock::now() + kPatience;
         joined() < 4 && std::chrono::steady_clock::now() < deadline;) {
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_EQ(joined(), 4);
    struct CResume {
        std::vector<std::unique_ptr<CLinkChild>>& children;
        ~CResume() {
            for (auto& child : children) {
                ::kill(child->Pid(), SIGCONT);  // a stopped child would not end at the test's end
            }
        }
    } resume{hung};
    for (auto& child : hung) {
        ASSERT_EQ(::kill(child->Pid(), SIGSTOP), 0);
    }

    const auto start = std::chrono::steady_clock::now();
    host->Write("show 1582 " + anx.string());
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{});
    const auto took = std::chrono::steady_clock::now() - start;

    const std::string log = WaitForPeer("year 1582");
    EXPECT_NE(log.find("answered-query " + std::to_string(hostHandle) + "\n"), std::string::npos) << log;
    EXPECT_NE(log.find("raised\n"), std::string::npos) << log;
    EXPECT_EQ(Count(log, "start "), 4) << "no Annalix was started\n" << log;
    // The hung ones were waited for side by side, each for the bound: one
    // after the other they would take three bounds at least.
    EXPECT_GE(took, CLinkTransport::kReplyTimeout);
    EXPECT_LT(took, 3 * CLinkTransport::kReplyTimeout);
}
