// Vitachron's side of the link with Annalix: bringing an Annalix document up
// at a year (ShowInAnnalix), and answering what a running Annalix asks.
// No toolkit here; the frame's side lives in CLinkCommands.
//
// Threads: ShowInAnnalix and every callback run on the user-interface
// thread, except that incoming messages arrive on the transport's thread.
// There only the code-3 answer is handled in place (it stores the window
// and sets the event, so that a ShowInAnnalix blocked in its broadcast or
// its wait sees it); everything else is handed to the user-interface thread
// through Callbacks::post, and the code-1 query is replied to only once that
// thread has answered it, so the asker sees our answer arrive while its own
// query is still under way.
#pragma once

#include "links/CLinkTransport.h"
#include "links/CNamedEvent.h"
#include "links/CSharedBlock.h"
#include "links/LinkProtocol.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

class CAnnalixLink {
public:
    struct Callbacks {
        // Full path (UTF-8) of the document shown in the frame; empty when it was never saved.
        std::function<std::string()> documentPath;
        // The timeline's GetContextYear().
        std::function<int()> contextYear;
        // The timeline's CentreYear(year).
        std::function<void(int)> centreYear;
        // Shows one of the link's error messages (UTF-8) to the user.
        std::function<void(const std::string&)> showMessage;
        // Runs a task on the user-interface thread later (wxEvtHandler::CallAfter).
        std::function<void(std::function<void()>)> post;
    };

    struct Options {
        std::string blockName = LinkProtocol::kBlockName;
        std::string eventName = LinkProtocol::kEventName;
        std::chrono::milliseconds answerTimeout = LinkProtocol::kAnswerTimeout;
        std::chrono::milliseconds startTimeout = LinkProtocol::kStartTimeout;
    };

    // Creates (or opens) the shared block and the event, and starts taking
    // messages. A block or event that cannot be had is not an error here:
    // ShowInAnnalix reports it when it is used.
    CAnnalixLink(std::unique_ptr<CLinkTransport> transport, Callbacks callbacks, Options options);
    CAnnalixLink(std::unique_ptr<CLinkTransport> transport, Callbacks callbacks)
        : CAnnalixLink(std::move(transport), std::move(callbacks), Options{}) {}
    ~CAnnalixLink();
    CAnnalixLink(const CAnnalixLink&) = delete;
    CAnnalixLink& operator=(const CAnnalixLink&) = delete;

    // Brings the Annalix document (UTF-8 path) up at the context year: the
    // Annalix that shows it comes to the top, or Annalix is started with it.
    // Reports its own errors through showMessage.
    void ShowInAnnalix(const std::string& path);

    // Unmaps the shared block, as the frame does when it is asked to close.
    // Until Reacquire(), ShowInAnnalix reports the start error and queries
    // go unanswered: nothing uses the released block.
    void ReleaseBlock();
    // Maps the block again (a close that was cancelled).
    void Reacquire();
    bool HasBlock() const { return block_ && block_->IsOpen(); }

    // Whether "Annalixを選択して表示" can be offered.
    bool AnnalixInstalled() const { return transport_->AnnalixInstalled(); }
    CLinkTransport::Handle AnnalixWindow() const { return annalixWindow_.load(); }
    CLinkTransport& Transport() { return *transport_; }

    // The text of "Annalixを表示" for a linked path: "Annalix(%s)を表示" with
    // the file name, cut before its last ".". The name is what follows the
    // last "\" or "/": documents made on Windows carry Windows paths.
    static std::string ShowLabel(const std::string& linkedPath);

private:
    void OnMessage(std::int64_t wParam, std::int64_t lParam, CLinkReply reply);
    void AnswerQuery(CLinkTransport::Handle asker);
    void Fail(const char* format, int error) const;

    Callbacks callbacks_;
    Options options_;
    std::unique_ptr<CSharedBlock> block_;
    CNamedEvent event_;
    std::atomic<CLinkTransport::Handle> annalixWindow_{0};
    // Tasks handed to the user-interface thread check this before touching
    // the link, which may be gone by the time they run.
    std::shared_ptr<std::atomic<bool>> alive_ = std::make_shared<std::atomic<bool>>(true);
    // Last: destroyed first, so no message arrives at a half-destroyed link.
    std::unique_ptr<CLinkTransport> transport_;
};
