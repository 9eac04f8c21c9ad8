// Little-endian reader over a byte buffer in the layout of the document
// file. Every read is checked against the bytes that remain, and a length
// that the remaining input cannot hold is refused before anything is
// allocated; failures throw CFormatError with the offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CText;

class CArchiveReader {
public:
    explicit CArchiveReader(std::string_view bytes) : bytes_(bytes) {}
    // The reader only views its bytes: a temporary would vanish under it.
    explicit CArchiveReader(std::string&&) = delete;

    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    std::uint16_t ReadUInt16();
    std::uint64_t ReadUInt64();
    std::uint8_t ReadByte();
    bool ReadFlag() { return ReadInt32() != 0; }
    bool ReadByteFlag() { return ReadByte() != 0; }
    // A length-prefixed string in code page 932 (or the UTF-16 form), returned as UTF-8.
    std::string ReadString();
    // The same, into a person's text without a string in between.
    void ReadText(CText& out);
    std::string_view ReadBytes(std::size_t n);

    std::size_t Offset() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }
    // Refuses a count of records of at least minSize bytes each that the rest cannot hold.
    void RequireRoomFor(std::uint64_t count, std::size_t minSize, const char* what) const;

private:
    void Need(std::uint64_t n, const char* what) const;
    // The bytes of a length-prefixed string; wide: in the UTF-16 form.
    std::string_view ReadStringBytes(bool& wide);
    static std::string FromUtf16Bytes(std::string_view raw);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::string scratch_;
};
