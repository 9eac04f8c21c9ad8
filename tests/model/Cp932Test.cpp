#include "model/CCp932.h"

#include "model/CUtf8.h"

#include <gtest/gtest.h>

#include <cstdint>

#if !defined(_WIN32)
#include <iconv.h>
#endif

namespace {

std::string Bytes(std::initializer_list<int> b) {
    std::string s;
    for (const int x : b) {
        s += static_cast<char>(x);
    }
    return s;
}

std::string Encode(std::string_view utf8) {
    std::string out;
    EXPECT_TRUE(CCp932::Encode(utf8, out)) << utf8;
    return out;
}

// FNV-1a over what the codec makes of every string of one and two bytes, of
// every pair right after a lone lead byte (85 is an empty row), and of every
// character of the BMP: the whole table with its escape and duplicate rules.
std::uint64_t Fingerprint() {
    std::uint64_t h = 0xCBF29CE484222325u;
    const auto mix = [&h](std::string_view s) {
        for (const char c : s) {
            h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
        }
        h = (h ^ 0x100u) * 0x100000001B3u;  // keeps "ab" + "c" apart from "a" + "bc"
    };
    for (int b = 0; b < 256; ++b) {
        mix(CCp932::Decode(Bytes({b})));
    }
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            mix(CCp932::Decode(Bytes({lead, trail})));
            if (CCp932::IsLeadByte(static_cast<unsigned char>(lead))) {
                mix(CCp932::Decode(Bytes({0x85, lead, trail})));
            }
        }
    }
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;
        }
        std::string utf8;
        CUtf8::Append(utf8, c);
        std::string out;
        mix(CCp932::Encode(utf8, out) ? out : "-");
    }
    return h;
}

}  // namespace

TEST(CCp932, EveryPlatformMapsEveryCodeAlike) {
    EXPECT_EQ(Fingerprint(), 0x003F0DA85888F04Du);
}

#if !defined(_WIN32)
// The embedded table is glibc's "CP932", code for code, in both directions.
TEST(CCp932, MatchesIconv) {
    iconv_t toUnicode = iconv_open("UTF-8", "CP932");
    iconv_t fromUnicode = iconv_open("CP932", "UTF-8");
    ASSERT_NE(toUnicode, reinterpret_cast<iconv_t>(-1));
    ASSERT_NE(fromUnicode, reinterpret_cast<iconv_t>(-1));
    const auto convert = [](iconv_t cd, const std::string& in, std::string& out) {
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char buffer[16];
        char* outPtr = buffer;
        std::size_t outLeft = sizeof(buffer);
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
        out.assign(buffer, outPtr);
        return ok;
    };
    int mismatches = 0;
    std::string expected;
    for (int lead = 0x80; lead < 256; ++lead) {
        const bool isLead = CCp932::IsLeadByte(static_cast<unsigned char>(lead));
        for (int trail = isLead ? 0 : 256; trail < (isLead ? 256 : 257); ++trail) {
            const std::string code = isLead ? Bytes({lead, trail}) : Bytes({lead});
            if (convert(toUnicode, code, expected) && CUtf8::IsValid(expected) && CCp932::Decode(code) != expected) {
                EXPECT_LT(++mismatches, 10) << "decoding " << std::hex << lead << ' ' << trail;
            }
        }
    }
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || (c >= CCp932::kEscapeBase + 0x80 && c <= CCp932::kEscapeBase + 0xFF)) {
            continue;
        }
        std::string utf8;
        CUtf8::Append(utf8, c);
        std::string actual;
        const bool encoded = CCp932::Encode(utf8, actual);
        if (convert(fromUnicode, utf8, expected) != encoded || (encoded && actual != expected)) {
            EXPECT_LT(++mismatches, 10) << "encoding U+" << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_EQ(mismatches, 0);
    iconv_close(toUnicode);
    iconv_close(fromUnicode);
}
#endif

