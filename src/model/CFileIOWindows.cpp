// CFileIO on Windows: the same rules as on POSIX systems, in Win32 terms.
// A read takes only a file on a disk (no device such as NUL or CON, no pipe,
// no folder). A save follows links to the file they name, refuses a file the
// user may not write (the read-only attribute among them), and puts the new
// bytes in a temporary file beside the old one, written through to the disk
// and flushed, which ReplaceFileW then puts in the old one's place keeping
// its security and attributes (a new file: MoveFileExW, written through).
// Where that cannot be done (the folder takes no new file, the file has other
// hard links) the file is written in place after the room for it is
// reserved. Error numbers are Win32's (GetLastError).
#ifdef _WIN32

#include "model/CFileIO.h"

#include "model/CFileError.h"
#include "model/Utf8Path.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using Kind = CFileError::Kind;

namespace {

std::uint64_t Capped(std::uint64_t maxBytes) {
    return std::min<std::uint64_t>(maxBytes, std::numeric_limits<std::size_t>::max() / 2);
}

[[noreturn]] void Throw(const fs::path& file, Kind kind, DWORD err = 0, std::uint64_t limit = 0) {
    throw CFileError(Utf8FromPath(file), kind, static_cast<int>(err), limit);
}

[[noreturn]] void ThrowError(const fs::path& file, DWORD err) {
    Throw(file, CFileError::KindOf(static_cast<int>(err)), err);
}

// Closes the handle when it goes.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (IsOpen()) {
            ::CloseHandle(handle_);
        }
    }
    FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle& operator=(FileHandle&&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    HANDLE Release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    // Closes now, for the error a write delayed until the close may give.
    bool Close() { return ::CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The path's own attributes, its links not followed; INVALID_FILE_ATTRIBUTES
// when there is nothing there.
DWORD OwnAttributes(const fs::path& file) { return ::GetFileAttributesW(file.c_str()); }

bool IsLinkItself(const fs::path& file) {
    const DWORD attributes = OwnAttributes(file);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// What an open that failed with err means for the path.
[[noreturn]] void ThrowOpenError(const fs::path& file, DWORD err, Kind denied) {
    if ((err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) && IsLinkItself(file)) {
        Throw(file, Kind::DanglingLink, err);
    }
    if (err == ERROR_ACCESS_DENIED) {
        const DWORD attributes = OwnAttributes(file);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            Throw(file, Kind::NotRegularFile);
        }
        Throw(file, denied, err);
    }
    ThrowError(file, err);
}

// A file on a disk, not a device, a pipe or a folder.
BY_HANDLE_FILE_INFORMATION CheckRegular(const fs::path& file, HANDLE handle) {
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        Throw(file, Kind::NotRegularFile);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle, &info)) {
        ThrowError(file, ::GetLastError());
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        Throw(file, Kind::NotRegularFile);
    }
    return info;
}

std::uint64_t SizeOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

// ---- Reading -------------------------------------------------------------

FileHandle OpenForReading(const fs::path& file, std::uint64_t maxBytes, std::uint64_t& size) {
    FileHandle handle(::CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!handle.IsOpen()) {
        ThrowOpenError(file, ::GetLastError(), Kind::NotReadable);
    }
    size = SizeOf(CheckRegular(file, handle.Get()));
    if (size > maxBytes) {
        Throw(file, Kind::TooLarge, 0, maxBytes);
    }
    return handle;
}

// The bytes read into buffer, 0 at the end of the file.
std::size_t ReadSome(const fs::path& file, HANDLE handle, char* buffer, std::size_t size) {
    DWORD got = 0;
    const auto want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!::ReadFile(handle, buffer, want, &got, nullptr)) {
        const DWORD err = ::GetLastError();
        if (err == ERROR_HANDLE_EOF || err == ERROR_BROKEN_PIPE) {
            return 0;
        }
        ThrowError(file, err);
    }
    return got;
}

}  // namespace

