// The pointing display's geometry at its ends; the pictures drawn from it are checked by
// tests/ui/pointing_pictures_test.cpp.
#include "geo/pointing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelora {
namespace {

TEST(Pointing, NeedleAndBarStayOnThePictureWhateverTheValue) {
    const TwipLine east = needle_pointing({100, 200, 0, 0, true}, 90);
    EXPECT_NEAR(east.x2, 1460, 0.01);  // turned clockwise from north round the compass centre
    EXPECT_NEAR(east.y2, 840, 0.01);
    EXPECT_EQ(east.x1 + east.y1, 300);  // the start point stays where it was
    const TwipLine kept = needle_pointing(east, std::numeric_limits<double>::max());
    EXPECT_EQ(kept.x2, east.x2);  // a direction out of reach leaves the needle where it was
    EXPECT_EQ(kept.y2, east.y2);

    EXPECT_FLOAT_EQ(bar_for_distance(kBarAtStart, 350).x2, 1472.5f);
    const TwipLine far = bar_for_distance(kBarAtStart, std::numeric_limits<double>::max());
    EXPECT_TRUE(far.visible && std::isfinite(far.x2));
    EXPECT_GT(far.x2, kScalePictureWidthTwips);
}

}  // namespace
}  // namespace zelora
