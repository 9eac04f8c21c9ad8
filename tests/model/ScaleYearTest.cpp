#include "model/CScaleYear.h"

#include <gtest/gtest.h>

TEST(CScaleYear, ParsesSignsAndStopsAtNonDigit) {
    auto r = CScaleYear::ParseYearText("-660");
    EXPECT_TRUE(r.year.SameFields(CScaleYear(-660, 1)));
    EXPECT_EQ(r.end, 4u);
}
