#include "links/CSharedMemory.h"

#include "links/CLinkNamespace.h"

#include <cerrno>
#include <utility>

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
