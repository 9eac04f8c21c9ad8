#include "model/CFileInput.h"

#include "model/CFileError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef _WIN32
#include <unistd.h>
#endif

CFileInput::CFileInput(CFileInput&& other) noexcept
    : file_(std::move(other.file_)),
#ifndef _WIN32
      fd_(other.fd_),
#else
      bytes_(std::move(other.bytes_)),
#endif
      size_(other.size_),
      maxBytes_(other.maxBytes_),
      read_(other.read_) {
#ifndef _WIN32
    other.fd_ = -1;
#endif
}

CFileInput::~CFileInput() {
#ifndef _WIN32
    if (fd_ >= 0) {
        ::close(fd_);
    }
#endif
}

std::size_t CFileInput::Read(char* to, std::size_t n) {
#ifndef _WIN32
    for (;;) {
        const ssize_t got = ::read(fd_, to, n);
        if (got >= 0) {
            read_ += static_cast<std::uint64_t>(got);
            if (read_ > maxBytes_) {
                throw CFileError(file_.string(), CFileError::Kind::TooLarge, 0, maxBytes_);
            }
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            const int err = errno;
            throw CFileError(file_.string(), CFileError::KindOf(err), err);
        }
    }
#else
    const std::size_t got = static_cast<std::size_t>(std::min<std::uint64_t>(n, bytes_.size() - read_));
    std::memcpy(to, bytes_.data() + read_, got);
    read_ += got;
    return got;
#endif
}
