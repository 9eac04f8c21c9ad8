#include "model/CFileInput.h"

#include "model/CFileError.h"
#include "model/Utf8Path.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#ifndef _WIN32
#include <unistd.h>
#else
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

CFileInput::CFileInput(CFileInput&& other) noexcept
    : file_(std::move(other.file_)),
#ifndef _WIN32
      fd_(other.fd_),
#else
      handle_(std::exchange(other.handle_, nullptr)),
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
#else
    if (handle_ != nullptr) {
        ::CloseHandle(handle_);
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
                throw CFileError(Utf8FromPath(file_), CFileError::Kind::TooLarge, 0, maxBytes_);
            }
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            const int err = errno;
            throw CFileError(Utf8FromPath(file_), CFileError::KindOf(err), err);
        }
    }
#else
    DWORD got = 0;
    if (!::ReadFile(handle_, to, static_cast<DWORD>(std::min<std::size_t>(n, 1u << 30)), &got, nullptr)) {
        const auto err = static_cast<int>(::GetLastError());
        throw CFileError(Utf8FromPath(file_), CFileError::KindOf(err), err);
    }
    read_ += got;
    if (read_ > maxBytes_) {
        throw CFileError(Utf8FromPath(file_), CFileError::Kind::TooLarge, 0, maxBytes_);
    }
    return got;
#endif
}
