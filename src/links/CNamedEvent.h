// A named, manual-reset event that several processes open by name: set, it
// stays set (releasing every waiter) until someone resets it. New events
// start not set. On Windows a named manual-reset event (CreateEvent or,
// to open an existing one, OpenEvent with full access) in the logon
// session's namespace; error codes are then GetLastError()'s. On Linux one
// word in a shared object (CSharedMemory), waited on with a futex.
//
// On Linux the word is another process's to shrink away or to fill with
// anything: it is read and written through the object's descriptor after a
// check, and only the kernel's futex calls touch the mapping (where a
// vanished page is an error code, not a signal). A word other than 0 or 1
// is no event.
#pragma once

#include "links/CSharedMemory.h"

#include <chrono>
#include <cstdint>
#include <string>

class CNamedEvent {
public:
    explicit CNamedEvent(const std::string& name,
                         CSharedMemory::Mode mode = CSharedMemory::Mode::CreateOrOpen);
    ~CNamedEvent();
    CNamedEvent(const CNamedEvent&) = delete;
    CNamedEvent& operator=(const CNamedEvent&) = delete;

#ifdef _WIN32
    bool IsOpen() const { return handle_ != nullptr; }
#else
    bool IsOpen() const { return word_ != nullptr; }
#endif
    int Error() const { return error_; }

    // 0, or why the event cannot be used (CSharedMemory::Read's codes).
    int Set();
    int Reset();

    struct WaitResult {
        bool set = false;  // set at once or within the time-out
        int error = 0;     // not 0: the event cannot be used (then not set)
    };
    WaitResult Wait(std::chrono::milliseconds timeout) const;

private:
#ifdef _WIN32
    void* handle_ = nullptr;  // HANDLE
#else
    int ReadWord(std::uint32_t& value) const;

    CSharedMemory memory_;
    void* word_ = nullptr;  // mapped for the futex calls only, never read here
#endif
    int error_ = 0;
};
