// A font as the document file and the profile keep it: the fields of a
// Windows logical-font record. The face name is UTF-8 in memory; the file
// and the profile limit it to 31 bytes of code page 932.
#pragma once

#include <cstdint>
#include <string>

class CArchiveReader;
class CArchiveWriter;

class CLogFont {
public:
    static constexpr std::size_t kFaceNameBytes = 32;  // with the terminating zero

    std::int32_t height = -15;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 128;  // Shift-JIS
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 2;  // variable pitch
    std::string faceName = "ＭＳ Ｐゴシック";

    // The application's default font, used wherever no font was chosen.
    static CLogFont Default() { return CLogFont{}; }

    // The face name cut, on a character boundary, to what 31 bytes of code
    // page 932 hold; characters without a code become "?".
    static std::string FitFaceName(const std::string& utf8);

    void Write(CArchiveWriter& ar) const;
    static CLogFont Read(CArchiveReader& ar);

    friend bool operator==(const CLogFont&, const CLogFont&) = default;
};
