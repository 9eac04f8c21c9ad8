// The ".vtc" document file: a flat little-endian record stream with a
// version first. Writes version 17 (people as version 8); reads every
// version from 1 on, leaving what older versions lack at its default.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CArchiveReader;
class CVitachronDoc;

class CDocumentFile {
public:
    // No document file is larger: the reader refuses more, and a document
    // that would be larger is not saved, so that every saved file opens again.
    // A person with typical texts takes some 110 bytes here and 55 in a CSV
    // line, so this holds about ten million people, twice what a CSV file of
    // the importer's largest size (kMaxFileBytes in CImportCSV.h, 256 MB)
    // brings in.
    static constexpr std::uint64_t kMaxFileBytes = 1024ull * 1024 * 1024;

    struct ReadResult {
        int version = 0;
    };

    // leftWidth is the name column's width at the moment of saving.
    static std::string Write(const CVitachronDoc& doc, int leftWidth);
    // Reads into a freshly initialised document. Throws CFormatError.
    static ReadResult Read(std::string_view bytes, CVitachronDoc& doc);
    // The same from a reader, which may be reading a file a piece at a time
    // (then also CFileError).
    static ReadResult Read(CArchiveReader& ar, CVitachronDoc& doc);
};
