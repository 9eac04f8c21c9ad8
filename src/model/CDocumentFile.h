// The ".vtc" document file: a flat little-endian record stream with a
// version first. Writes version 17 (people as version 8); reads every
// version from 1 on, leaving what older versions lack at its default.
#pragma once

#include <string>
#include <string_view>

class CVitachronDoc;

class CDocumentFile {
public:
    struct ReadResult {
        int version = 0;
        bool leftWidthRead = false;
    };

    // leftWidth is the name column's width at the moment of saving.
    static std::string Write(const CVitachronDoc& doc, int leftWidth);
    // Reads into a freshly initialised document. Throws CFormatError.
    static ReadResult Read(std::string_view bytes, CVitachronDoc& doc);
};
