#include "model/CFileError.h"

#include "res/Strings.h"

#include <cerrno>
#include <system_error>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/CUtf8.h"
#endif

namespace {

std::string Filled(std::string_view pattern, const std::string& value) {
    std::string text(pattern);
    if (const auto at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

// "256MB", as the limits are; a limit below a megabyte in bytes.
std::string SizeText(std::uint64_t bytes) {
    constexpr std::uint64_t kMega = 1024 * 1024;
    return bytes >= kMega ? std::to_string(bytes / kMega) + "MB" : std::to_string(bytes) + "バイト";
}

#ifndef _WIN32
std::string SystemText(int err) { return std::generic_category().message(err); }
#else
// The system's own words in the user's language, as UTF-8 like every text.
std::string SystemText(int err) {
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, static_cast<DWORD>(err), 0, reinterpret_cast<wchar_t*>(&text), 0,
                                     nullptr);
    if (n == 0 || text == nullptr) {
        return "Windows error " + std::to_string(err);
    }
    std::u16string wide(reinterpret_cast<const char16_t*>(text), n);
    ::LocalFree(text);
    while (!wide.empty() && (wide.back() == u'\r' || wide.back() == u'\n' || wide.back() == u' ')) {
        wide.pop_back();
    }
    return CUtf8::FromUtf16(wide);
}
#endif

std::string ReasonOf(CFileError::Kind kind, int err, std::uint64_t limit) {
    using Kind = CFileError::Kind;
    switch (kind) {
    case Kind::NotFound: return Str::kFileNotFound;
    case Kind::NotReadable: return Str::kFileNotReadable;
    case Kind::ReadOnly: return Str::kFileReadOnly;
    case Kind::FolderReadOnly: return Str::kFileFolderReadOnly;
    case Kind::ReadOnlyDisk: return Str::kFileReadOnlyDisk;
    case Kind::NotRegularFile: return Str::kFileNotRegular;
    case Kind::TooLarge: return Filled(Str::kFileTooLarge, SizeText(limit));
    case Kind::DanglingLink: return Str::kFileDanglingLink;
    case Kind::LinkLoop: return Str::kFileLinkLoop;
    case Kind::NoSpace: return Str::kFileNoSpace;
    case Kind::SizeLimit: return Str::kFileSizeLimit;
    case Kind::InUse: return Str::kFileInUse;
    case Kind::Other: break;
    }
    return Filled(Str::kFileSystemError, err != 0 ? SystemText(err) : std::string("?"));
}

std::string Described(const std::string& path, CFileError::Kind kind, int err, std::uint64_t limit) {
    std::string text = path + ": " + ReasonOf(kind, err, limit);
    if (err != 0 && kind != CFileError::Kind::Other) {
        text += " (" + SystemText(err) + ")";
    }
    return text;
}

}  // namespace

CFileError::CFileError(std::string path, Kind kind, int systemError, std::uint64_t limit)
    : std::runtime_error(Described(path, kind, systemError, limit)),
      path_(std::move(path)),
      kind_(kind),
      systemError_(systemError),
      limit_(limit) {}

#ifndef _WIN32
CFileError::Kind CFileError::KindOf(int systemError) {
    switch (systemError) {
    case ENOENT:
    case ENOTDIR: return Kind::NotFound;
    case EACCES:
    case EPERM: return Kind::ReadOnly;
    case EROFS: return Kind::ReadOnlyDisk;
    case EISDIR:
    case ENXIO: return Kind::NotRegularFile;
    case ELOOP: return Kind::LinkLoop;
#ifdef EDQUOT
    case EDQUOT:
#endif
    case ENOSPC: return Kind::NoSpace;
    case EFBIG: return Kind::SizeLimit;
    default: return Kind::Other;
    }
}
#else
// Win32 error numbers (GetLastError).
CFileError::Kind CFileError::KindOf(int systemError) {
    switch (static_cast<DWORD>(systemError)) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY: return Kind::NotFound;
    case ERROR_ACCESS_DENIED: return Kind::ReadOnly;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return Kind::InUse;
    case ERROR_WRITE_PROTECT: return Kind::ReadOnlyDisk;
    case ERROR_BAD_DEV_TYPE:
    case ERROR_BAD_DEVICE:
    case ERROR_PIPE_BUSY: return Kind::NotRegularFile;
    case ERROR_CANT_RESOLVE_FILENAME: return Kind::LinkLoop;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_NOT_ENOUGH_QUOTA: return Kind::NoSpace;
    default: return Kind::Other;
    }
}
#endif

std::string CFileError::Reason() const { return ReasonOf(kind_, systemError_, limit_); }
