// A named piece of memory that the processes of one user open by name: the
// ground the shared block (and, on Linux, the named event) stands on. On
// Linux a file in the user's link namespace (CLinkNamespace); on Windows a
// file mapping backed by the paging file, named in the logon session's own
// namespace (a plain name), mapped whole for as long as it is open.
//
// Another process may shrink the object or replace what it holds at any
// moment, and touching memory mapped past the end of a shrunk object kills
// the process (SIGBUS). So nothing here reads the object through a mapping:
// every Read and Write checks the object first and goes through the
// descriptor, where a shrunk object gives a short read, never a signal.
//
// On Windows a mapping keeps the size its creator gave it, so nothing can
// shrink under a view: Read and Write copy through the view, after the same
// range check.
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

    // Opens size bytes of the object called name (any text without "/",
    // on Windows without a backslash).
    // A new object starts zero-filled; one of ours that CreateOrOpen finds
    // shorter (its creator has not sized it yet) is grown with zeros on
    // Linux, and refused on Windows, where a mapping cannot grow. Check
    // IsOpen(); Error() tells why not.
    CSharedMemory(const std::string& name, std::size_t size, Mode mode);
    ~CSharedMemory();
    CSharedMemory(CSharedMemory&& other) noexcept;
    CSharedMemory& operator=(CSharedMemory&& other) noexcept;
    CSharedMemory(const CSharedMemory&) = delete;
    CSharedMemory& operator=(const CSharedMemory&) = delete;

#ifdef _WIN32
    bool IsOpen() const { return view_ != nullptr; }
#else
    bool IsOpen() const { return fd_ >= 0; }
#endif
    // The system's error code of the failed open (errno, on Windows
    // GetLastError()), 0 when open.
    int Error() const { return error_; }
    std::size_t Size() const { return size_; }

    // Copy count bytes at offset out of or into the object. 0, or why the
    // object cannot be used (CLinkNamespace::Check's codes; ENOENT, on
    // Windows ERROR_FILE_NOT_FOUND, once released): then nothing was read or
    // written.
    int Read(std::size_t offset, void* out, std::size_t count) const;
    int Write(std::size_t offset, const void* in, std::size_t count);

#ifndef _WIN32
    // The open object, for mapping it where only the kernel touches it (a
    // futex); -1 when not open.
    int Descriptor() const { return fd_; }
#endif

    // Closes it now; the object itself stays for the others.
    void Release();

    static void Remove(const std::string& name);

private:
    int Usable(std::size_t offset, std::size_t count) const;

#ifdef _WIN32
    void* mapping_ = nullptr;  // HANDLE
    void* view_ = nullptr;     // size_ bytes
#else
    int fd_ = -1;
#endif
    std::size_t size_ = 0;
    int error_ = 0;
};
