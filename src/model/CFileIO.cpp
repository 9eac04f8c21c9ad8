#include "model/CFileIO.h"

#include "model/CFileError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string Reason(int err) { return std::generic_category().message(err); }

}  // namespace

std::string CFileIO::ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw CFileError(file.string(), "cannot be opened: " + Reason(errno));
    }
    std::string bytes;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw CFileError(file.string(), "cannot be read");
    }
    return bytes;
}

bool CFileIO::TryReadFile(const std::filesystem::path& file, std::string& bytes) {
    try {
        bytes = ReadFile(file);
        return true;
    } catch (const CFileError&) {
        return false;
    }
}

#ifndef _WIN32

void CFileIO::WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path dir = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::string pattern = (dir / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        throw CFileError(file.string(), "cannot be written: " + Reason(errno));
    }
    const std::string temp = pattern;
    const auto fail = [&](const char* what) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        throw CFileError(file.string(), std::string(what) + ": " + Reason(err));
    };

    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail("cannot be written");
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        fail("cannot be flushed to disk");
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw CFileError(file.string(), "cannot be closed: " + Reason(err));
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw CFileError(file.string(), "cannot replace the old file: " + Reason(err));
    }
    // Make the rename itself durable.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

#else

void CFileIO::WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path temp = file;
    temp += L".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            throw CFileError(file.string(), "cannot be written");
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw CFileError(file.string(), "cannot replace the old file");
    }
}

#endif
