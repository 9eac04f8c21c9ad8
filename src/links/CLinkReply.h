// The reply owed to one incoming link message. Whoever holds it may answer
// at once or later, from any thread (a query can be answered only once the
// user-interface thread has looked at its document). An unanswered reply
// answers 0 when it is destroyed, so a sender never waits for a reply that
// got lost.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

class CLinkReply {
public:
    CLinkReply() = default;
    explicit CLinkReply(std::function<void(std::int64_t)> send) : send_(std::move(send)) {}
    CLinkReply(CLinkReply&& other) noexcept : send_(std::exchange(other.send_, nullptr)) {}
    CLinkReply& operator=(CLinkReply&& other) noexcept {
        if (this != &other) {
            (*this)(0);
            send_ = std::exchange(other.send_, nullptr);
        }
        return *this;
    }
    CLinkReply(const CLinkReply&) = delete;
    CLinkReply& operator=(const CLinkReply&) = delete;
    ~CLinkReply() { (*this)(0); }

    // Only the first call answers.
    void operator()(std::int64_t result) {
        if (auto send = std::exchange(send_, nullptr)) {
            send(result);
        }
    }

private:
    std::function<void(std::int64_t)> send_;
};
