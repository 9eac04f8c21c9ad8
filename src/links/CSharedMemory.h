// A named piece of memory that any process of the same user can map by
// name: the ground the shared block and the named event stand on. On Linux a
// POSIX shared-memory object; a Windows build puts a paging-file backed file
// mapping behind the same class.
//
// POSIX names outlive the processes that use them, unlike Windows objects,
// which vanish with their last handle. Nothing here removes a name: another
// running program may still be using it, and removing it would split the
// link in two. Remove() exists for tests that invent names of their own.
#pragma once

#include <cstddef>
#include <string>

class CSharedMemory {
public:
    enum class Mode { CreateOrOpen, OpenExisting };

    // Maps size bytes of the object called name (any text without "/"). A
    // new object starts zero-filled. Check IsOpen(); Error() tells why not.
    CSharedMemory(const std::string& name, std::size_t size, Mode mode);
    ~CSharedMemory();
    CSharedMemory(CSharedMemory&& other) noexcept;
    CSharedMemory& operator=(CSharedMemory&& other) noexcept;
    CSharedMemory(const CSharedMemory&) = delete;
    CSharedMemory& operator=(const CSharedMemory&) = delete;

    bool IsOpen() const { return data_ != nullptr; }
    // The system's error code of the failed open (errno), 0 when open.
    int Error() const { return error_; }
    void* Data() const { return data_; }
    std::size_t Size() const { return size_; }

    // Unmaps now; the object itself stays for the others.
    void Release();

    static void Remove(const std::string& name);

private:
    void* data_ = nullptr;
    std::size_t size_ = 0;
    int error_ = 0;
};
