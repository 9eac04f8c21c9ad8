#include "CAnnalixPeer.h"

#include "links/LinkProtocol.h"
#include "model/CCp932.h"

CAnnalixPeer::CAnnalixPeer(std::unique_ptr<CLinkTransport> transport, std::string blockName, Callbacks callbacks)
    : callbacks_(std::move(callbacks)), block_(blockName), transport_(std::move(transport)) {
    transport_->SetHandlers({[this](std::int64_t w, std::int64_t l, CLinkReply reply) { OnMessage(w, l, std::move(reply)); },
                             [this] { Post([this] { callbacks_.raise(); }); }});
}

CAnnalixPeer::~CAnnalixPeer() {
    *alive_ = false;
    transport_.reset();
}

void CAnnalixPeer::Post(std::function<void()> task) {
    callbacks_.post([alive = alive_, task = std::move(task)] {
        if (*alive) {
            task();
        }
    });
}

void CAnnalixPeer::SetDocument(const std::string& path) {
    std::lock_guard lock(documentMutex_);
    document_ = CCp932::EncodeLossy(path);
}

void CAnnalixPeer::OnMessage(std::int64_t wParam, std::int64_t lParam, CLinkReply reply) {
    switch (lParam) {
    case LinkProtocol::kQuery: {
        std::string document;
        {
            std::lock_guard lock(documentMutex_);
            document = document_;
        }
        // Answered right here, while the asker is still inside its broadcast.
        if (!document.empty() && block_.Holds(document)) {
            transport_->Send(wParam, LinkProtocol::kHasDocument, transport_->OwnHandle());
            Post([this, wParam] { callbacks_.log("answered-query " + std::to_string(wParam)); });
        } else {
            Post([this] { callbacks_.log("ignored-query"); });
        }
        break;
    }
    case LinkProtocol::kShowYear:
        Post([this, year = static_cast<int>(wParam)] {
            callbacks_.log("year " + std::to_string(year));
            callbacks_.showYear(year);
        });
        break;
    case LinkProtocol::kAnswer:
        Post([this, vitachron = wParam] {
            callbacks_.log("answer-from " + std::to_string(vitachron));
            callbacks_.answered(vitachron);
        });
        break;
    default:
        break;
    }
    reply(0);
}

void CAnnalixPeer::AskForDocument(const std::string& vitachronPath) {
    if (const int error = block_.Write(CCp932::EncodeLossy(vitachronPath))) {
        callbacks_.log("block-error " + std::to_string(error));
        return;
    }
    callbacks_.log("sent-query " + vitachronPath);
    transport_->Broadcast(LinkProtocol::kAskHasDocument, transport_->OwnHandle());
}

void CAnnalixPeer::RequestYear(CLinkTransport::Handle vitachron, int year) {
    callbacks_.log("sent-year " + std::to_string(year));
    transport_->Send(vitachron, LinkProtocol::kCentreYear, year);
}

void CAnnalixPeer::SendCode(CLinkTransport::Handle vitachron, std::int64_t code, std::int64_t lParam) {
    callbacks_.log("sent-code " + std::to_string(code));
    transport_->Send(vitachron, code, lParam);
}
