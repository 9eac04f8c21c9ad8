// An operating-system failure on a named file (cannot open, read, write,
// rename), carrying the path and the system's own reason.
#pragma once

#include <stdexcept>
#include <string>

class CFileError : public std::runtime_error {
public:
    CFileError(std::string path, const std::string& reason)
        : std::runtime_error(path + ": " + reason), path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
