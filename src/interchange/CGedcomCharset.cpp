#include "interchange/CGedcomCharset.h"

#include "model/CCp932.h"
#include "model/CUtf8.h"
#include "res/Strings.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

struct Composition {
    std::uint16_t base;
    std::uint16_t mark;
    std::uint16_t composed;
};

constexpr Composition kCompositions[] = {
#include "interchange/AnselTables.inc"
};

constexpr char32_t kReplacement = 0xFFFD;

// ANSEL 0xA1..0xCF: the spacing characters (0 where the set has none).
constexpr std::array<char32_t, 0x2F> kAnselSpacing = {
    0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9, 0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0,  // A1..AC
    0x01AF, 0x02BC, 0,      0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA, 0x0131,  // AD..B8
    0x00A3, 0x00F0, 0,      0x01A1, 0x01B0, 0x25A1, 0x25A0, 0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F,  // B9..C4
    0x00BF, 0x00A1, 0x00DF, 0x20AC, 0,      0,      0,      0,      0x0065, 0x006F, 0x00DF,          // C5..CF
};

// ANSEL 0xE0..0xFE: the combining marks.
constexpr std::array<char32_t, 0x1F> kAnselCombining = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307, 0x0308, 0x030C, 0x030A,
    0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310, 0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333,
    0x0332, 0x0326, 0x031C, 0x032E, 0xFE22, 0xFE23, 0,      0,      0x0313,
};

// Code page 1252 0x80..0x9F (0 where it has no character).
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string NormalizedName(std::string_view value) {
    std::string out;
    for (const char c : value) {
        if (c == ' ' || c == '-' || c == '_') {
            continue;
        }
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

}  // namespace

std::optional<CGedcomCharset::Kind> CGedcomCharset::FromCharValue(std::string_view value) {
    const std::string n = NormalizedName(value);
    if (n == "UTF8") {
        return Kind::Utf8;
    }
    if (n == "UNICODE" || n == "UTF16" || n == "UTF16LE") {
        return Kind::Utf16Le;
    }
    if (n == "UTF16BE") {
        return Kind::Utf16Be;
    }
    if (n == "ASCII" || n == "USASCII") {
        return Kind::Ascii;
    }
    if (n == "ANSI" || n == "CP1252" || n == "WINDOWS1252" || n == "ISO88591" || n == "LATIN1") {
        return Kind::Ansi;
    }
    if (n == "ANSEL") {
        return Kind::Ansel;
    }
    if (n == "SHIFTJIS" || n == "SJIS" || n == "XSJIS" || n == "CP932" || n == "MS932" || n == "WINDOWS31J" ||
        n == "SHIFTJISX0213" || n == "JIS" || n == "MSKANJI") {
        return Kind::Cp932;
    }
    return std::nullopt;
}

const char* CGedcomCharset::DisplayName(Kind kind) {
    switch (kind) {
    case Kind::Utf8:
        return Str::kEncodingUtf8;
    case Kind::Utf16Le:
    case Kind::Utf16Be:
        return Str::kEncodingUtf16;
    case Kind::Ascii:
        return Str::kEncodingAscii;
    case Kind::Ansi:
        return Str::kEncodingAnsi;
    case Kind::Ansel:
        return Str::kEncodingAnsel;
    case Kind::Cp932:
        return Str::kEncodingCp932;
    }
    return "";
}

char32_t CGedcomCharset::Compose(char32_t base, char32_t mark) {
    if (base > 0xFFFF || mark > 0xFFFF) {
        return 0;
    }
    const Composition key{static_cast<std::uint16_t>(base), static_cast<std::uint16_t>(mark), 0};
    const auto less = [](const Composition& a, const Composition& b) {
        return a.base != b.base ? a.base < b.base : a.mark < b.mark;
    };
    const auto* it = std::lower_bound(std::begin(kCompositions), std::end(kCompositions), key, less);
    return it != std::end(kCompositions) && it->base == base && it->mark == mark ? it->composed : 0;
}

bool CGedcomCharset::DecodeAnsel(std::string_view bytes, std::string& out) {
    bool ok = true;
    // Marks waiting for their letter, in the order written.
    std::array<char32_t, 8> marks{};
    std::size_t markCount = 0;
    const auto flushMarks = [&] {
        for (std::size_t k = 0; k < markCount; ++k) {
            CUtf8::Append(out, marks[k]);
        }
        markCount = 0;
    };
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0xE0 && b <= 0xFE && kAnselCombining[b - 0xE0] != 0) {
            if (markCount < marks.size()) {
                marks[markCount++] = kAnselCombining[b - 0xE0];
            }
            continue;
        }
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if (b >= 0xA1 && b <= 0xCF && kAnselSpacing[b - 0xA1] != 0) {
            c = kAnselSpacing[b - 0xA1];
        } else {
            c = kReplacement;
            ok = false;
        }
        // Each mark onto the letter in turn while Unicode has the result;
        // the rest follow as combining characters.
        std::size_t k = 0;
        for (; k < markCount; ++k) {
            const char32_t composed = Compose(c, marks[k]);
            if (composed == 0) {
                break;
            }
            c = composed;
        }
        CUtf8::Append(out, c);
        for (; k < markCount; ++k) {
            CUtf8::Append(out, marks[k]);
        }
        markCount = 0;
    }
    flushMarks();  // marks with no letter after them
    return ok;
}

bool CGedcomCharset::DecodeCp1252(std::string_view bytes, std::string& out) {
    bool ok = true;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80 || b >= 0xA0) {
            CUtf8::Append(out, b);
        } else if (kCp1252High[b - 0x80] != 0) {
            CUtf8::Append(out, kCp1252High[b - 0x80]);
        } else {
            CUtf8::Append(out, kReplacement);
            ok = false;
        }
    }
    return ok;
}

bool CGedcomCharset::Decode(Kind kind, std::string_view bytes, std::string& out) {
    if (IsAscii(bytes)) {
        out.append(bytes);
        return true;
    }
    switch (kind) {
    case Kind::Utf8:
    case Kind::Utf16Le:
    case Kind::Utf16Be: {
        if (CUtf8::IsValid(bytes)) {
            out.append(bytes);
            return true;
        }
        for (std::size_t pos = 0; pos < bytes.size();) {
            const char32_t c = CUtf8::Next(bytes, pos);
            CUtf8::Append(out, c == CUtf8::kInvalid ? kReplacement : c);
        }
        return false;
    }
    case Kind::Ascii:
        // Bytes above 0x7F break the set; Windows programs that say ASCII
        // mean code page 1252, so that is how they are read, and reported.
        DecodeCp1252(bytes, out);
        return false;
    case Kind::Ansi:
        return DecodeCp1252(bytes, out);
    case Kind::Ansel:
        return DecodeAnsel(bytes, out);
    case Kind::Cp932: {
        const std::string decoded = CCp932::Decode(bytes);
        out += decoded;
        // U+F780..U+F7FF stand for bytes code page 932 does not define.
        for (std::size_t i = decoded.find('\xEF'); i != std::string::npos; i = decoded.find('\xEF', i + 1)) {
            if (i + 1 < decoded.size() && (decoded[i + 1] == '\x9E' || decoded[i + 1] == '\x9F')) {
                return false;
            }
        }
        return true;
    }
    }
    return false;
}
