// The character sets GEDCOM files come in, and the decoding of one line of
// such a file into UTF-8. ANSEL puts its combining diacritics before the
// letter they belong to; they come out as the precomposed character where
// Unicode has one (e, then acute: "é"), else as the letter followed by the
// combining mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class CGedcomCharset {
public:
    enum class Kind { Utf8, Utf16Le, Utf16Be, Ascii, Ansi, Ansel, Cp932 };

    // The value of HEAD.CHAR; none for a name this program does not know.
    static std::optional<Kind> FromCharValue(std::string_view value);
    // How the report names it.
    static const char* DisplayName(Kind kind);

    // Appends bytes decoded to out (UTF-16 lines arrive already as UTF-8).
    // False when some bytes were not characters of the set; they became
    // U+FFFD, or (code page 932) the codec's private-use escapes.
    static bool Decode(Kind kind, std::string_view bytes, std::string& out);

    static bool DecodeAnsel(std::string_view bytes, std::string& out);
    static bool DecodeCp1252(std::string_view bytes, std::string& out);
    // base followed by mark as one character, or 0 when Unicode has none.
    static char32_t Compose(char32_t base, char32_t mark);
};
