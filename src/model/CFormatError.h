// A file that cannot be read as what it claims to be, with the byte offset at
// which reading gave up. The user sees one message; the offset goes to logs,
// the command-line tool and tests.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

class CFormatError : public std::runtime_error {
public:
    CFormatError(std::size_t offset, const std::string& what)
        : std::runtime_error(what + " at byte " + std::to_string(offset)), offset_(offset) {}

    std::size_t Offset() const { return offset_; }

private:
    std::size_t offset_;
};
