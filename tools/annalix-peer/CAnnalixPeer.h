// The Annalix side of the link, as the stand-in plays it: it answers a
// query for its document during the broadcast (with code 3, from the
// transport's thread, since the asker is blocked in that broadcast), takes
// year requests, and asks Vitachron in turn. No toolkit here; what the
// window must show is handed over through Callbacks::post.
#pragma once

#include "links/CLinkTransport.h"
#include "links/CSharedBlock.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

class CAnnalixPeer {
public:
    struct Callbacks {
        std::function<void(int year)> showYear;                          // 0x1003
        std::function<void()> raise;                                     // come to the top
        std::function<void(CLinkTransport::Handle vitachron)> answered;  // 0x1001: it has the asked document
        std::function<void(const std::string& line)> log;                // what happened, for people and tests
        std::function<void(std::function<void()>)> post;                 // to the window's thread
    };

    CAnnalixPeer(std::unique_ptr<CLinkTransport> transport, std::string blockName, Callbacks callbacks);
    ~CAnnalixPeer();

    // The document this Annalix shows (UTF-8 full path).
    void SetDocument(const std::string& path);
    // Code 1 to every Vitachron: does one of you have this document open?
    void AskForDocument(const std::string& vitachronPath);
    // Code 2 to a Vitachron: centre this year.
    void RequestYear(CLinkTransport::Handle vitachron, int year);
    // Any code, for trying out how Vitachron takes it.
    void SendCode(CLinkTransport::Handle vitachron, std::int64_t code, std::int64_t lParam);

    CLinkTransport::Handle OwnHandle() const { return transport_->OwnHandle(); }
    // Why the shared block could not be opened (0 when it is open).
    int BlockError() const { return block_.Error(); }

private:
    void OnMessage(std::int64_t wParam, std::int64_t lParam, CLinkReply reply);
    void Post(std::function<void()> task);

    Callbacks callbacks_;
    CSharedBlock block_;
    mutable std::mutex documentMutex_;
    std::string document_;  // code page 932, as the block holds it
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::unique_ptr<CLinkTransport> transport_;
};
