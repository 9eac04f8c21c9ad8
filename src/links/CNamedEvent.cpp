#include "links/CNamedEvent.h"

#ifdef _WIN32

#include "model/WideText.h"

#include <algorithm>

#include <windows.h>

CNamedEvent::CNamedEvent(const std::string& name, CSharedMemory::Mode mode) {
    if (name.empty() || name.find('\\') != std::string::npos) {
        error_ = ERROR_INVALID_NAME;
        return;
    }
    const std::wstring wide = WideText(name);
    handle_ = mode == CSharedMemory::Mode::CreateOrOpen ? ::CreateEventW(nullptr, TRUE, FALSE, wide.c_str())
                                                        : ::OpenEventW(EVENT_ALL_ACCESS, FALSE, wide.c_str());
    if (handle_ == nullptr) {
        error_ = static_cast<int>(::GetLastError());
    }
}

CNamedEvent::~CNamedEvent() {
    if (handle_ != nullptr) {
        ::CloseHandle(handle_);
    }
}

int CNamedEvent::Set() {
    if (!IsOpen()) {
        return error_;
    }
    return ::SetEvent(handle_) ? 0 : static_cast<int>(::GetLastError());
}

int CNamedEvent::Reset() {
    if (!IsOpen()) {
        return error_;
    }
    return ::ResetEvent(handle_) ? 0 : static_cast<int>(::GetLastError());
}

CNamedEvent::WaitResult CNamedEvent::Wait(std::chrono::milliseconds timeout) const {
    if (!IsOpen()) {
        return {false, error_};
    }
    // INFINITE (0xFFFFFFFF) would never end; no wait here is that long.
    const auto ms = static_cast<DWORD>(std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INFINITE - 1));
    switch (::WaitForSingleObject(handle_, ms)) {
    case WAIT_OBJECT_0: return {true, 0};
    case WAIT_TIMEOUT: return {false, 0};
    default: return {false, static_cast<int>(::GetLastError())};
    }
}

#else

#include <cerrno>
#include <climits>

#include <linux/futex.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr std::size_t kEventSize = 64;
constexpr std::uint32_t kNotSet = 0;
constexpr std::uint32_t kSet = 1;

// Not FUTEX_PRIVATE: the waiters live in other processes.
long Futex(void* word, int op, std::uint32_t value, const timespec* timeout) {
    return ::syscall(SYS_futex, word, op, value, timeout, nullptr, 0);
}

}  // namespace

CNamedEvent::CNamedEvent(const std::string& name, CSharedMemory::Mode mode) : memory_(name, kEventSize, mode) {
    if (!memory_.IsOpen()) {
        error_ = memory_.Error();
        return;
    }
    void* p = ::mmap(nullptr, kEventSize, PROT_READ, MAP_SHARED, memory_.Descriptor(), 0);
    if (p == MAP_FAILED) {
        error_ = errno;
        memory_.Release();
        return;
    }
    word_ = p;
}

CNamedEvent::~CNamedEvent() {
    if (word_ != nullptr) {
        ::munmap(word_, kEventSize);
    }
}

int CNamedEvent::ReadWord(std::uint32_t& value) const {
    if (const int error = memory_.Read(0, &value, sizeof value)) {
        return error;
    }
    return value == kNotSet || value == kSet ? 0 : EINVAL;
}

int CNamedEvent::Set() {
    if (!IsOpen()) {
        return error_;
    }
    if (const int error = memory_.Write(0, &kSet, sizeof kSet)) {
        return error;
    }
    // The write is a system call, so every waiter that the kernel wakes
    // here sees the word set when it looks again.
    Futex(word_, FUTEX_WAKE, INT_MAX, nullptr);
    return 0;
}

int CNamedEvent::Reset() {
    if (!IsOpen()) {
        return error_;
    }
    return memory_.Write(0, &kNotSet, sizeof kNotSet);
}

CNamedEvent::WaitResult CNamedEvent::Wait(std::chrono::milliseconds timeout) const {
    if (!IsOpen()) {
        return {false, error_};
    }
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        std::uint32_t value = kNotSet;
        if (const int error = ReadWord(value)) {
            return {false, error};
        }
        if (value == kSet) {
            return {true, 0};
        }
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::nanoseconds::zero()) {
            return {false, 0};
        }
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        // Sleeps only while the word is still 0; a Set() in between makes it
        // return at once. Wake-ups for any other reason just look again. A
        // word the kernel cannot reach any more is an object shrunk under us.
        if (Futex(word_, FUTEX_WAIT, kNotSet, &ts) != 0 && errno == EFAULT) {
            return {false, EINVAL};
        }
    }
}

#endif
