#include "model/CArchiveReader.h"

#include "model/CCp932.h"
#include "model/CFileInput.h"
#include "model/CFormatError.h"
#include "model/CText.h"
#include "model/CTextArena.h"
#include "model/CUtf8.h"

#include <algorithm>
#include <cstring>

namespace {

// What one read from the file asks for: large enough that the calls cost
// nothing beside the decoding, small beside a document of a million people.
constexpr std::size_t kWindowBytes = 1 << 20;

}  // namespace

CArchiveReader::CArchiveReader(CFileInput& input) : size_(input.Size()), input_(&input) {}

void CArchiveReader::Fill(std::uint64_t n, const char* what) {
    if (n > Remaining() || input_ == nullptr) {
        throw CFormatError(Offset(), std::string("file ends inside ") + what);
    }
    // n is at most what remains of the file: the window never grows beyond it.
    const std::size_t need = static_cast<std::size_t>(n);
    const std::size_t kept = bytes_.size() - pos_;
    const std::size_t want = std::max(need, std::min<std::size_t>(kWindowBytes, Remaining()));
    if (want > windowCapacity_) {
        auto bigger = std::make_unique_for_overwrite<char[]>(want);
        if (kept != 0) {
            std::memcpy(bigger.get(), bytes_.data() + pos_, kept);
        }
        window_ = std::move(bigger);
        windowCapacity_ = want;
    } else if (kept != 0) {
        std::memmove(window_.get(), bytes_.data() + pos_, kept);
    }
    base_ += pos_;
    pos_ = 0;
    // Only the bytes the file had when opened: Remaining() stays the truth.
    std::size_t have = kept;
    while (have < want) {
        const std::size_t got = input_->Read(window_.get() + have, want - have);
        if (got == 0) {
            break;
        }
        have += got;
    }
    bytes_ = std::string_view(window_.get(), have);
    if (have < need) {
        // Cut short since it was opened: the rest is not there.
        size_ = base_ + have;
        throw CFormatError(Offset(), std::string("file ends inside ") + what);
    }
}

void CArchiveReader::RequireRoomFor(std::uint64_t count, std::size_t minSize, const char* what) const {
    if (minSize != 0 && count > Remaining() / minSize) {
        throw CFormatError(Offset(), std::string("count of ") + what + " exceeds the file");
    }
}

std::uint8_t CArchiveReader::ReadByte() {
    Need(1, "a byte");
    return static_cast<std::uint8_t>(bytes_[pos_++]);
}

std::uint16_t CArchiveReader::ReadUInt16() {
    Need(2, "a 16-bit value");
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    pos_ += 2;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CArchiveReader::ReadUInt32() {
    Need(4, "a 32-bit value");
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    pos_ += 4;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t CArchiveReader::ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }

std::uint64_t CArchiveReader::ReadUInt64() {
    const std::uint64_t low = ReadUInt32();
    const std::uint64_t high = ReadUInt32();
    return low | high << 32;
}

std::string_view CArchiveReader::ReadBytes(std::size_t n) {
    Need(n, "a block of bytes");
    const std::string_view part = bytes_.substr(pos_, n);
    pos_ += n;
    return part;
}

std::string_view CArchiveReader::ReadStringBytes(bool& wide) {
    const std::size_t start = Offset();
    // The length prefix grows with the length; 0xFF + 0xFFFE announces UTF-16.
    wide = false;
    std::uint64_t length = ReadByte();
    if (length == 0xFF) {
        length = ReadUInt16();
        if (length == 0xFFFE) {
            wide = true;
            length = ReadByte();
            if (length == 0xFF) {
                length = ReadUInt16();
            }
        }
        if (length == 0xFFFF) {
            length = ReadUInt32();
            if (length == 0xFFFFFFFFu) {
                length = ReadUInt64();
            }
        }
    }
    if ((wide && length > Remaining() / 2) || (!wide && length > Remaining())) {
        throw CFormatError(start, "string length exceeds the file");
    }
    return ReadBytes(static_cast<std::size_t>(wide ? length * 2 : length));
}

std::string CArchiveReader::FromUtf16Bytes(std::string_view raw) {
    std::u16string units(raw.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         static_cast<unsigned char>(raw[2 * i + 1]) << 8);
    }
    return CUtf8::FromUtf16(units);
}

std::string CArchiveReader::ReadString() {
    bool wide = false;
    const std::string_view raw = ReadStringBytes(wide);
    return wide ? FromUtf16Bytes(raw) : CCp932::Decode(raw);
}

void CArchiveReader::Put(CText& out, std::string_view text) const {
    if (arena_ != nullptr && text.size() > CText::kInline) {
        out = CText::Borrowing(arena_->Store(text));
    } else {
        out = text;
    }
}

void CArchiveReader::ReadText(CText& out) {
    bool wide = false;
    const std::string_view raw = ReadStringBytes(wide);
    if (wide) {
        Put(out, FromUtf16Bytes(raw));
        return;
    }
    // Straight from the file's bytes into the text: short ones through the
    // stack, long ones through one buffer the reader keeps for all of them.
    constexpr std::size_t kOnStack = 64;
    if (raw.size() <= kOnStack) {
        char stack[kOnStack * CCp932::kMaxUtf8PerByte];
        Put(out, std::string_view(stack, CCp932::DecodeTo(raw, stack)));
        return;
    }
    scratch_.resize(raw.size() * CCp932::kMaxUtf8PerByte);
    Put(out, std::string_view(scratch_.data(), CCp932::DecodeTo(raw, scratch_.data())));
}
