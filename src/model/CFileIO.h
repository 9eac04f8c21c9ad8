// Whole-file reads and crash-safe writes. A write goes to a temporary file in
// the same directory, is flushed to disk and then renamed over the old file,
// so a failure at any point leaves the previous file as it was and no
// temporary file behind.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class CFileIO {
public:
    // Throws CFileError.
    static std::string ReadFile(const std::filesystem::path& file);
    static bool TryReadFile(const std::filesystem::path& file, std::string& bytes);
    // Throws CFileError; the old file is untouched on failure.
    static void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);
};
