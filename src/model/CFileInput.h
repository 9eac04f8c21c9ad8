// A file opened for reading by CFileIO::OpenForReading, with the checks of
// CFileIO::ReadFile, read from the start a piece at a time: a reader of a
// large document then holds a small buffer instead of the whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

class CFileInput {
public:
    CFileInput(CFileInput&& other) noexcept;
    CFileInput& operator=(CFileInput&&) = delete;
    CFileInput(const CFileInput&) = delete;
    CFileInput& operator=(const CFileInput&) = delete;
    ~CFileInput();

    // The size the file had when it was opened, at most the limit.
    std::uint64_t Size() const { return size_; }
    // Up to n bytes into to, 0 at the end of the file. Throws CFileError,
    // also when the file has grown past the limit meanwhile.
    std::size_t Read(char* to, std::size_t n);

private:
    friend class CFileIO;
#ifndef _WIN32
    CFileInput(std::filesystem::path file, int fd, std::uint64_t size, std::uint64_t maxBytes)
        : file_(std::move(file)), fd_(fd), size_(size), maxBytes_(maxBytes) {}
#else
    CFileInput(std::filesystem::path file, void* handle, std::uint64_t size, std::uint64_t maxBytes)
        : file_(std::move(file)), handle_(handle), size_(size), maxBytes_(maxBytes) {}
#endif

    std::filesystem::path file_;
#ifndef _WIN32
    int fd_ = -1;
#else
    void* handle_ = nullptr;  // the file's HANDLE
#endif
    std::uint64_t size_ = 0;
    std::uint64_t maxBytes_ = 0;
    std::uint64_t read_ = 0;
};
