#include "links/CSharedMemory.h"

#include <utility>

#ifdef _WIN32

#include "model/WideText.h"

#include <cstring>

#include <windows.h>

CSharedMemory::CSharedMemory(const std::string& name, std::size_t size, Mode mode) : size_(size) {
    // An empty name would make a mapping nobody else can find; a "\" would
    // reach into another namespace (Global\...).
    if (size == 0 || size > 0xFFFFFFFFu) {
        error_ = ERROR_INVALID_PARAMETER;
        return;
    }
    if (name.empty() || name.find('\\') != std::string::npos) {
        error_ = ERROR_INVALID_NAME;
        return;
    }
    const std::wstring wide = WideText(name);
    HANDLE mapping = mode == Mode::CreateOrOpen
                         ? ::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                static_cast<DWORD>(size), wide.c_str())
                         : ::OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, wide.c_str());
    if (mapping == nullptr) {
        error_ = static_cast<int>(::GetLastError());
        return;
    }
    // A mapping found under the name keeps its creator's size. The system
    // maps whole pages: one that is smaller than ours by a page or more
    // cannot be mapped for size bytes and is not used; within its last page
    // the rest reads as zeros, so no access here can go past the view.
    void* view = ::MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, size);
    if (view == nullptr) {
        error_ = static_cast<int>(::GetLastError());
        ::CloseHandle(mapping);
        return;
    }
    mapping_ = mapping;
    view_ = view;
}

CSharedMemory::~CSharedMemory() { Release(); }

CSharedMemory::CSharedMemory(CSharedMemory&& other) noexcept
    : mapping_(std::exchange(other.mapping_, nullptr)),
      view_(std::exchange(other.view_, nullptr)),
      size_(other.size_),
      error_(other.error_) {}

CSharedMemory& CSharedMemory::operator=(CSharedMemory&& other) noexcept {
    if (this != &other) {
        Release();
        mapping_ = std::exchange(other.mapping_, nullptr);
        view_ = std::exchange(other.view_, nullptr);
        size_ = other.size_;
        error_ = other.error_;
    }
    return *this;
}

int CSharedMemory::Usable(std::size_t offset, std::size_t count) const {
    if (view_ == nullptr) {
        return error_ != 0 ? error_ : ERROR_FILE_NOT_FOUND;
    }
    if (offset > size_ || count > size_ - offset) {
        return ERROR_INVALID_PARAMETER;
    }
    return 0;
}

int CSharedMemory::Read(std::size_t offset, void* out, std::size_t count) const {
    if (const int error = Usable(offset, count)) {
        return error;
    }
    std::memcpy(out, static_cast<const char*>(view_) + offset, count);
    return 0;
}

int CSharedMemory::Write(std::size_t offset, const void* in, std::size_t count) {
    if (const int error = Usable(offset, count)) {
        return error;
    }
    std::memcpy(static_cast<char*>(view_) + offset, in, count);
    return 0;
}

void CSharedMemory::Release() {
    if (view_ != nullptr) {
        ::UnmapViewOfFile(view_);
        ::CloseHandle(mapping_);
        view_ = nullptr;
        mapping_ = nullptr;
        error_ = ERROR_FILE_NOT_FOUND;  // what a later use reports: the block is gone
    }
}

// The mapping goes with its last handle; there is no name to remove.
void CSharedMemory::Remove(const std::string&) {}

#else

#include "links/CLinkNamespace.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

CSharedMemory::CSharedMemory(const std::string& name, std::size_t size, Mode mode) : size_(size) {
    if (size == 0) {
        error_ = EINVAL;
        return;
    }
    const int fd = CLinkNamespace::Open(name, mode == Mode::CreateOrOpen, error_);
    if (fd < 0) {
        return;
    }
    // Whoever comes first sizes the object; one that finds it still short
    // (its creator has not got that far) sizes it too. Growing fills with
    // zeros, which is every user's initial state. An object opened to be
    // used as it is must already be whole.
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error_ = errno;
    } else if (static_cast<std::size_t>(st.st_size) < size) {
        if (mode == Mode::OpenExisting) {
            error_ = EINVAL;
        } else if (::ftruncate(fd, static_cast<off_t>(size)) != 0) {
            error_ = errno;
        }
    }
    if (error_ != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

CSharedMemory::~CSharedMemory() { Release(); }

CSharedMemory::CSharedMemory(CSharedMemory&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), error_(other.error_) {}

CSharedMemory& CSharedMemory::operator=(CSharedMemory&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        error_ = other.error_;
    }
    return *this;
}

int CSharedMemory::Usable(std::size_t offset, std::size_t count) const {
    if (fd_ < 0) {
        return error_ != 0 ? error_ : ENOENT;
    }
    if (offset > size_ || count > size_ - offset) {
        return EINVAL;
    }
    return CLinkNamespace::Check(fd_, size_);
}

int CSharedMemory::Read(std::size_t offset, void* out, std::size_t count) const {
    if (const int error = Usable(offset, count)) {
        return error;
    }
    // Shrunk between the check and here: a short read, which says the same.
    const ssize_t n = ::pread(fd_, out, count, static_cast<off_t>(offset));
    if (n < 0) {
        return errno;
    }
    return static_cast<std::size_t>(n) == count ? 0 : EINVAL;
}

int CSharedMemory::Write(std::size_t offset, const void* in, std::size_t count) {
    if (const int error = Usable(offset, count)) {
        return error;
    }
    const ssize_t n = ::pwrite(fd_, in, count, static_cast<off_t>(offset));
    if (n < 0) {
        return errno;
    }
    return static_cast<std::size_t>(n) == count ? 0 : EIO;
}

void CSharedMemory::Release() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        error_ = ENOENT;  // what a later use reports: the block is gone
    }
}

void CSharedMemory::Remove(const std::string& name) { CLinkNamespace::Remove(name); }

#endif
