// annalix-peer: a stand-in for Annalix, the chronology program Vitachron
// links with. It shows the .anx document named on its command line (argv[1];
// Vitachron starts it as `annalix "<path>"`), answers Vitachron's queries
// for it, shows the years Vitachron sends, and can ask Vitachron in turn.
//
// Environment, for tests: ANNALIX_PEER_LOG names a file that receives one
// line per thing the link did; ANNALIX_PEER_BLOCK the shared block's name
// (in this user's link namespace, as Vitachron's).
#include "CAnnalixPeer.h"
#include "CPeerFrame.h"

#include "links/CAnnalixPeerInstaller.h"
#include "links/LinkProtocol.h"
#include "model/CFileIO.h"
#include "wxsupport/WxConvert.h"

#ifdef _WIN32
#include "links/CWin32LinkTransport.h"
#else
#include "links/CDbusLinkTransport.h"
#include "links/CLinkNamespace.h"
#endif

#include <wx/app.h>
#include <wx/stdpaths.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

unsigned long ProcessId() { return ::GetCurrentProcessId(); }

// Annalix's per-user settings: what tells Vitachron that it is installed.
void CreateAnnalixSettings() {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, CWin32LinkTransport::kAnnalixKey, 0, nullptr, 0, KEY_READ, nullptr, &key,
                          nullptr) == ERROR_SUCCESS) {
        ::RegCloseKey(key);
    }
}

// Vitachron sends what is meant for a started Annalix (the year) to the
// first window of its primary thread: one of the frame's thread, not the
// transport's hidden one. Those windows take everything but the query,
// which comes by broadcast and so reaches the hidden window as well.
std::unique_ptr<CLinkTransport> MakeTransport() {
    auto transport = std::make_unique<CWin32LinkTransport>(LinkProtocol::kToAnnalix, LinkProtocol::kToVitachron);
    transport->ServeThisThreadsWindows([](std::int64_t, std::int64_t lParam) { return lParam != LinkProtocol::kQuery; });
    return transport;
}

std::string BlockPlace(const std::string& name) { return name; }

#else

unsigned long ProcessId() { return static_cast<unsigned long>(::getpid()); }

void CreateAnnalixSettings() {
    std::error_code ec;
    std::filesystem::create_directories(CDbusLinkTransport::AnnalixSettingsDir(), ec);
}

std::unique_ptr<CLinkTransport> MakeTransport() {
    return std::make_unique<CDbusLinkTransport>(LinkProtocol::kToAnnalix, LinkProtocol::kToVitachron);
}

// Where Vitachron must find the block too: the same user's namespace.
std::string BlockPlace(const std::string& name) { return CLinkNamespace::PathOf(name); }

#endif

class CPeerApp : public wxApp {
public:
    bool OnInit() override {
        CFileIO::FailWritesBeyondTheSizeLimit();
        std::setlocale(LC_ALL, "");
        if (const char* log = std::getenv("ANNALIX_PEER_LOG"); log && *log) {
            log_.open(log, std::ios::app);
        }
        const char* block = std::getenv("ANNALIX_PEER_BLOCK");
        // Annalix's per-user settings: what tells Vitachron that it is installed.
        CreateAnnalixSettings();

        frame_ = new CPeerFrame;
        frame_->SetLogSink([this](const std::string& line) {
            if (log_) {
                log_ << line << std::endl;
            }
        });
        Log("start pid=" + std::to_string(ProcessId()) + " argv0=" + std::string(argv[0].utf8_str()) +
            (argc > 1 ? " path=" + std::string(argv[1].utf8_str()) : std::string()));
        frame_->Show();

        // Joining the bus last: whoever sees us there can be answered.
        CAnnalixPeer::Callbacks callbacks{
            [this](int year) { frame_->ShowYear(year); },
            [this] { frame_->BringToTop(); },
            [this](CLinkTransport::Handle v) { frame_->SetAnsweringVitachron(v); },
            [this](const std::string& line) { Log(line); },
            [this](std::function<void()> task) { CallAfter(std::move(task)); },
        };
        const std::string blockName = block && *block ? block : LinkProtocol::kBlockName;
        peer_ = std::make_unique<CAnnalixPeer>(MakeTransport(), blockName, std::move(callbacks));
        Log("block " + BlockPlace(blockName) +
            (peer_->BlockError() != 0 ? " error=" + std::to_string(peer_->BlockError()) : std::string()));
        frame_->SetPeer(peer_.get());
        if (argc > 1) {
            frame_->OpenDocument(std::string(argv[1].utf8_str()));
        }
        Log("joined " + std::to_string(peer_->OwnHandle()));
        // The desktop's program for Annalix documents from now on, unless a
        // real Annalix is: that is how the link finds a stand-in to start.
        // After joining, so that the desktop's caches do not delay answers.
        CallAfter([] { CAnnalixPeerInstaller::Install(ToPath(wxStandardPaths::Get().GetExecutablePath())); });
        return true;
    }

    int OnExit() override {
        peer_.reset();
        return wxApp::OnExit();
    }

private:
    void Log(const std::string& line) { frame_->AddLog(line); }

    CPeerFrame* frame_ = nullptr;
    std::unique_ptr<CAnnalixPeer> peer_;
    std::ofstream log_;
};

}  // namespace

wxIMPLEMENT_APP(CPeerApp);
