#include "model/CArchiveWriter.h"

#include "model/CCp932.h"
#include "model/CUtf8.h"

void CArchiveWriter::WriteByte(std::uint8_t v) { out_ += static_cast<char>(v); }

void CArchiveWriter::WriteUInt16(std::uint16_t v) {
    out_ += static_cast<char>(v & 0xFF);
    out_ += static_cast<char>(v >> 8);
}

void CArchiveWriter::WriteUInt32(std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
    out_.append(bytes, 4);
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
    // Most strings are short: encode straight into the output after a
    // one-byte length, and move the text only when the length needs more.
    const std::size_t lengthAt = out_.size();
    out_ += '\0';
    if (CCp932::Encode(utf8, out_)) {
        const std::size_t n = out_.size() - lengthAt - 1;
        if (n < 0xFF) {
            out_[lengthAt] = static_cast<char>(n);
            return;
        }
        const std::string encoded = out_.substr(lengthAt + 1);
        out_.resize(lengthAt);
        WriteLength(n);
        out_ += encoded;
        return;
    }
    out_.resize(lengthAt);
    const std::u16string units = CUtf8::ToUtf16(utf8);
    WriteByte(0xFF);
    WriteUInt16(0xFFFE);
    WriteLength(units.size());
    for (const char16_t u : units) {
        WriteUInt16(static_cast<std::uint16_t>(u));
    }
}
