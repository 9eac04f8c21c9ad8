#include "model/CCp932.h"

#include "model/CUtf8.h"

#include <array>
#include <cstdint>

namespace {

struct Cp932Exception {
    char16_t character;
    std::uint16_t code;
};

#include "model/Cp932Tables.inc"

constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFC;

// The row of kDoubleByte for each lead byte.
constexpr std::array<std::uint8_t, 256> kRowOfLead = [] {
    std::array<std::uint8_t, 256> rows{};
    for (std::size_t row = 0; row < std::size(kLeadBytes); ++row) {
        rows[kLeadBytes[row]] = static_cast<std::uint8_t>(row);
    }
    return rows;
}();

// The code of every BMP character: the first code in byte order that decodes
// to it, unless the exceptions say otherwise, and the private-use escapes of
// the bytes without a character of their own. Built by the compiler, so the
// codec needs no setup at run time. 0 means "no code" except for U+0000.
constexpr std::array<std::uint16_t, 0x10000> kEncode = [] {
    std::array<std::uint16_t, 0x10000> codes{};
    for (unsigned b = 1; b < 256; ++b) {
        if (kSingleByte[b] != 0 && codes[kSingleByte[b]] == 0) {
            codes[kSingleByte[b]] = static_cast<std::uint16_t>(b);
        }
    }
    for (std::size_t row = 0; row < std::size(kLeadBytes); ++row) {
        for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
            const char16_t c = kDoubleByte[row][trail - kFirstTrail];
            if (c != 0 && codes[c] == 0) {
                codes[c] = static_cast<std::uint16_t>(kLeadBytes[row] << 8 | trail);
            }
        }
    }
    for (const Cp932Exception& e : kEncodeExceptions) {
        codes[e.character] = e.code;
    }
    for (unsigned b = 0x80; b < 0x100; ++b) {
        codes[CCp932::kEscapeBase + b] = static_cast<std::uint16_t>(b);
    }
    return codes;
}();

// 0 means "no character" (the byte 0 never comes here).
char32_t DecodeSingle(unsigned char b) { return kSingleByte[b]; }
// The lead byte is one; 0 means "no character".
char32_t DecodePair(unsigned char lead, unsigned char trail) {
    if (trail < kFirstTrail || trail > kLastTrail) {
        return 0;
    }
    return kDoubleByte[kRowOfLead[lead]][trail - kFirstTrail];
}
// 0 means "no code" except for U+0000.
std::uint16_t EncodeOne(char32_t c) { return c < 0x10000 ? kEncode[c] : 0; }

// Writes the UTF-8 of a character of the BMP (all the tables hold) at p
// and returns the end: at most 3 bytes.
char* PutBmp(char* p, char32_t c) {
    if (c < 0x80) {
        *p++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *p++ = static_cast<char>(0xC0 | c >> 6);
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *p++ = static_cast<char>(0xE0 | c >> 12);
        *p++ = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return p;
}

// CUtf8::Next, with the sequences of two and three bytes that make up almost
// all Japanese text decoded in place.
char32_t NextChar(std::string_view text, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 >= 0xC2 && b0 <= 0xDF && pos + 1 < text.size()) {
        const auto b1 = static_cast<unsigned char>(text[pos + 1]);
        if ((b1 & 0xC0) == 0x80) {
            pos += 2;
            return static_cast<char32_t>((b0 & 0x1F) << 6 | (b1 & 0x3F));
        }
    } else if ((b0 & 0xF0) == 0xE0 && pos + 2 < text.size()) {
        const auto b1 = static_cast<unsigned char>(text[pos + 1]);
        const auto b2 = static_cast<unsigned char>(text[pos + 2]);
        const auto c = static_cast<char32_t>((b0 & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F));
        if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80 && c >= 0x800 && (c < 0xD800 || c > 0xDFFF)) {
            pos += 3;
            return c;
        }
    }
    return CUtf8::Next(text, pos);
}

