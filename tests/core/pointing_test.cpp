#include "geo/pointing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelora {
namespace {

TEST(Pointing, NeedleTurnsClockwiseFromNorth) {
    struct Case {
        double qtf;
        float x2;
        float y2;
    };
    const Case cases[] = {
        {0, 860, 240},    {90, 1460, 840},
        {180, 860, 1440}, {270, 260, 840},
        {360, 860, 240},  {45, 860 + 600 * std::sqrt(0.5f), 840 - 600 * std::sqrt(0.5f)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qtf);
        const TwipLine needle = needle_pointing(kNeedleAtStart, c.qtf);
        // pi is taken with six decimals, so the end lands within a thousandth of a twip.
        EXPECT_NEAR(needle.x2, c.x2, 0.01);
        EXPECT_NEAR(needle.y2, c.y2, 0.01);
        EXPECT_EQ(needle.x1, 860);
        EXPECT_EQ(needle.y1, 840);
        EXPECT_TRUE(needle.visible);
    }
}

TEST(Pointing, NeedleKeepsItsStartPoint) {
    const TwipLine moved{100, 200, 0, 0, true};
    const TwipLine needle = needle_pointing(moved, 90);
    EXPECT_EQ(needle.x1, 100);
    EXPECT_EQ(needle.y1, 200);
    EXPECT_NEAR(needle.x2, 1460, 0.01);
}

TEST(Pointing, NeedleIgnoresADirectionOutOfReach) {
    const TwipLine east = needle_pointing(kNeedleAtStart, 90);
    const TwipLine kept = needle_pointing(east, std::numeric_limits<double>::max());
    EXPECT_EQ(kept.x2, east.x2);
    EXPECT_EQ(kept.y2, east.y2);
}

TEST(Pointing, BarStretchesWithTheDistance) {
    struct Case {
        double km;
        float x2;
    };
    const Case cases[] = {{0, 720}, {1, 722.15f}, {350, 1472.5f}, {1000, 2870}, {2000, 5020}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.km);
        const TwipLine bar = bar_for_distance(kBarAtStart, c.km);
        EXPECT_TRUE(bar.visible);
        EXPECT_FLOAT_EQ(bar.x2, c.x2);
        EXPECT_EQ(bar.y2, 120);
        EXPECT_EQ(bar.x1, 720);
        EXPECT_EQ(bar.y1, 120);
    }
}

TEST(Pointing, BarBeyondAnyPictureStaysFinite) {
    const TwipLine bar = bar_for_distance(kBarAtStart, std::numeric_limits<double>::max());
    EXPECT_TRUE(std::isfinite(bar.x2));
    EXPECT_GT(bar.x2, kScalePictureWidthTwips);
}

}  // namespace
}  // namespace zelora
