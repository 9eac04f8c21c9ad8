#include "links/CAnnalixLink.h"

#include "res/Strings.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace {

std::string Replace(std::string_view format, std::string_view placeholder, std::string_view value) {
    std::string text(format);
    if (const auto at = text.find(placeholder); at != std::string::npos) {
        text.replace(at, placeholder.size(), value);
    }
    return text;
}

}  // namespace

CAnnalixLink::CAnnalixLink(std::unique_ptr<CLinkTransport> transport, Callbacks callbacks, Options options)
    : callbacks_(std::move(callbacks)),
      options_(std::move(options)),
      block_(std::make_unique<CSharedBlock>(options_.blockName)),
      event_(options_.eventName),
      transport_(std::move(transport)) {
    transport_->SetHandlers({[this](std::int64_t w, std::int64_t l, CLinkReply reply) { OnMessage(w, l, std::move(reply)); },
                             nullptr});
}

CAnnalixLink::~CAnnalixLink() {
    *alive_ = false;
    // Stop taking messages before any member they would touch goes.
    transport_->SetHandlers({});
    transport_.reset();
}

void CAnnalixLink::ReleaseBlock() {
    if (block_) {
        block_->Release();
    }
}

void CAnnalixLink::Reacquire() {
    if (!HasBlock()) {
        block_ = std::make_unique<CSharedBlock>(options_.blockName);
    }
}

void CAnnalixLink::Fail(const char* format, int error) const {
    callbacks_.showMessage(Replace(format, "%d", std::to_string(error)));
}

void CAnnalixLink::ShowInAnnalix(const std::string& path) {
    // The event is opened anew by name each time, and checked as it is opened.
    CNamedEvent event(options_.eventName, CSharedMemory::Mode::OpenExisting);
    if (!event.IsOpen()) {
        Fail(Str::kAnnalixStartFailed, event.Error());
        return;
    }
    if (!HasBlock()) {
        Fail(Str::kAnnalixStartFailed, block_ ? block_->Error() : 0);
        return;
    }

    // A path code page 932 cannot hold cannot be named in the block, so no
    // Annalix can be showing it under that name: go straight to starting one.
    const auto encoded = CSharedBlock::EncodePath(path);
    bool answered = false;
    if (encoded) {
        // Another process may have shrunk either object, or put something
        // else in its place, since the frame made it: then neither is used.
        if (const int error = block_->Write(*encoded)) {
            Fail(Str::kAnnalixStartFailed, error);
            return;
        }
        if (const int error = event.Reset()) {
            Fail(Str::kAnnalixStartFailed, error);
            return;
        }
        transport_->Broadcast(transport_->OwnHandle(), LinkProtocol::kQuery);
        const CNamedEvent::WaitResult waited = event.Wait(options_.answerTimeout);
        if (waited.error != 0) {
            Fail(Str::kAnnalixStartFailed, waited.error);
            return;
        }
        answered = waited.set;
    }

    if (answered) {
        transport_->Raise(annalixWindow_.load());
    } else {
        const CLinkTransport::StartResult started = transport_->StartAnnalix(path, options_.startTimeout);
        switch (started.status) {
        case CLinkTransport::StartStatus::StartFailed:
            Fail(Str::kAnnalixStartFailed, started.error);
            return;
        case CLinkTransport::StartStatus::NotIdle:
            Fail(Str::kAnnalixSyncFailed, started.error);
            return;
        case CLinkTransport::StartStatus::Started:
            annalixWindow_ = started.handle;
            break;
        }
    }
    transport_->Send(annalixWindow_.load(), callbacks_.contextYear(), LinkProtocol::kShowYear);
}

void CAnnalixLink::OnMessage(std::int64_t wParam, std::int64_t lParam, CLinkReply reply) {
    switch (wParam) {
    case LinkProtocol::kHasDocument: {
        // Handled here, on the transport's thread: ShowInAnnalix is waiting
        // for exactly this on the user-interface thread.
        annalixWindow_ = lParam;
        CNamedEvent event(options_.eventName, CSharedMemory::Mode::OpenExisting);
        event.Set();
        reply(0);
        break;
    }
    case LinkProtocol::kAskHasDocument: {
        // The asker waits for our reply; keep it until we have answered.
        auto pending = std::make_shared<CLinkReply>(std::move(reply));
        callbacks_.post([this, alive = alive_, asker = lParam, pending] {
            if (*alive) {
                AnswerQuery(asker);
            }
            (*pending)(0);
        });
        break;
    }
    case LinkProtocol::kCentreYear:
        reply(0);
        // A year no int can hold names nothing on the timeline.
        if (lParam >= std::numeric_limits<std::int32_t>::min() && lParam <= std::numeric_limits<std::int32_t>::max()) {
            callbacks_.post([this, alive = alive_, year = static_cast<int>(lParam)] {
                if (*alive) {
                    callbacks_.centreYear(year);
                }
            });
        }
        break;
    default:
        reply(0);
        break;
    }
}

void CAnnalixLink::AnswerQuery(CLinkTransport::Handle asker) {
    if (!HasBlock()) {
        return;
    }
    const auto encoded = CSharedBlock::EncodePath(callbacks_.documentPath());
    // A block that cannot be read (shrunk or replaced by another process)
    // names no document: the query goes unanswered, as while it is released.
    if (encoded && block_->Holds(*encoded)) {
        transport_->Send(asker, transport_->OwnHandle(), LinkProtocol::kAnswer);
    }
}

std::string CAnnalixLink::ShowLabel(const std::string& linkedPath) {
    const auto slash = linkedPath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? linkedPath : linkedPath.substr(slash + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos) {
        name.erase(dot);
    }
    return Replace(Str::kMenuShowAnnalixNamed, "%s", name);
}
