#include "model/CCp932.h"

#include "model/CUtf8.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// The code page's tables, read once from iconv and immutable afterwards.
class Tables {
public:
    Tables() : decode_(65536, 0), encode_(65536, 0) {
        iconv_t toUnicode = iconv_open("UTF-32LE", "CP932");
        iconv_t fromUnicode = iconv_open("CP932", "UTF-32LE");
        if (toUnicode == reinterpret_cast<iconv_t>(-1) || fromUnicode == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv has no CP932 converter");
        }
        for (unsigned b = 0; b < 256; ++b) {
            if (!CCp932::IsLeadByte(static_cast<unsigned char>(b))) {
                const char in[1] = {static_cast<char>(b)};
                decode_[b] = Convert(toUnicode, in, 1);
            }
        }
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!CCp932::IsLeadByte(static_cast<unsigned char>(lead))) {
                continue;
            }
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                decode_[lead * 256 + trail] = Convert(toUnicode, in, 2);
            }
        }
        for (char32_t c = 1; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF) {
                continue;
            }
            encode_[c] = EncodeOne(fromUnicode, c);
        }
        // Bytes without a character of their own travel as private-use escapes.
        for (unsigned b = 0x80; b < 0x100; ++b) {
            encode_[CCp932::kEscapeBase + b] = static_cast<std::uint16_t>(b);
        }
        iconv_close(toUnicode);
        iconv_close(fromUnicode);
    }

    // 0 means "no character" except for the byte 0 itself.
    char32_t DecodeSingle(unsigned char b) const { return decode_[b]; }
    char32_t DecodePair(unsigned char lead, unsigned char trail) const { return decode_[lead * 256u + trail]; }
    // 0 means "no code" except for U+0000.
    std::uint16_t Encode(char32_t c) const { return c < 0x10000 ? encode_[c] : 0; }

private:
    static char32_t Convert(iconv_t cd, const char* in, std::size_t n) {
        char* inPtr = const_cast<char*>(in);
        std::size_t inLeft = n;
        char32_t out[2] = {0, 0};
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof(out);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r == static_cast<std::size_t>(-1) || inLeft != 0 || outLeft != sizeof(out) - 4) {
            return 0;
        }
        const auto* bytes = reinterpret_cast<const unsigned char*>(out);
        return static_cast<char32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (bytes[3] << 24));
    }

    static std::uint16_t EncodeOne(iconv_t cd, char32_t c) {
        unsigned char in[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                               static_cast<unsigned char>(c >> 16), 0};
        char* inPtr = reinterpret_cast<char*>(in);
        std::size_t inLeft = 4;
        unsigned char out[4] = {};
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof(out);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        const std::size_t produced = sizeof(out) - outLeft;
        if (r == static_cast<std::size_t>(-1) || inLeft != 0) {
            return 0;
        }
        if (produced == 1) {
            return out[0];
        }
        if (produced == 2) {
            return static_cast<std::uint16_t>(out[0] << 8 | out[1]);
        }
        return 0;
    }

    std::vector<char32_t> decode_;
    std::vector<std::uint16_t> encode_;
};

const Tables& TheTables() {
    static const Tables tables;
    return tables;
}

void AppendCode(std::string& out, std::uint16_t code) {
    if (code >= 0x100) {
        out += static_cast<char>(code >> 8);
    }
    out += static_cast<char>(code & 0xFF);
}

}  // namespace

std::string CCp932::Decode(std::string_view bytes) {
    const Tables& t = TheTables();
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    bool afterLoneLead = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            afterLoneLead = false;
            continue;
        }
        if (IsLeadByte(b) && i + 1 < bytes.size()) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            const char32_t c = t.DecodePair(b, trail);
            // A duplicate code (NEC and IBM rows) encodes back to its canonical
            // pair. Right after a lone lead byte that new first byte could
            // join the lead into a different character, so there the pair
            // travels as two escaped bytes instead.
            const bool canonical = c != 0 && t.Encode(c) == (b << 8 | trail);
            if (c != 0 && (canonical || !afterLoneLead)) {
                CUtf8::Append(out, c);
                i += 2;
                afterLoneLead = false;
                continue;
            }
        }
        const char32_t c = IsLeadByte(b) ? 0 : t.DecodeSingle(b);
        CUtf8::Append(out, c != 0 ? c : kEscapeBase + b);
        afterLoneLead = IsLeadByte(b);
        ++i;
    }
    return out;
}

bool CCp932::Encode(std::string_view utf8, std::string& out, Failure* failure) {
    const Tables& t = TheTables();
    out.reserve(out.size() + utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {  // the common case, and U+0000 whose table entry reads as "no code"
            out += static_cast<char>(b);
            ++pos;
            continue;
        }
        const std::size_t at = pos;
        const char32_t c = CUtf8::Next(utf8, pos);
        const std::uint16_t code = c == CUtf8::kInvalid ? 0 : t.Encode(c);
        if (code == 0) {
            if (failure != nullptr) {
                failure->offset = at;
                failure->character = c;
            }
            return false;
        }
        AppendCode(out, code);
    }
    return true;
}

std::string CCp932::EncodeLossy(std::string_view utf8) {
    const Tables& t = TheTables();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t c = CUtf8::Next(utf8, pos);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        const std::uint16_t code = c == CUtf8::kInvalid ? 0 : t.Encode(c);
        if (code == 0) {
            out += '?';
        } else {
            AppendCode(out, code);
        }
    }
    return out;
}

bool CCp932::CanEncode(std::string_view utf8, Failure* failure) {
    std::string scratch;
    return Encode(utf8, scratch, failure);
}

std::u16string CCp932::SortKey(std::string_view utf8) {
    const Tables& t = TheTables();
    std::u16string key;
    key.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {
            key += static_cast<char16_t>(b);
            ++pos;
            continue;
        }
        const char32_t c = CUtf8::Next(utf8, pos);
        const std::uint16_t code = c == CUtf8::kInvalid ? 0 : t.Encode(c);
        key += code == 0 ? char16_t{0xFFFF} : static_cast<char16_t>(code);
    }
    return key;
}
