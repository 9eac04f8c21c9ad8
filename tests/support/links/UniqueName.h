// Names for shared blocks and events that no other test, and no real link,
// is using at the same time; removed again when the holder goes.
#pragma once

#include "links/CSharedMemory.h"

#include <atomic>
#include <string>

#include <unistd.h>

class CUniqueName {
public:
    explicit CUniqueName(const std::string& what) {
        static std::atomic<int> counter{0};
        name_ = "vitachron test " + what + " " + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    }
    ~CUniqueName() { CSharedMemory::Remove(name_); }
    CUniqueName(const CUniqueName&) = delete;
    CUniqueName& operator=(const CUniqueName&) = delete;

    const std::string& str() const { return name_; }
    operator const std::string&() const { return name_; }

private:
    std::string name_;
};
