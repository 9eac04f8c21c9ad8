#include "links/CSharedMemory.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string PosixName(const std::string& name) { return "/" + name; }

}  // namespace

CSharedMemory::CSharedMemory(const std::string& name, std::size_t size, Mode mode) : size_(size) {
    if (name.empty() || name.find('/') != std::string::npos || size == 0) {
        error_ = EINVAL;
        return;
    }
    const int flags = O_RDWR | (mode == Mode::CreateOrOpen ? O_CREAT : 0);
    const int fd = ::shm_open(PosixName(name).c_str(), flags | O_CLOEXEC, 0600);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    // Whoever comes first sizes the object; one that finds it still empty
    // (its creator has not got that far) sizes it too, so nobody maps past
    // the end. Growing fills with zeros, which is every user's initial state.
    struct stat st {};
    if (::fstat(fd, &st) != 0 ||
        (static_cast<std::size_t>(st.st_size) < size && ::ftruncate(fd, static_cast<off_t>(size)) != 0)) {
        error_ = errno;
        ::close(fd);
        return;
    }
    void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    error_ = p == MAP_FAILED ? errno : 0;
    ::close(fd);
    if (p != MAP_FAILED) {
        data_ = p;
    }
}

CSharedMemory::~CSharedMemory() { Release(); }

CSharedMemory::CSharedMemory(CSharedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(other.size_), error_(other.error_) {}

CSharedMemory& CSharedMemory::operator=(CSharedMemory&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = other.size_;
        error_ = other.error_;
    }
    return *this;
}

void CSharedMemory::Release() {
    if (data_ != nullptr) {
        ::munmap(data_, size_);
        data_ = nullptr;
        error_ = ENOENT;  // what a later use reports: the block is gone
    }
}

void CSharedMemory::Remove(const std::string& name) { ::shm_unlink(PosixName(name).c_str()); }
