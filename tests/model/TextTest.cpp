// The compact text of a person: inline up to 15 bytes, in a block beyond,
// and the same text either way.
#include "model/CText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(CText, KeepsEveryLengthAcrossTheInlineLimit) {
    for (std::size_t n = 0; n <= 40; ++n) {
        const std::string s(n, static_cast<char>('a' + n % 26));
        CText t(s);
        EXPECT_EQ(t.size(), n);
        EXPECT_EQ(t, s);
        EXPECT_EQ(t.c_str()[n], '\0');
        CText copy = t;
        CText moved = std::move(t);
        EXPECT_EQ(copy, s);
        EXPECT_EQ(moved, s);
        EXPECT_TRUE(t.empty());  // NOLINT: a moved-from text is empty
        copy = moved.view().substr(n / 2);  // a view of another text
        EXPECT_EQ(copy, s.substr(n / 2));
    }
}

TEST(CText, AssignsAndAppendsFromItsOwnBytes) {
    CText t("日本語のよみがな");  // 24 bytes: in a block
    t = t.view().substr(3);
    EXPECT_EQ(t, "本語のよみがな");
    t = t.view().substr(0, 6);  // back inline, from its own block
    EXPECT_EQ(t, "本語");
    t += t.view();
    EXPECT_EQ(t, "本語本語");
    t += "本語本語";
    EXPECT_EQ(t, "本語本語本語本語");
    EXPECT_EQ(t.size(), 24U);
    t.clear();
    EXPECT_TRUE(t.empty());
}

TEST(CText, ComparesAndJoinsWithStrings) {
    const CText a("abc");
    const std::string b = "abc";
    EXPECT_TRUE(a == b && b == a && a == "abc" && a == CText("abc"));
    EXPECT_FALSE(a == CText("abcd"));
    EXPECT_LT(a, CText("abd"));
    EXPECT_EQ(b + a, "abcabc");
    EXPECT_EQ(a + "!", "abc!");
    const std::string converted = a;
    EXPECT_EQ(converted, "abc");
    EXPECT_EQ(a.find('c'), 2U);
}
