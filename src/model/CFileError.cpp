#include "model/CFileError.h"

#include "res/Strings.h"

#include <cerrno>
#include <system_error>
#include <utility>

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

std::string SystemText(int err) { return std::generic_category().message(err); }

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

std::string CFileError::Reason() const { return ReasonOf(kind_, systemError_, limit_); }
