// Whole-file reads with a size limit, and crash-safe saves.
//
// A read takes only a regular file: a folder, a device, a socket or a named
// pipe is refused (the pipe without waiting for a writer), and so is a file
// larger than the caller's limit, also one that grows past it while it is read.
//
// A save writes the file that the path names, as a user expects of "save":
// symbolic links are followed and the file they point to is written, the link
// stays; a file the user may not write is refused, as writing it in place
// would be; owner, group and mode are kept. The new bytes go to a temporary
// file beside the old one, are flushed to disk and renamed over it, so that a
// failure at any point leaves the old file whole and no temporary file behind.
// Where a new file cannot take the old one's place without changing who owns
// it (another user's file we may write, a group we cannot give), where the
// folder is not writable, and where the file has other hard links (which a
// rename would leave holding the old bytes), the file is written in place
// instead: see WriteInPlace in the source for what that guarantees.
#pragma once

#include "model/CFileInput.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class CFileIO {
public:
    // Throws CFileError.
    static std::string ReadFile(const std::filesystem::path& file, std::uint64_t maxBytes);
    static bool TryReadFile(const std::filesystem::path& file, std::string& bytes, std::uint64_t maxBytes);
    // The same checks, the file left open to be read a piece at a time.
    static CFileInput OpenInput(const std::filesystem::path& file, std::uint64_t maxBytes);
    // The same checks, with the bytes handed over in pieces of at most
    // pieceBytes as they are read, together with the file's size when it was
    // opened. False when take returned false to stop. Throws CFileError.
    using PieceSink = std::function<bool(std::string_view piece, std::uint64_t fileSize)>;
    static bool ReadFileInPieces(const std::filesystem::path& file, std::uint64_t maxBytes, std::size_t pieceBytes,
                                 const PieceSink& take);

    // Throws CFileError; the old file is untouched on failure.
    static void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

    // For a program's start: a write beyond the file-size limit (ulimit -f)
    // then fails like a full disk, and is reported as every failed save is,
    // instead of ending the process with SIGXFSZ.
    static void FailWritesBeyondTheSizeLimit();
};
