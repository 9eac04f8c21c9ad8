#include "links/CLinkNamespace.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where POSIX shared-memory names live; world-writable with the sticky bit,
// so only an object's owner can remove or replace it.
constexpr const char* kSharedMemoryDir = "/dev/shm";

class CPlace {
public:
    // The user's runtime folder when it is theirs alone, else the
    // shared-memory folder with the user id in the name.
    explicit CPlace(const std::string& name) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime != nullptr && *runtime == '/') {
            dir_ = ::open(runtime, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            struct stat st {};
            if (dir_ >= 0 && ::fstat(dir_, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0) {
                path_ = std::string(runtime) + "/" + name;
                file_ = name;
                return;
            }
            Close();
        }
        file_ = name + "." + std::to_string(::geteuid());
        path_ = std::string(kSharedMemoryDir) + "/" + file_;
        dir_ = ::open(kSharedMemoryDir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        error_ = dir_ < 0 ? errno : 0;
    }
    ~CPlace() { Close(); }
    CPlace(const CPlace&) = delete;
    CPlace& operator=(const CPlace&) = delete;

    int Dir() const { return dir_; }
    int Error() const { return error_; }
    const std::string& File() const { return file_; }
    const std::string& Path() const { return path_; }

private:
    void Close() {
        if (dir_ >= 0) {
            ::close(dir_);
            dir_ = -1;
        }
    }

    int dir_ = -1;
    int error_ = 0;
    std::string file_;
    std::string path_;
};

}  // namespace

int CLinkNamespace::Open(const std::string& name, bool create, int& error) {
    if (name.empty() || name.find('/') != std::string::npos) {
        error = EINVAL;
        return -1;
    }
    const CPlace place(name);
    if (place.Dir() < 0) {
        error = place.Error();
        return -1;
    }
    // Never through a symbolic link, and nothing that could block or
    // become our terminal: what is found there is checked before any use.
    const int flags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | (create ? O_CREAT : 0);
    const int fd = ::openat(place.Dir(), place.File().c_str(), flags, 0600);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    error = Check(fd, 0);
    if (error != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int CLinkNamespace::Check(int fd, std::size_t size) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return errno;
    }
    if (!S_ISREG(st.st_mode)) {
        return EINVAL;
    }
    if (st.st_uid != ::geteuid()) {
        return EPERM;
    }
    if ((st.st_mode & 077) != 0) {
        return EACCES;
    }
    // Removed, the name leads others to a new object; a second name could
    // be a file of ours that someone linked here to have us overwrite it.
    if (st.st_nlink == 0) {
        return ENOENT;
    }
    if (st.st_nlink > 1) {
        return EMLINK;
    }
    if (st.st_size < 0 || static_cast<std::size_t>(st.st_size) < size) {
        return EINVAL;
    }
    return 0;
}

std::string CLinkNamespace::PathOf(const std::string& name) { return CPlace(name).Path(); }

void CLinkNamespace::Remove(const std::string& name) {
    const CPlace place(name);
    if (place.Dir() >= 0 && !name.empty() && name.find('/') == std::string::npos) {
        ::unlinkat(place.Dir(), place.File().c_str(), 0);
    }
}
