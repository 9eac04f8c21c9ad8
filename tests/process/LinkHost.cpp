// link-host: Vitachron's side of the Annalix link in a process of its own,
// for the tests that run it against annalix-peer and other processes (on
// Linux on a private session bus). It is what the main frame will be to the link:
// CLinkCommands' Annalix link with the frame's callbacks played by lines
// on stdin and stdout.
//
//   link-host BLOCK EVENT ANSWER_MS START_MS DOCUMENT
// stdout: "ready <handle>", then per event "centre <year>", "message <text>",
//         and "done" after each command.
// stdin:  "show <year> <path>"  ShowInAnnalix(path) with that context year
//         "release" / "reacquire"  the frame's close and cancelled close
#include "links/CAnnalixLink.h"
#include "links/LinkProtocol.h"

#ifdef _WIN32
#include "links/CWin32LinkTransport.h"
using CPlatformLinkTransport = CWin32LinkTransport;
#else
#include "links/CDbusLinkTransport.h"
using CPlatformLinkTransport = CDbusLinkTransport;
#endif

#include <wx/app.h>
#include <wx/frame.h>

#include <iostream>
#include <sstream>
#include <thread>

namespace {

class CLinkHostApp : public wxApp {
public:
    bool OnInit() override {
        if (argc != 6) {
            std::cerr << "usage: link-host BLOCK EVENT ANSWER_MS START_MS DOCUMENT\n";
            return false;
        }
        frame_ = new wxFrame(nullptr, wxID_ANY, "link-host");
        CAnnalixLink::Options options{std::string(argv[1].utf8_str()), std::string(argv[2].utf8_str()),
                                      std::chrono::milliseconds(std::stol(std::string(argv[3].utf8_str()))),
                                      std::chrono::milliseconds(std::stol(std::string(argv[4].utf8_str())))};
        document_ = std::string(argv[5].utf8_str());
        CAnnalixLink::Callbacks callbacks{
            [this] { return document_; },
            [this] { return contextYear_; },
            [](int year) { Say("centre " + std::to_string(year)); },
            [](const std::string& text) { Say("message " + text); },
            [this](std::function<void()> task) { frame_->CallAfter(std::move(task)); },
        };
        link_ = std::make_unique<CAnnalixLink>(
            std::make_unique<CPlatformLinkTransport>(LinkProtocol::kToVitachron, LinkProtocol::kToAnnalix),
            std::move(callbacks), options);
        Say("ready " + std::to_string(link_->Transport().OwnHandle()));
        std::thread([this] {
            std::string line;
            while (std::getline(std::cin, line)) {
                frame_->CallAfter([this, line] { Run(line); });
            }
            frame_->CallAfter([this] { frame_->Destroy(); });
        }).detach();
        return true;
    }

    int OnExit() override {
        link_.reset();
        return wxApp::OnExit();
    }

private:
    static void Say(const std::string& line) { std::cout << line << std::endl; }

    void Run(const std::string& line) {
        std::istringstream in(line);
        std::string command;
        in >> command;
        if (command == "show") {
            in >> contextYear_;
            std::string path;
            std::getline(in >> std::ws, path);
            link_->ShowInAnnalix(path);
        } else if (command == "release") {
            link_->ReleaseBlock();
        } else if (command == "reacquire") {
            link_->Reacquire();
        }
        Say("done");
    }

    wxFrame* frame_ = nullptr;
    std::unique_ptr<CAnnalixLink> link_;
    std::string document_;
    int contextYear_ = 0;
};

}  // namespace

wxIMPLEMENT_APP(CLinkHostApp);
