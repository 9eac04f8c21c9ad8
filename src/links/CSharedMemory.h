// A named piece of memory that the processes of one user open by name: the
// ground the shared block and the named event stand on. On Linux a file in
// the user's link namespace (CLinkNamespace); a Windows build puts a
// paging-file backed file mapping behind the same class.
//
// Another process may shrink the object or replace what it holds at any
// moment, and touching memory mapped past the end of a shrunk object kills
// the process (SIGBUS). So nothing here reads the object through a mapping:
// every Read and Write checks the object first and goes through the
// descriptor, where a shrunk object gives a short read, never a signal.
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

    // Opens size bytes of the object called name (any text without "/").
    // A new object starts zero-filled; one of ours that CreateOrOpen finds
    // shorter (its creator has not sized it yet) is grown with zeros. Check
    // IsOpen(); Error() tells why not.
    CSharedMemory(const std::string& name, std::size_t size, Mode mode);
    ~CSharedMemory();
    CSharedMemory(CSharedMemory&& other) noexcept;
    CSharedMemory& operator=(CSharedMemory&& other) noexcept;
    CSharedMemory(const CSharedMemory&) = delete;
    CSharedMemory& operator=(const CSharedMemory&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The system's error code of the failed open (errno), 0 when open.
    int Error() const { return error_; }
    std::size_t Size() const { return size_; }

    // Copy count bytes at offset out of or into the object. 0, or why the
    // object cannot be used (CLinkNamespace::Check's codes; ENOENT once
    // released): then nothing was read or written.
    int Read(std::size_t offset, void* out, std::size_t count) const;
    int Write(std::size_t offset, const void* in, std::size_t count);

    // The open object, for mapping it where only the kernel touches it (a
    // futex); -1 when not open.
    int Descriptor() const { return fd_; }

    // Closes it now; the object itself stays for the others.
    void Release();

    static void Remove(const std::string& name);

private:
    int Usable(std::size_t offset, std::size_t count) const;

    int fd_ = -1;
    std::size_t size_ = 0;
    int error_ = 0;
};