std::string CFileIO::ReadFile(const fs::path& file, std::uint64_t maxBytes) {
    maxBytes = Capped(maxBytes);
    std::uint64_t size = 0;
    const FileHandle handle = OpenForReading(file, maxBytes, size);
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(std::max<std::size_t>(2 * have, 1 << 16),
                                                                         maxBytes + 1)));
        }
        const std::size_t n = ReadSome(file, handle.Get(), bytes.data() + have, bytes.size() - have);
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
    std::uint64_t size = 0;
    FileHandle handle = OpenForReading(file, maxBytes, size);
    return CFileInput(file, handle.Release(), size, maxBytes);
}

bool CFileIO::ReadFileInPieces(const fs::path& file, std::uint64_t maxBytes, std::size_t pieceBytes,
                               const PieceSink& take) {
    maxBytes = Capped(maxBytes);
    std::uint64_t size = 0;
    const FileHandle handle = OpenForReading(file, maxBytes, size);
    std::vector<char> buffer(std::max<std::size_t>(pieceBytes, 1));
    std::uint64_t total = 0;
    for (;;) {
        const std::size_t n = ReadSome(file, handle.Get(), buffer.data(), buffer.size());
        if (n == 0) {
            return true;
        }
        total += n;
        if (total > maxBytes) {
            Throw(file, Kind::TooLarge, 0, maxBytes);
        }
        if (!take(std::string_view(buffer.data(), n), size)) {
            return false;
        }
    }
}

// ---- Saving --------------------------------------------------------------

namespace {

// The file a save writes: the path with its links followed.
struct Target {
    fs::path path;
    bool exists = false;
};

Target Resolve(const fs::path& file) {
    Target target{file, false};
    const DWORD attributes = OwnAttributes(file);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD err = ::GetLastError();
        if (err == ERROR_FILE_NOT_FOUND) {
            return target;  // a new file
        }
        ThrowError(file, err);
    }
    target.exists = true;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return target;
    }
    // A link: the system follows it to the end, and names where it ended.
    FileHandle handle(
        ::CreateFileW(file.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.IsOpen()) {
        const DWORD err = ::GetLastError();
        if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) {
            Throw(file, Kind::DanglingLink, err);
        }
        if (err == ERROR_CANT_RESOLVE_FILENAME) {
            Throw(file, Kind::LinkLoop, err);
        }
        ThrowError(file, err);
    }
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetFinalPathNameByHandleW(handle.Get(), final.data(), static_cast<DWORD>(final.size()),
                                                    FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (n == 0) {
            ThrowError(file, ::GetLastError());
        }
        if (n < final.size()) {
            final.resize(n);
            break;
        }
        final.resize(n + 1);
    }
    target.path = fs::path(final);
    return target;
}

void WriteAll(const fs::path& file, HANDLE handle, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD wrote = 0;
        if (!::WriteFile(handle, bytes.data() + done, want, &wrote, nullptr)) {
            ThrowError(file, ::GetLastError());
        }
        done += wrote;
    }
}

