#include "model/CAgeCalculator.h"

#include "model/CPerson.h"

#include <gtest/gtest.h>

namespace {

struct Texts {
    std::string birth;
    std::string death;
};

Texts Calc(const char* age, const char* birth, const char* death, bool kazoe) {
    const auto r = CAgeCalculator::Calculate(age, birth, death, kazoe);
    EXPECT_EQ(r.message, nullptr) << age << " " << birth << " " << death;
    return {r.birthText, r.deathText};
}

}  // namespace

TEST(CAgeCalculator, FillsTheMissingYearInBothCountings) {
    EXPECT_EQ(Calc("80", "1900", "", false).death, "1980");
    EXPECT_EQ(Calc("80", "1900", "", true).death, "1979");
    EXPECT_EQ(Calc("80", "", "1980", false).birth, "1900");
    EXPECT_EQ(Calc("80", "", "1980", true).birth, "1901");
    EXPECT_EQ(Calc("50", "-100", "", false).death, "-50");

    const Texts dated = Calc("10", "1900/5/3", "", false);
    EXPECT_EQ(dated.death, "1910");
    EXPECT_EQ(dated.birth, "1900/5/3");

    const Texts both = Calc("30", "1900", "2000", false);
    EXPECT_EQ(both.birth, "1900");
    EXPECT_EQ(both.death, "1930");

    const Texts neither = Calc("30", "", "", false);
    EXPECT_EQ(neither.birth, "");
    EXPECT_EQ(neither.death, "");
}

TEST(CAgeCalculator, AnEmptyAgeIsRefusedAndChangesNothing) {
    const auto r = CAgeCalculator::Calculate("", "1900", "1950", false);
    EXPECT_STREQ(r.message, "年齢を入れてください");
    EXPECT_EQ(r.birthText, "1900");
    EXPECT_EQ(r.deathText, "1950");
}

// The timeline's age rule skips the year 0; the year computed for an age must
// give back that very age there, also across the common era.
TEST(CAgeCalculator, ResultsShowTheTypedAgeOnTheTimelineAcrossTheEra) {
    for (const bool kazoe : {false, true}) {
        for (const int birth : {-50, -10, -1, 1, 1900}) {
            for (const int age : {1, 2, 9, 10, 50, 80}) {
                const std::string b = std::to_string(birth);
                const Texts fromBirth = Calc(std::to_string(age).c_str(), b.c_str(), "", kazoe);
                CPerson p;
                p.kazoe = kazoe;
                p.SetBirth(CScaleYear(birth));
                p.SetDeath(CScaleYear(std::stoi(fromBirth.death)));
                ASSERT_NE(fromBirth.death, "0");
                EXPECT_TRUE(p.AgeAt(std::nullopt, 2000)->SameFields(CScaleYear(age)))
                    << "birth " << birth << " age " << age << " kazoe " << kazoe << " death " << fromBirth.death;

                const Texts back = Calc(std::to_string(age).c_str(), "", fromBirth.death.c_str(), kazoe);
                EXPECT_EQ(back.birth, b) << "death " << fromBirth.death << " age " << age;
            }
        }
    }
}

TEST(CAgeCalculator, ResultsBeyondThirtyTwoBitsAreRefusedNotWrapped) {
    const char* tooFar = "計算結果の年が大きすぎるか、小さすぎるため計算できません。\r\n"
                         "計算できる年は-2147483648から2147483646までです。";
    auto r = CAgeCalculator::Calculate("100", "2147483600", "5", false);
    EXPECT_STREQ(r.message, tooFar);
    EXPECT_EQ(r.deathText, "5");
    r = CAgeCalculator::Calculate("100", "", "-2147483600", false);
    EXPECT_STREQ(r.message, tooFar);
    r = CAgeCalculator::Calculate("1", "99999999999999999999999999", "", false);
    EXPECT_STREQ(r.message, tooFar);
    // 2147483647 would read back as the unknown year.
    r = CAgeCalculator::Calculate("1", "2147483646", "", false);
    EXPECT_STREQ(r.message, tooFar);
    EXPECT_EQ(Calc("1", "2147483645", "", false).death, "2147483646");

    EXPECT_EQ(CAgeCalculator::LeadingInteger("  -12abc"), -12);
    EXPECT_EQ(CAgeCalculator::LeadingInteger("+7"), 7);
    EXPECT_EQ(CAgeCalculator::LeadingInteger("abc"), 0);
}
