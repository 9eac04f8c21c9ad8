#include "links/CNamedEvent.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>

#include <linux/futex.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr std::size_t kEventSize = 64;

// Not FUTEX_PRIVATE: the waiters live in other processes.
long Futex(std::uint32_t* word, int op, std::uint32_t value, const timespec* timeout) {
    return ::syscall(SYS_futex, word, op, value, timeout, nullptr, 0);
}

}  // namespace

CNamedEvent::CNamedEvent(const std::string& name, CSharedMemory::Mode mode) : memory_(name, kEventSize, mode) {}

void CNamedEvent::Set() {
    if (!IsOpen()) {
        return;
    }
    auto* word = static_cast<std::uint32_t*>(memory_.Data());
    std::atomic_ref<std::uint32_t>(*word).store(1, std::memory_order_release);
    Futex(word, FUTEX_WAKE, INT_MAX, nullptr);
}

void CNamedEvent::Reset() {
    if (IsOpen()) {
        std::atomic_ref<std::uint32_t>(*static_cast<std::uint32_t*>(memory_.Data())).store(0, std::memory_order_release);
    }
}

bool CNamedEvent::Wait(std::chrono::milliseconds timeout) const {
    if (!IsOpen()) {
        return false;
    }
    auto* word = static_cast<std::uint32_t*>(memory_.Data());
    const std::atomic_ref<std::uint32_t> state(*word);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (state.load(std::memory_order_acquire) == 0) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::nanoseconds::zero()) {
            return false;
        }
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        // Sleeps only while the word is still 0; a Set() in between makes it
        // return at once. Wake-ups for any other reason just loop.
        Futex(word, FUTEX_WAIT, 0, &ts);
    }
    return true;
}
