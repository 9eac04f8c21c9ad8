#include "app/CWindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A primary display of 1600x1200 with a panel at the top, and a second one to its right.
const CWindowPlacement::Screens kScreens{{wxRect(0, 0, 1600, 1200), wxRect(1600, 0, 1280, 1024)},
                                         wxRect(0, 30, 1600, 1170)};
const wxSize kDefault(1000, 700);

CWindowPlacement::Placement Choose(int left, int top, int right, int bottom) {
    return CWindowPlacement::Choose(left, top, right, bottom, kScreens, kDefault);
}

}  // namespace

TEST(CWindowPlacement, ARectangleWithinOneDisplayIsRestoredAsStored) {
    const auto p = Choose(60, 40, 860, 640);
    EXPECT_EQ(p.position, wxPoint(60, 40));
    EXPECT_EQ(p.size, wxSize(800, 600));
    const auto second = Choose(1700, 10, 2880, 1024);  // filling the second display to its edges
    EXPECT_EQ(second.position, wxPoint(1700, 10));
    EXPECT_EQ(second.size, wxSize(1180, 1014));
    // Nothing stored: the desktop places a window of the default size.
    const auto empty = Choose(0, 0, 0, 0);
    EXPECT_EQ(empty.position, wxDefaultPosition);
    EXPECT_EQ(empty.size, kDefault);
}

TEST(CWindowPlacement, ARectangleThatFitsNoDisplayGetsTheDefaultSizeOnThePrimaryOne) {
    const struct {
        int left, top, right, bottom;
    } damaged[] = {
        {0, 0, 40000, 40000},                 // larger than any display
        {0, 0, INT_MAX, INT_MAX},             // the largest an entry holds
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, // a width that overflows an int
        {-30000, -30000, -29000, -29300},     // far off every display
        {1000, 100, 2000, 800},               // across the two displays
        {1600, 1000, 2600, 1100},             // below the second display's bottom
    };
    for (const auto& d : damaged) {
        const auto p = Choose(d.left, d.top, d.right, d.bottom);
        EXPECT_EQ(p.size, kDefault) << d.left << "," << d.top << "," << d.right << "," << d.bottom;
        // Centred in the primary display's free area.
        EXPECT_EQ(p.position, wxPoint(300, 30 + (1170 - 700) / 2));
    }
    // A free area smaller than the default size: the window is no larger than it.
    const auto small = CWindowPlacement::Choose(0, 0, 40000, 40000, {{wxRect(0, 0, 800, 600)}, wxRect(0, 0, 800, 600)},
                                                kDefault);
    EXPECT_EQ(small.position, wxPoint(0, 0));
    EXPECT_EQ(small.size, wxSize(800, 600));
}
