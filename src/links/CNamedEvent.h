// A named, manual-reset event that several processes open by name: set, it
// stays set (releasing every waiter) until someone resets it. New events
// start not set. On Linux one word in shared memory, waited on with a futex;
// a Windows build puts CreateEvent/OpenEvent behind the same class.
#pragma once

#include "links/CSharedMemory.h"

#include <chrono>
#include <string>

class CNamedEvent {
public:
    explicit CNamedEvent(const std::string& name,
                         CSharedMemory::Mode mode = CSharedMemory::Mode::CreateOrOpen);

    bool IsOpen() const { return memory_.IsOpen(); }
    int Error() const { return memory_.Error(); }

    void Set();
    void Reset();
    // True when the event is set, at once or within the time-out.
    bool Wait(std::chrono::milliseconds timeout) const;

private:
    CSharedMemory memory_;
};
