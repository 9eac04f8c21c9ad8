// A link transport that records what the link sends and lets a test play
// the other programs: answer a broadcast from another thread, as a peer
// calling back during the broadcast does, or start an Annalix of its own.
#pragma once

#include "links/CLinkTransport.h"

#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CFakeLinkTransport : public CLinkTransport {
public:
    struct Sent {
        Handle target;
        std::int64_t wParam;
        std::int64_t lParam;
        friend bool operator==(const Sent&, const Sent&) = default;
    };

    static constexpr Handle kOwn = 0x100000007;

    // What happens during a broadcast (on the broadcasting thread).
    std::function<void()> duringBroadcast;
    StartResult startResult{StartStatus::Started, 0x100000042, 0};
    bool installed = false;

    // Recorded.
    std::vector<Sent> sent;
    std::vector<Sent> broadcasts;
    std::vector<Handle> raised;
    std::vector<std::string> started;
    std::vector<std::chrono::milliseconds> startTimeouts;

    // Delivers an incoming message on a thread of its own, as the bus
    // does, and returns the reply once somebody has given it.
    std::future<std::int64_t> Deliver(std::int64_t wParam, std::int64_t lParam) {
        auto promise = std::make_shared<std::promise<std::int64_t>>();
        auto future = promise->get_future();
        Handlers h;
        {
            std::lock_guard lock(mutex_);
            h = handlers_;
        }
        std::thread([h, wParam, lParam, promise] {
            CLinkReply reply([promise](std::int64_t r) { promise->set_value(r); });
            if (h.onMessage) {
                h.onMessage(wParam, lParam, std::move(reply));
            }
        }).join();
        return future;
    }

    Handle OwnHandle() const override { return kOwn; }
    void SetHandlers(Handlers handlers) override {
        std::lock_guard lock(mutex_);
        handlers_ = std::move(handlers);
    }
    std::int64_t Send(Handle target, std::int64_t w, std::int64_t l) override {
        sent.push_back({target, w, l});
        return 0;
    }
    void Broadcast(std::int64_t w, std::int64_t l) override {
        broadcasts.push_back({0, w, l});
        if (duringBroadcast) {
            duringBroadcast();
        }
    }
    bool Raise(Handle target) override {
        raised.push_back(target);
        return true;
    }
    StartResult StartAnnalix(const std::string& document, std::chrono::milliseconds timeout) override {
        started.push_back(document);
        startTimeouts.push_back(timeout);
        return startResult;
    }
    bool AnnalixInstalled() const override { return installed; }

private:
    std::mutex mutex_;
    Handlers handlers_;
};
