// An operating-system failure on a named file (cannot open, read, write,
// replace), carrying the path, what kind of failure it was and the system's
// own error number. Reason() says it in the user's words, for the line under
// the message that names the file; what() adds the path and, for the log and
// the terminal, the system's own description.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class CFileError : public std::runtime_error {
public:
    enum class Kind {
        NotFound,          // the file (or the folder of a new one) does not exist
        NotReadable,       // no permission to read it
        ReadOnly,          // no permission to write it: read-only, or another user's
        FolderReadOnly,    // a new file cannot be made in its folder
        ReadOnlyDisk,      // the file system is mounted read-only
        NotRegularFile,    // a folder, a device, a named pipe, a socket
        TooLarge,          // larger than the format's limit, Limit() bytes
        DanglingLink,      // a symbolic link to nothing
        LinkLoop,          // symbolic links in a circle, or too many of them
        NoSpace,           // the disk or the user's quota is full
        SizeLimit,         // beyond the process's file-size limit (ulimit -f)
        InUse,             // another program holds it open without sharing (Windows)
        Other,             // anything else: SystemError() says what
    };

    CFileError(std::string path, Kind kind, int systemError = 0, std::uint64_t limit = 0);

    // The kind a failed call's errno stands for, Other when none fits.
    static Kind KindOf(int systemError);

    const std::string& Path() const { return path_; }
    Kind GetKind() const { return kind_; }
    int SystemError() const { return systemError_; }
    std::uint64_t Limit() const { return limit_; }
    // One line in Japanese, without the path.
    std::string Reason() const;

private:
    std::string path_;
    Kind kind_;
    int systemError_;
    std::uint64_t limit_;
};
