// Little-endian writer in the layout of the document file. Strings are
// written in code page 932 where they can be, else in the UTF-16 form, so
// nothing typed is lost.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CArchiveWriter {
public:
    void WriteInt32(std::int32_t v);
    void WriteUInt32(std::uint32_t v);
    void WriteUInt16(std::uint16_t v);
    void WriteByte(std::uint8_t v);
    void WriteFlag(bool v) { WriteInt32(v ? 1 : 0); }
    void WriteByteFlag(bool v) { WriteByte(v ? 1 : 0); }
    void WriteString(std::string_view utf8);
    void WriteBytes(std::string_view bytes) { out_.append(bytes); }

    // Room for n bytes in all, so that a large document is written without
    // the buffer growing (and being copied) on the way.
    void Reserve(std::size_t n) { out_.reserve(n); }

    const std::string& Bytes() const { return out_; }
    std::string Take() { return std::move(out_); }

private:
    void WriteLength(std::uint64_t n);

    std::string out_;
};
