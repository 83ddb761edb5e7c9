#include "geo/pointing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelora {
namespace {

TEST(Pointing, NeedleTurnsClockwiseFromNorthAroundItsStartPoint) {
    const float diagonal = 600 * std::sqrt(0.5f);
    const struct {
        double qtf;
        float x2, y2;
    } cases[] = {{0, 860, 240},   {90, 1460, 840}, {180, 860, 1440},
                 {270, 260, 840}, {360, 860, 240}, {45, 860 + diagonal, 840 - diagonal}};
    for (const auto& c : cases) {
        const TwipLine needle = needle_pointing({100, 200, 0, 0, true}, c.qtf);
        // pi is taken with six decimals, so the end lands within a thousandth of a twip.
        EXPECT_NEAR(needle.x2, c.x2, 0.01) << c.qtf;
        EXPECT_NEAR(needle.y2, c.y2, 0.01) << c.qtf;
        EXPECT_EQ(needle.x1, 100);  // the start point stays where it was
        EXPECT_EQ(needle.y1, 200);
        EXPECT_TRUE(needle.visible);
    }
    const TwipLine east = needle_pointing(kNeedleAtStart, 90);
    const TwipLine kept = needle_pointing(east, std::numeric_limits<double>::max());
    EXPECT_EQ(kept.x2, east.x2);  // a direction out of reach leaves the needle where it was
    EXPECT_EQ(kept.y2, east.y2);
}

TEST(Pointing, BarStretchesWithTheDistance) {
    const struct {
        double km;
        float x2;
    } cases[] = {{0, 720}, {1, 722.15f}, {350, 1472.5f}, {1000, 2870}, {2000, 5020}};
    for (const auto& c : cases) {
        const TwipLine bar = bar_for_distance(kBarAtStart, c.km);
        EXPECT_TRUE(bar.visible);
        EXPECT_FLOAT_EQ(bar.x2, c.x2) << c.km;
        EXPECT_EQ(bar.y2, 120);
        EXPECT_EQ(bar.x1, 720);
        EXPECT_EQ(bar.y1, 120);
    }
    const TwipLine far = bar_for_distance(kBarAtStart, std::numeric_limits<double>::max());
    EXPECT_TRUE(std::isfinite(far.x2));
    EXPECT_GT(far.x2, kScalePictureWidthTwips);
}

}  // namespace
}  // namespace zelora
