// Writes CSV lines to a file: code page 932 as the import reads it, or UTF-8
// with a byte order mark for text that code page 932 cannot hold. Lines are
// collected in memory and go to disk in one piece on Commit, saved as
// CFileIO saves, so a failed export never leaves a half-written or destroyed
// file behind.
#pragma once

#include "interchange/CLineCSV.h"

#include <cstddef>
#include <filesystem>
#include <string>

enum class CsvEncoding { Cp932, Utf8WithBom };

class CExportCSV {
public:
    struct EncodeFailure {
        std::size_t field = 0;   // index of the field that cannot be written
        char32_t character = 0;  // its first character without a code
    };

    CExportCSV(std::filesystem::path path, CsvEncoding encoding);
    CExportCSV(const CExportCSV&) = delete;
    CExportCSV& operator=(const CExportCSV&) = delete;

    // Appends ToText and CR LF. False, with nothing appended, when a field
    // holds a character the encoding cannot represent.
    bool WriteLine(const CLineCSV& line, EncodeFailure* failure = nullptr);
    // Throws CFileError; the previous file is then untouched.
    void Commit();

    const std::filesystem::path& Path() const { return path_; }
    const std::string& Bytes() const { return bytes_; }

private:
    std::filesystem::path path_;
    CsvEncoding encoding_;
    std::string bytes_;
};
