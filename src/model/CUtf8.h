// UTF-8 and UTF-16 conversions for the strings the program keeps in memory.
#pragma once

#include <string>
#include <string_view>

class CUtf8 {
public:
    static constexpr char32_t kInvalid = 0xFFFFFFFF;

    // Decodes the character at pos and advances past it; an ill-formed
    // sequence yields kInvalid and advances by one byte.
    static char32_t Next(std::string_view text, std::size_t& pos);
    static void Append(std::string& out, char32_t c);
    static bool IsValid(std::string_view text);

    // Unpaired surrogates become U+FFFD.
    static std::string FromUtf16(std::u16string_view text);
    // Ill-formed bytes become U+FFFD.
    static std::u16string ToUtf16(std::string_view text);
};