TEST(CCp932, UsesTheWindowsTable) {
    EXPECT_EQ(CCp932::Decode("\\"), "\\");  // 0x5C is the backslash, not the yen sign
    EXPECT_EQ(CCp932::Decode(Bytes({0x81, 0x60})), "～");  // U+FF5E
    EXPECT_EQ(Encode("〜"), Bytes({0x81, 0x60}));        // U+301C encodes one way
    EXPECT_EQ(Encode("−"), Bytes({0x81, 0x7C}));         // U+2212
    EXPECT_EQ(Encode("表"), Bytes({0x95, 0x5C}));         // trail byte is a backslash
    EXPECT_EQ(Encode("ｱ"), Bytes({0xB1}));               // half-width katakana
    EXPECT_EQ(CCp932::Decode(Bytes({0x83, 0x5C, 0x94, 0x5C})), "ソ能");
}

TEST(CCp932, UndefinedBytesSurviveADecodeEncodeCycle) {
    const std::string raw = Bytes({0x80, 'a', 0xA0, 0xFD, 0xFE, 0xFF, 0x85, 0x40, 0x81, 0x39, 0x81});
    const std::string text = CCp932::Decode(raw);
    std::string back;
    ASSERT_TRUE(CCp932::Encode(text, back));
    EXPECT_EQ(back, raw);
    // Every escape takes three bytes of UTF-8, the most a byte can grow to,
    // in short texts and long ones alike.
    for (const std::size_t n : {128u, 129u, 1000u}) {
        const std::string many(n, '\xFD');
        const std::string decoded = CCp932::Decode(many + "\x82\xA0");
        EXPECT_EQ(decoded.size(), 3 * n + 3);
        EXPECT_EQ(decoded.substr(3 * n), "あ");
        EXPECT_EQ(Encode(decoded), many + "\x82\xA0");
    }
}

TEST(CCp932, ALoneLeadByteNeverJoinsTheNextCharacterAfterASave) {
    // EE EE is no character; EE FA is a duplicate whose canonical code is
    // FA 55. Written back canonically after the lone EE, it would read as
    // EE FA the next time: the pair must come back exactly as it was.
    const std::string raw = Bytes({0xEE, 0xEE, 0xFA, 0x42});
    std::string once;
    ASSERT_TRUE(CCp932::Encode(CCp932::Decode(raw), once));
    EXPECT_EQ(once, raw);
    // Elsewhere a duplicate becomes its canonical code, as Windows writes it.
    std::string canonical;
    ASSERT_TRUE(CCp932::Encode(CCp932::Decode(Bytes({0xEE, 0xFA})), canonical));
    EXPECT_EQ(canonical, Bytes({0xFA, 0x55}));
}

TEST(CCp932, ReportsTheFirstCharacterItCannotRepresent) {
    std::string out;
    CCp932::Failure failure;
    EXPECT_FALSE(CCp932::Encode("ab😀c", out, &failure));
    EXPECT_EQ(failure.offset, 2u);
    EXPECT_EQ(failure.character, U'😀');
    EXPECT_FALSE(CCp932::CanEncode("한국"));
    EXPECT_TRUE(CCp932::CanEncode("日本語テキスト"));
    EXPECT_EQ(CCp932::EncodeLossy("a😀b"), "a?b");
    EXPECT_FALSE(CCp932::CanEncode(Bytes({0xE3, 0x81})));  // ill-formed UTF-8 is refused too
}

TEST(CCp932, SortKeyCountsDoubleByteCharactersAsOneValue) {
    const std::u16string key = CCp932::SortKey("aあｱ");
    ASSERT_EQ(key.size(), 3u);
    EXPECT_EQ(key[0], u'a');
    EXPECT_EQ(key[1], 0x82A0);
    EXPECT_EQ(key[2], 0xB1);
    // A half-width katakana sorts before every double-byte character,
    // although its byte is above a lead byte.
    EXPECT_LT(CCp932::SortKey("ｱ"), CCp932::SortKey("あ"));
    EXPECT_LT(CCp932::SortKey("あべ"), CCp932::SortKey("いとう"));
    EXPECT_LT(CCp932::SortKey("あ"), CCp932::SortKey("あい"));  // a prefix first
    EXPECT_EQ(CCp932::SortKey("😀")[0], 0xFFFF);  // no code: after everything
}
