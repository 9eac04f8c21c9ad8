// The Annalix link across real processes on Windows (under Wine: the
// programs of one prefix): link-host plays Vitachron, annalix-peer plays
// Annalix, started by the test or by the link through the program the
// registry associates with *.anx, and this test process itself plays an
// Annalix that asks Vitachron questions. The programs lie beside this one.
// The association is this user's (HKEY_CURRENT_USER\Software\Classes): the
// cases take it away before and after, and leave one of another program's
// alone.
#include "CLinkChild.h"

#include "links/CAnnalixPeerInstaller.h"
#include "links/CSharedBlock.h"
#include "links/CWin32LinkTransport.h"
#include "links/LinkProtocol.h"
#include "model/WideText.h"

#include "support/links/UniqueName.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

#include <windows.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr auto kPatience = CLinkChild::kPatience;
const std::wstring kClasses = L"Software\\Classes\\";

// Text mode: the peer's log lines end in "\r\n" here.
std::string ReadText(const fs::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Utf8Of(const fs::path& path) { return Utf8Text(path.wstring()); }

fs::path ProgramDir() {
    std::wstring self(32768, L'\0');
    self.resize(::GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return fs::path(self).parent_path();
}

std::string LinkHost() { return Utf8Of(ProgramDir() / L"link-host.exe"); }
std::string AnnalixPeer() { return Utf8Of(ProgramDir() / L"annalix-peer.exe"); }
std::string NeverIdle() { return Utf8Of(ProgramDir() / L"never-idle.exe"); }

// The default value of root\key; empty when there is none.
std::wstring DefaultValue(HKEY root, const std::wstring& key) {
    wchar_t value[1024] = {};
    DWORD bytes = sizeof value;
    if (::RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS) {
        return {};
    }
    return value;
}

// Takes the stand-in's association away again, from the user's classes
// and (Wine) the merged ones; another program's stays.
void RemovePeerAssociation() {
    for (const auto& [root, prefix] : {std::pair{HKEY_CURRENT_USER, kClasses}, std::pair{HKEY_CLASSES_ROOT, std::wstring()}}) {
        if (DefaultValue(root, prefix + CAnnalixPeerInstaller::kExtension) == CAnnalixPeerInstaller::kProgId) {
            ::RegDeleteTreeW(root, (prefix + CAnnalixPeerInstaller::kExtension).c_str());
        }
        ::RegDeleteTreeW(root, (prefix + CAnnalixPeerInstaller::kProgId).c_str());
    }
}

void SetEnv(const wchar_t* name, const fs::path& value) { ::SetEnvironmentVariableW(name, value.c_str()); }

class Win32LinkProcessTest : public ::testing::Test {
protected:
    fs::path dir;
    CUniqueName block{"block"};
    CUniqueName event{"event"};
    fs::path peerLog;
    std::unique_ptr<CLinkChild> host;
    CLinkTransport::Handle hostHandle = 0;
    bool hadAnnalixSettings = false;

    void SetUp() override {
        RemovePeerAssociation();
        // The stand-in makes Annalix's settings key; one that was not there goes again.
        HKEY key = nullptr;
        hadAnnalixSettings =
            ::RegOpenKeyExW(HKEY_CURRENT_USER, CWin32LinkTransport::kAnnalixKey, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (hadAnnalixSettings) {
            ::RegCloseKey(key);
        }
        dir = fs::temp_directory_path() / ("vitachron-link-" + std::to_string(::GetCurrentProcessId()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        peerLog = dir / "peer.log";
        SetEnv(L"ANNALIX_PEER_LOG", peerLog);
        SetEnv(L"ANNALIX_PEER_BLOCK", WideText(block.str()));
    }

    void TearDown() override {
        host.reset();
        // Annalixes the link started are not our children: end them by the
        // pid they logged.
        std::istringstream log(ReadText(peerLog));
        for (std::string line; std::getline(log, line);) {
            if (line.rfind("start pid=", 0) == 0) {
                CLinkChild::End(std::stol(line.substr(10)));
            }
        }
        RemovePeerAssociation();
        if (!hadAnnalixSettings) {
            ::RegDeleteTreeW(HKEY_CURRENT_USER, CWin32LinkTransport::kAnnalixKey);
        }
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    void StartHost(const std::string& document, std::chrono::milliseconds answer = 1000ms,
                   std::chrono::milliseconds start = 20000ms) {
        host = std::make_unique<CLinkChild>(std::vector<std::string>{LinkHost(), block, event,
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

    fs::path MakeAnnalixDocument(const std::wstring& name) {
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

TEST_F(Win32LinkProcessTest, AnAnnalixShowingTheDocumentAnswersDuringTheBroadcastComesToTheTopAndGetsTheYear) {
    const fs::path anx = MakeAnnalixDocument(L"history.anx");
    StartHost("C:\\Users\\u\\never-asked.vtc");
    CLinkChild peer({AnnalixPeer(), Utf8Of(anx)}, false);
    ASSERT_NE(WaitForPeer("joined ").find("joined "), std::string::npos);
    // What "Annalixを選択して表示" is offered by.
    EXPECT_TRUE(CWin32LinkTransport(LinkProtocol::kToVitachron, LinkProtocol::kToAnnalix).AnnalixInstalled());

    host->Write("show 1582 " + Utf8Of(anx));
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{});  // no message

    const std::string log = WaitForPeer("year 1582");
    EXPECT_NE(log.find("answered-query " + std::to_string(hostHandle) + "\n"), std::string::npos) << log;
    EXPECT_NE(log.find("raised\n"), std::string::npos) << log;
    EXPECT_NE(log.find("year 1582\n"), std::string::npos) << log;
    EXPECT_EQ(Count(log, "answered-query"), 1) << "the broadcast reached the peer once\n" << log;
    EXPECT_EQ(Count(log, "start "), 1) << "no second Annalix was started\n" << log;
    EXPECT_LT(log.find("answered-query"), log.find("raised"));
    EXPECT_LT(log.find("raised"), log.find("year 1582"));
}

TEST_F(Win32LinkProcessTest, WithNoAnnalixRunningTheProgramAssociatedWithAnxIsStartedAndGetsTheYear) {
    ASSERT_TRUE(CAnnalixPeerInstaller::Install(fs::path(WideText(AnnalixPeer()))));
    EXPECT_EQ(DefaultValue(HKEY_CURRENT_USER, kClasses + CAnnalixPeerInstaller::kExtension), CAnnalixPeerInstaller::kProgId);
    const fs::path anx = MakeAnnalixDocument(L"歴史 年表.anx");  // a blank and Japanese on the command line
    StartHost("C:\\Users\\u\\x.vtc");

    host->Write("show -500 " + Utf8Of(anx));
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{});

    const std::string log = WaitForPeer("year -500");
    EXPECT_NE(log.find(" argv0=annalix path=" + Utf8Of(anx) + "\n"), std::string::npos) << log;
    EXPECT_NE(log.find("year -500\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("raised"), std::string::npos) << log;

    // The started Annalix now answers for its document: the next time it is only raised.
    host->Write("show 1600 " + Utf8Of(anx));
    EXPECT_EQ(host->UntilDone(), std::vector<std::string>{});
    const std::string again = WaitForPeer("year 1600");
    EXPECT_NE(again.find("raised\n"), std::string::npos) << again;
    EXPECT_EQ(Count(again, "start "), 1) << again;

    // Another program's association is left as it is.
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, (kClasses + CAnnalixPeerInstaller::kExtension).c_str(), nullptr,
                                REG_SZ, L"Other.Document", sizeof L"Other.Document"),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, (kClasses + L"Other.Document\\shell\\open\\command").c_str(),
                                nullptr, REG_SZ, L"C:\\windows\\notepad.exe \"%1\"",
                                sizeof L"C:\\windows\\notepad.exe \"%1\""),
              ERROR_SUCCESS);
    EXPECT_TRUE(CAnnalixPeerInstaller::Install(fs::path(WideText(AnnalixPeer()))));
    EXPECT_EQ(DefaultValue(HKEY_CURRENT_USER, kClasses + CAnnalixPeerInstaller::kExtension), L"Other.Document");
    ::RegDeleteTreeW(HKEY_CURRENT_USER, (kClasses + CAnnalixPeerInstaller::kExtension).c_str());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, (kClasses + L"Other.Document").c_str());
}

TEST_F(Win32LinkProcessTest, AnAnnalixThatCannotBeStartedOrNeverBecomesIdleIsReportedWithTheSystemsCode) {
    const fs::path anx = MakeAnnalixDocument(L"x.anx");
    StartHost("C:\\Users\\u\\x.vtc", 100ms, 700ms);

    host->Write("show 1600 " + Utf8Of(anx));  // nothing is associated with *.anx
    EXPECT_EQ(host->UntilDone(),
              std::vector<std::string>{"message Annalixの起動に失敗しました(" + std::to_string(ERROR_NO_ASSOCIATION) + ")"});

    // A program that runs but never becomes idle for input.
    ASSERT_TRUE(CAnnalixPeerInstaller::Install(fs::path(WideText(NeverIdle()))));
    host->Write("show 1600 " + Utf8Of(anx));
    EXPECT_EQ(host->UntilDone(),
              std::vector<std::string>{"message Annalixとの同期に失敗しました(" + std::to_string(WAIT_TIMEOUT) + ")"});

    // A close released the block: the link says so instead of using it.
    host->Write("release");
    host->UntilDone();
    host->Write("show 1600 " + Utf8Of(anx));
    EXPECT_EQ(host->UntilDone(),
              std::vector<std::string>{"message Annalixの起動に失敗しました(" + std::to_string(ERROR_FILE_NOT_FOUND) + ")"});
}

TEST_F(Win32LinkProcessTest, VitachronAnswersQueriesForItsOwnDocumentOnlyAndCentresRequestedYears) {
    std::string document = "C:\\" + std::string(993, 'd') + ".vtc";
    ASSERT_EQ(document.size(), 1000u);
    StartHost(document);

    // This process plays an asking Annalix.
    std::mutex mutex;
    std::vector<std::pair<std::int64_t, std::int64_t>> received;
    CWin32LinkTransport annalix(LinkProtocol::kToAnnalix, LinkProtocol::kToVitachron);
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
    CSharedBlock shared(block.str(), CSharedMemory::Mode::OpenExisting);  // the one link-host made
    ASSERT_TRUE(shared.IsOpen()) << shared.Error();

    // A 1000-byte path fills the block with no terminator, and matches.
    ASSERT_EQ(shared.Write(document), 0);
    EXPECT_EQ(annalix.Send(hostHandle, LinkProtocol::kAskHasDocument, annalix.OwnHandle()), 0);
    // Answered before the query returned.
    using Received = std::vector<std::pair<std::int64_t, std::int64_t>>;
    EXPECT_EQ(takeReceived(), (Received{{hostHandle, LinkProtocol::kAnswer}}));

    // Asked by broadcast, as Annalix asks: the same.
    annalix.Broadcast(LinkProtocol::kAskHasDocument, annalix.OwnHandle());
    EXPECT_EQ(takeReceived(), (Received{{hostHandle, LinkProtocol::kAnswer}}));

    // Another path: no answer.
    document.back() = 'x';
    shared.Write(document);
    annalix.Send(hostHandle, LinkProtocol::kAskHasDocument, annalix.OwnHandle());
    EXPECT_EQ(takeReceived(), Received{});

    // Codes 0 and 4 are ignored; code 2 centres the year, and is the only thing Vitachron did.
    EXPECT_EQ(annalix.Send(hostHandle, 0, 1868), 0);
    EXPECT_EQ(annalix.Send(hostHandle, 4, 1868), 0);
    EXPECT_EQ(annalix.Send(hostHandle, LinkProtocol::kCentreYear, -660), 0);
    EXPECT_EQ(host->ReadLine(), "centre -660");
    EXPECT_EQ(takeReceived(), Received{});
}