// The temporary file of a replacement, removed unless it took the old file's place.
class Temporary {
public:
    explicit Temporary(fs::path path) : path_(std::move(path)) {}
    ~Temporary() {
        if (!path_.empty()) {
            ::DeleteFileW(path_.c_str());
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    const fs::path& Path() const { return path_; }
    void Keep() { path_.clear(); }

private:
    fs::path path_;
};

// A file of a new name beside target, opened for writing through to the disk.
FileHandle CreateBeside(const fs::path& target, fs::path& made) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(L".");
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[16];
        std::swprintf(suffix, 16, L".%08x.tmp", static_cast<unsigned>(random()));
        made = dir / (L"." + target.filename().wstring() + suffix);
        FileHandle handle(::CreateFileW(made.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (handle.IsOpen() || ::GetLastError() != ERROR_FILE_EXISTS) {
            return handle;
        }
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return FileHandle(INVALID_HANDLE_VALUE);
}

// The new bytes in a temporary file beside the target, put in its place.
// False, with nothing changed, where the folder of an existing file takes no
// new file.
bool Replace(const fs::path& file, const fs::path& target, bool exists, std::string_view bytes) {
    fs::path tempPath;
    FileHandle handle = CreateBeside(target, tempPath);
    if (!handle.IsOpen()) {
        const DWORD err = ::GetLastError();
        if (err == ERROR_ACCESS_DENIED) {
            if (exists) {
                return false;
            }
            Throw(file, Kind::FolderReadOnly, err);
        }
        ThrowError(file, err);
    }
    Temporary temp(tempPath);
    WriteAll(file, handle.Get(), bytes);
    if (!::FlushFileBuffers(handle.Get()) || !handle.Close()) {
        ThrowError(file, ::GetLastError());
    }
    if (exists) {
        if (!::ReplaceFileW(target.c_str(), temp.Path().c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
            ThrowError(file, ::GetLastError());
        }
        temp.Keep();
        // The exchange of names on the disk too, as the rename's write-through does for a new file.
        const FileHandle written(::CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (written.IsOpen()) {
            ::FlushFileBuffers(written.Get());
        }
    } else {
        // Without MOVEFILE_REPLACE_EXISTING: a file someone made meanwhile is theirs.
        if (!::MoveFileExW(temp.Path().c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
            ThrowError(file, ::GetLastError());
        }
        temp.Keep();
    }
    return true;
}

// Writing in place cannot be taken back, so the room on the disk for the
// bytes beyond the old length is reserved first (or, where the file system
// reserves nothing, seen to be free); the new bytes then go over the old ones
// from the start and the length is cut last.
void WriteInPlace(const fs::path& file, HANDLE handle, std::uint64_t oldSize, std::string_view bytes) {
    if (bytes.size() > oldSize) {
        FILE_ALLOCATION_INFO allocation{};
        allocation.AllocationSize.QuadPart = static_cast<LONGLONG>(bytes.size());
        if (!::SetFileInformationByHandle(handle, FileAllocationInfo, &allocation, sizeof allocation)) {
            const DWORD err = ::GetLastError();
            if (err == ERROR_DISK_FULL || err == ERROR_HANDLE_DISK_FULL) {
                Throw(file, Kind::NoSpace, err);
            }
            ULARGE_INTEGER available{};
            const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(L".");
            if (::GetDiskFreeSpaceExW(dir.c_str(), &available, nullptr, nullptr) &&
                available.QuadPart < bytes.size() - oldSize) {
                Throw(file, Kind::NoSpace, ERROR_DISK_FULL);
            }
        }
    }
    LARGE_INTEGER at{};
    if (!::SetFilePointerEx(handle, at, nullptr, FILE_BEGIN)) {
        ThrowError(file, ::GetLastError());
    }
    WriteAll(file, handle, bytes);
    if (!::SetEndOfFile(handle) || !::FlushFileBuffers(handle)) {
        ThrowError(file, ::GetLastError());
    }
}

}  // namespace

void CFileIO::WriteFileAtomically(const fs::path& file, std::string_view bytes) {
    const Target target = Resolve(file);
    if (!target.exists) {
        Replace(file, target.path, false, bytes);
        return;
    }
    // Opened for writing as an in-place write would open it: this is the
    // check that the user may write the file at all (the read-only
    // attribute refuses it here too).
    FileHandle handle(::CreateFileW(target.path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle.IsOpen()) {
        ThrowOpenError(file, ::GetLastError(), Kind::ReadOnly);
    }
    const BY_HANDLE_FILE_INFORMATION info = CheckRegular(file, handle.Get());
    // A file with other names keeps them all: each sees the new bytes.
    if (info.nNumberOfLinks > 1) {
        WriteInPlace(file, handle.Get(), SizeOf(info), bytes);
        return;
    }
    // Not open while the file is replaced: the replacement needs the old
    // file to itself.
    handle.Close();
    if (Replace(file, target.path, true, bytes)) {
        return;
    }
    FileHandle again(::CreateFileW(target.path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!again.IsOpen()) {
        ThrowOpenError(file, ::GetLastError(), Kind::ReadOnly);
    }
    WriteInPlace(file, again.Get(), SizeOf(CheckRegular(file, again.Get())), bytes);
}

void CFileIO::FailWritesBeyondTheSizeLimit() {}  // Windows has no such limit or signal

#endif  // _WIN32
