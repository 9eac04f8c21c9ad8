#include "model/CArchiveWriter.h"

#include "model/CCp932.h"
#include "model/CUtf8.h"

void CArchiveWriter::WriteByte(std::uint8_t v) { out_ += static_cast<char>(v); }

void CArchiveWriter::WriteUInt16(std::uint16_t v) {
    out_ += static_cast<char>(v & 0xFF);
    out_ += static_cast<char>(v >> 8);
}

void CArchiveWriter::WriteUInt32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out_ += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
}

void CArchiveWriter::WriteInt32(std::int32_t v) { WriteUInt32(static_cast<std::uint32_t>(v)); }

void CArchiveWriter::WriteLength(std::uint64_t n) {
    if (n < 0xFF) {
        WriteByte(static_cast<std::uint8_t>(n));
        return;
    }
    WriteByte(0xFF);
    if (n < 0xFFFE) {
        WriteUInt16(static_cast<std::uint16_t>(n));
        return;
    }
    WriteUInt16(0xFFFF);
    if (n < 0xFFFFFFFFu) {
        WriteUInt32(static_cast<std::uint32_t>(n));
        return;
    }
    WriteUInt32(0xFFFFFFFFu);
    WriteUInt32(static_cast<std::uint32_t>(n));
    WriteUInt32(static_cast<std::uint32_t>(n >> 32));
}

void CArchiveWriter::WriteString(std::string_view utf8) {
    std::string encoded;
    if (CCp932::Encode(utf8, encoded)) {
        WriteLength(encoded.size());
        out_ += encoded;
        return;
    }
    const std::u16string units = CUtf8::ToUtf16(utf8);
    WriteByte(0xFF);
    WriteUInt16(0xFFFE);
    WriteLength(units.size());
    for (const char16_t u : units) {
        WriteUInt16(static_cast<std::uint16_t>(u));
    }
}
