#include "model/CFileIO.h"

#include "model/CFileError.h"
#include "model/Utf8Path.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <limits>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using Kind = CFileError::Kind;

bool CFileIO::TryReadFile(const fs::path& file, std::string& bytes, std::uint64_t maxBytes) {
    try {
        bytes = ReadFile(file, maxBytes);
        return true;
    } catch (const CFileError&) {
        return false;
    }
}

#ifndef _WIN32

namespace {

// Beyond this no string can be made anyway; it also keeps limit + 1 from overflowing.
std::uint64_t Capped(std::uint64_t maxBytes) {
    return std::min<std::uint64_t>(maxBytes, std::numeric_limits<std::size_t>::max() / 2);
}

[[noreturn]] void Throw(const fs::path& file, Kind kind, int err = 0, std::uint64_t limit = 0) {
    throw CFileError(Utf8FromPath(file), kind, err, limit);
}

[[noreturn]] void ThrowErrno(const fs::path& file, int err) { Throw(file, CFileError::KindOf(err), err); }

// SYMLOOP_MAX as Linux has it: the links one path may pass through.
constexpr int kMaxLinks = 40;

// Closes the descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;
    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes now, for the error that a write delayed until the close may give.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

// ---- Reading -------------------------------------------------------------

[[noreturn]] void ThrowReadErrno(const fs::path& file, int err) {
    struct stat link {};
    if (err == ENOENT && ::lstat(file.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        Throw(file, Kind::DanglingLink, err);
    }
    Throw(file, err == EACCES || err == EPERM ? Kind::NotReadable : CFileError::KindOf(err), err);
}

// A regular file no larger than maxBytes, opened for reading. It is looked at
// before it is opened, so that a device is never opened at all, and opened
// without blocking, so that a named pipe put there meanwhile cannot make us
// wait for a writer; the open file is then looked at again.
Descriptor OpenForReading(const fs::path& file, std::uint64_t maxBytes, struct stat& st) {
    if (::stat(file.c_str(), &st) != 0) {
        ThrowReadErrno(file, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        Throw(file, Kind::NotRegularFile);
    }
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        ThrowReadErrno(file, errno);
    }
    if (::fstat(fd.Get(), &st) != 0) {
        ThrowErrno(file, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        Throw(file, Kind::NotRegularFile);
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        Throw(file, Kind::TooLarge, 0, maxBytes);
    }
    return fd;
}

// The bytes read into buffer, 0 at the end of the file.
std::size_t ReadSome(const fs::path& file, int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            ThrowErrno(file, errno);
        }
    }
}

}  // namespace

std::string CFileIO::ReadFile(const fs::path& file, std::uint64_t maxBytes) {
    maxBytes = Capped(maxBytes);
    struct stat st {};
    const Descriptor fd = OpenForReading(file, maxBytes, st);
    // Room for the size the file has and one byte more, so that one read
    // takes all of it; the file may still have grown since, or be shorter.
    std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        // Grown to one byte beyond the limit, the buffer takes no more: the
        // next read gives 0 and the check below refuses the file.
        if (have == bytes.size()) {
            bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(std::max<std::size_t>(2 * have, 1 << 16),
                                                                         maxBytes + 1)));
        }
        const std::size_t n = ReadSome(file, fd.Get(), bytes.data() + have, bytes.size() - have);
        if (n == 0) {
            break;
        }
        have += n;
    }
    if (have > maxBytes) {
        Throw(file, Kind::TooLarge, 0, maxBytes);
    }
    bytes.resize(have);
    return bytes;
}

CFileInput CFileIO::OpenInput(const fs::path& file, std::uint64_t maxBytes) {
    maxBytes = Capped(maxBytes);
    struct stat st {};
    Descriptor fd = OpenForReading(file, maxBytes, st);
    return CFileInput(file, fd.Release(), static_cast<std::uint64_t>(st.st_size), maxBytes);
}

bool CFileIO::ReadFileInPieces(const fs::path& file, std::uint64_t maxBytes, std::size_t pieceBytes,
                               const PieceSink& take) {
    maxBytes = Capped(maxBytes);
    struct stat st {};
    const Descriptor fd = OpenForReading(file, maxBytes, st);
    std::vector<char> buffer(std::max<std::size_t>(pieceBytes, 1));
    std::uint64_t total = 0;
    for (;;) {
        const std::size_t n = ReadSome(file, fd.Get(), buffer.data(), buffer.size());
        if (n == 0) {
            return true;
        }
        total += n;
        if (total > maxBytes) {
            Throw(file, Kind::TooLarge, 0, maxBytes);
        }
        if (!take(std::string_view(buffer.data(), n), static_cast<std::uint64_t>(st.st_size))) {
            return false;
        }
    }
}

// ---- Saving --------------------------------------------------------------

