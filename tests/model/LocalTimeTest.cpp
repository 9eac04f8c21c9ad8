#include "model/LocalTime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

// Each platform asks its own C library; whatever the time zone, the local
// year is within one of the year in UTC.
TEST(LocalTime, TheLocalYearIsTheYearOfTheClock) {
    const std::time_t now = std::time(nullptr);
    const int utcYear = std::gmtime(&now)->tm_year + 1900;
    EXPECT_LE(std::abs(CurrentLocalYear() - utcYear), 1);
}
