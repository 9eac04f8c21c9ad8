// The one codec between the program's UTF-8 strings and code page 932, the
// encoding of every file the program shares with others. Its table is glibc
// iconv's "CP932" (the Windows table), embedded (Cp932Tables.inc, made by
// tools/cp932_table.cpp), so every platform converts alike and nothing is set
// up at run time. Unlike a converter that gives up on a whole
// text, it reports exactly what it cannot convert, and bytes that code page
// 932 does not define decode to private-use characters (U+F780..U+F7FF) that
// encode back to the same bytes, so a load-save cycle never alters them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CCp932 {
public:
    static constexpr char32_t kEscapeBase = 0xF700;

    struct Failure {
        std::size_t offset = 0;  // byte offset in the UTF-8 input
        char32_t character = 0;  // the character that has no code (0xFFFFFFFF: ill-formed UTF-8)
    };

    static std::string Decode(std::string_view bytes);
    // Decodes into out, which holds at least kMaxUtf8PerByte bytes for each
    // byte of input, and returns the length of the UTF-8 written.
    static constexpr std::size_t kMaxUtf8PerByte = 3;
    static std::size_t DecodeTo(std::string_view bytes, char* out);

    // Appends the encoding of utf8 to out. Returns false at the first
    // character code page 932 cannot represent (out is then incomplete).
    static bool Encode(std::string_view utf8, std::string& out, Failure* failure = nullptr);
    // As Encode, but puts "?" in place of what cannot be represented.
    static std::string EncodeLossy(std::string_view utf8);
    static bool CanEncode(std::string_view utf8, Failure* failure = nullptr);

    // The text as code page 932 character values (lead byte * 256 + trail
    // byte, or the byte), the order in which names sort. Characters without
    // a code sort after all others.
    static std::u16string SortKey(std::string_view utf8);

    static bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
};
