// Little-endian reader in the layout of the document file, over a byte
// buffer or over an open file read a piece at a time. Every read is checked
// against the bytes that remain, and a length that the remaining input
// cannot hold is refused before anything is allocated; failures throw
// CFormatError with the offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CFileInput;
class CText;
class CTextArena;

class CArchiveReader {
public:
    explicit CArchiveReader(std::string_view bytes) : bytes_(bytes), size_(bytes.size()) {}
    // The reader only views its bytes: a temporary would vanish under it.
    explicit CArchiveReader(std::string&&) = delete;
    // The file's bytes as it had them when opened (a file cut short meanwhile
    // ends early); the input must outlive the reader. Throws CFileError.
    explicit CArchiveReader(CFileInput& input);

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
    // From now on ReadText stores texts too long for a CText's own bytes in
    // the arena, which must outlive every text read (null: no more).
    void KeepLongTextsIn(CTextArena* arena) { arena_ = arena; }
    // Valid until the next read.
    std::string_view ReadBytes(std::size_t n);

    std::size_t Offset() const { return static_cast<std::size_t>(base_) + pos_; }
    std::size_t Remaining() const { return static_cast<std::size_t>(size_ - base_) - pos_; }
    bool AtEnd() const { return Remaining() == 0; }
    // Refuses a count of records of at least minSize bytes each that the rest cannot hold.
    void RequireRoomFor(std::uint64_t count, std::size_t minSize, const char* what) const;

private:
    void Need(std::uint64_t n, const char* what) {
        if (n > bytes_.size() - pos_) {
            Fill(n, what);
        }
    }
    // The window over the file moved on so that it holds n bytes from here.
    void Fill(std::uint64_t n, const char* what);
    // The bytes of a length-prefixed string; wide: in the UTF-16 form.
    std::string_view ReadStringBytes(bool& wide);
    static std::string FromUtf16Bytes(std::string_view raw);
    void Put(CText& out, std::string_view text) const;

    std::string_view bytes_;  // all of them, or the window over the file
    std::size_t pos_ = 0;     // in bytes_
    std::uint64_t base_ = 0;  // the file offset of bytes_
    std::uint64_t size_ = 0;  // of all the input
    CFileInput* input_ = nullptr;
    CTextArena* arena_ = nullptr;
    std::unique_ptr<char[]> window_;
    std::size_t windowCapacity_ = 0;
    std::string scratch_;
};
