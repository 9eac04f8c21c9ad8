#include "model/CCp932.h"

#include <gtest/gtest.h>

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

}  // namespace

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