namespace {

// The file a save writes: the path with its symbolic links followed.
struct Target {
    fs::path path;
    bool exists = false;
    struct stat st {};
};

Target Resolve(const fs::path& file) {
    Target t;
    t.path = file;
    for (int links = 0;; ++links) {
        if (::lstat(t.path.c_str(), &t.st) != 0) {
            const int err = errno;
            if (err != ENOENT) {
                ThrowErrno(file, err);
            }
            // Nothing there: a new file, unless a link promised one.
            if (links > 0) {
                Throw(file, Kind::DanglingLink, err);
            }
            return t;
        }
        if (!S_ISLNK(t.st.st_mode)) {
            t.exists = true;
            return t;
        }
        if (links == kMaxLinks) {
            Throw(file, Kind::LinkLoop, ELOOP);
        }
        std::error_code ec;
        const fs::path to = fs::read_symlink(t.path, ec);
        if (ec) {
            ThrowErrno(file, ec.value());
        }
        t.path = to.is_absolute() ? to : t.path.parent_path() / to;
    }
}

void WriteAll(const fs::path& file, int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(file, errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

// A write past the file-size limit fails (or, where the signal is not
// ignored, ends the process): seen coming, it is refused before anything is written.
void CheckSizeLimit(const fs::path& file, std::size_t size) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && size > limit.rlim_cur) {
        Throw(file, Kind::SizeLimit, EFBIG);
    }
}

// The temporary file of a replacement, removed unless it took the old file's place.
class Temporary {
public:
    explicit Temporary(std::string path) : path_(std::move(path)) {}
    ~Temporary() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    const std::string& Path() const { return path_; }
    void Keep() { path_.clear(); }

private:
    std::string path_;
};

// The new bytes in a temporary file beside the target, renamed over it. False,
// with nothing changed, where the temporary file cannot stand in for an
// existing one (old): its folder takes no new file, or the owner or group of
// the old file cannot be given to it.
bool Replace(const fs::path& file, const fs::path& target, const struct stat* old, std::string_view bytes) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    Descriptor fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        const int err = errno;
        if (err == EACCES || err == EPERM) {
            if (old != nullptr) {
                return false;
            }
            Throw(file, Kind::FolderReadOnly, err);
        }
        ThrowErrno(file, err);
    }
    Temporary temp(pattern);

    if (old != nullptr) {
        struct stat made {};
        if (::fstat(fd.Get(), &made) != 0) {
            ThrowErrno(file, errno);
        }
        if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
            ::fchown(fd.Get(), old->st_uid, old->st_gid) != 0) {
            return false;
        }
        // After the owner: a change of owner clears the set-id bits.
        if (::fchmod(fd.Get(), old->st_mode & 07777) != 0) {
            ThrowErrno(file, errno);
        }
    } else {
        // A new file gets the mode any program would give it.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fd.Get(), 0666 & ~mask) != 0) {
            ThrowErrno(file, errno);
        }
    }

    WriteAll(file, fd.Get(), bytes);
    if (::fsync(fd.Get()) != 0 || fd.Close() != 0) {
        ThrowErrno(file, errno);
    }
    if (::rename(temp.Path().c_str(), target.c_str()) != 0) {
        ThrowErrno(file, errno);
    }
    temp.Keep();
    // Make the rename itself durable.
    const Descriptor dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.Get() >= 0) {
        ::fsync(dirFd.Get());
    }
    return true;
}

// Writing in place cannot be taken back, so every failure that can be seen
// coming is looked for before the first byte changes: the file-size limit
// (by the caller, as for every save), and room on the disk for the bytes
// beyond the old length, which is reserved so that no other writer can take
// it meanwhile. The new bytes then go over
// the old ones from the start and the length is cut last, not first: the
// file's own blocks are only overwritten, never freed and needed again, so
// the reserved room is all the writes can need. What is left is a failure of
// the disk itself (or the system stopping) in the middle of the writes.
void WriteInPlace(const fs::path& file, int fd, const struct stat& st, std::string_view bytes) {
    const auto oldSize = static_cast<std::uint64_t>(st.st_size);
    if (bytes.size() > oldSize) {
        int err = 0;
#ifdef FALLOC_FL_KEEP_SIZE
        err = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) == 0 ? 0 : errno;
#else
        err = EOPNOTSUPP;
#endif
        if (err == EOPNOTSUPP || err == ENOSYS) {
            // Nothing to reserve with here: at least the room must be free now.
            struct statvfs vfs {};
            if (::fstatvfs(fd, &vfs) == 0 &&
                static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize < bytes.size() - oldSize) {
                Throw(file, Kind::NoSpace, ENOSPC);
            }
        } else if (err != 0) {
            ThrowErrno(file, err);
        }
    }
    WriteAll(file, fd, bytes);
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0) {
        ThrowErrno(file, errno);
    }
}

}  // namespace

void CFileIO::WriteFileAtomically(const fs::path& file, std::string_view bytes) {
    CheckSizeLimit(file, bytes.size());
    const Target target = Resolve(file);
    if (!target.exists) {
        Replace(file, target.path, nullptr, bytes);
        return;
    }
    if (!S_ISREG(target.st.st_mode)) {
        Throw(file, Kind::NotRegularFile);
    }
    // Opened for writing as an in-place write would open it: this is the
    // check that the user may write the file at all.
    const Descriptor fd(::open(target.path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        ThrowErrno(file, errno);
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) {
        ThrowErrno(file, errno);
    }
    if (!S_ISREG(st.st_mode)) {
        Throw(file, Kind::NotRegularFile);
    }
    // A file with other names keeps them all: each sees the new bytes.
    if (st.st_nlink > 1 || !Replace(file, target.path, &st, bytes)) {
        WriteInPlace(file, fd.Get(), st, bytes);
    }
}

void CFileIO::FailWritesBeyondTheSizeLimit() { std::signal(SIGXFSZ, SIG_IGN); }

#endif  // !_WIN32: CFileIOWindows.cpp has the Windows branch