// Writes a code (one byte or two) at p and returns the end.
char* PutCode(char* p, std::uint16_t code) {
    if (code >= 0x100) {
        *p++ = static_cast<char>(code >> 8);
    }
    *p++ = static_cast<char>(code & 0xFF);
    return p;
}

}  // namespace

std::size_t CCp932::DecodeTo(std::string_view bytes, char* const begin) {
    char* p = begin;
    bool afterLoneLead = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            *p++ = static_cast<char>(b);
            ++i;
            afterLoneLead = false;
            continue;
        }
        if (IsLeadByte(b) && i + 1 < bytes.size()) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            const char32_t c = DecodePair(b, trail);
            // A duplicate code (NEC and IBM rows) encodes back to its canonical
            // pair. Right after a lone lead byte that new first byte could
            // join the lead into a different character, so there the pair
            // travels as two escaped bytes instead.
            const bool canonical = c != 0 && EncodeOne(c) == (b << 8 | trail);
            if (c != 0 && (canonical || !afterLoneLead)) {
                p = PutBmp(p, c);
                i += 2;
                afterLoneLead = false;
                continue;
            }
        }
        const char32_t c = IsLeadByte(b) ? 0 : DecodeSingle(b);
        p = PutBmp(p, c != 0 ? c : kEscapeBase + b);
        afterLoneLead = IsLeadByte(b);
        ++i;
    }
    return static_cast<std::size_t>(p - begin);
}

std::string CCp932::Decode(std::string_view bytes) {
    // A byte becomes at most 3 bytes of UTF-8. Short texts, names above all,
    // are decoded on the stack so the result is allocated once at its size.
    constexpr std::size_t kOnStack = 128;
    if (bytes.size() <= kOnStack) {
        char stack[kOnStack * kMaxUtf8PerByte];
        return std::string(stack, DecodeTo(bytes, stack));
    }
    std::string heap(bytes.size() * kMaxUtf8PerByte, '\0');
    heap.resize(DecodeTo(bytes, heap.data()));
    heap.shrink_to_fit();
    return heap;
}

bool CCp932::Encode(std::string_view utf8, std::string& out, Failure* failure) {
    // No character takes more bytes in code page 932 than in UTF-8.
    const std::size_t start = out.size();
    out.resize(start + utf8.size());
    char* const begin = out.data() + start;
    char* p = begin;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {  // the common case, and U+0000 whose table entry reads as "no code"
            *p++ = static_cast<char>(b);
            ++pos;
            continue;
        }
        const std::size_t at = pos;
        const char32_t c = NextChar(utf8, pos);
        const std::uint16_t code = c == CUtf8::kInvalid ? 0 : EncodeOne(c);
        if (code == 0) {
            if (failure != nullptr) {
                failure->offset = at;
                failure->character = c;
            }
            out.resize(start + static_cast<std::size_t>(p - begin));
            return false;
        }
        p = PutCode(p, code);
    }
    out.resize(start + static_cast<std::size_t>(p - begin));
    return true;
}

std::string CCp932::EncodeLossy(std::string_view utf8) {
    std::string out(utf8.size(), '\0');
    char* p = out.data();
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = NextChar(utf8, pos);
        if (c < 0x80) {
            *p++ = static_cast<char>(c);
            continue;
        }
        const std::uint16_t code = c == CUtf8::kInvalid ? 0 : EncodeOne(c);
        if (code == 0) {
            *p++ = '?';  // an ill-formed byte is one byte long too
        } else {
            p = PutCode(p, code);
        }
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    return out;
}
bool CCp932::CanEncode(std::string_view utf8, Failure* failure) {
    std::string scratch;
    return Encode(utf8, scratch, failure);
}

std::u16string CCp932::SortKey(std::string_view utf8) {
    std::u16string key;
    key.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {
            key += static_cast<char16_t>(b);
            ++pos;
            continue;
        }
        const char32_t c = NextChar(utf8, pos);
        const std::uint16_t code = c == CUtf8::kInvalid ? 0 : EncodeOne(c);
        key += code == 0 ? char16_t{0xFFFF} : static_cast<char16_t>(code);
    }
    return key;
}
