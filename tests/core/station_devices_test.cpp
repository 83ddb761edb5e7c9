// Where a rotator is sent for a heading, and how the heading it reports is shown.

#include "base/station_devices.h"

#include <gtest/gtest.h>

namespace zelora {
namespace {

TEST(StationDevices, AHeadingGoesWhereTheRotatorCanReachIt) {
    struct Case {
        double heading, min, max;
        std::optional<double> current;
        double target;
    };
    const Case cases[] = {
        {135, 0, 360, {}, 135},    {360, 0, 360, {}, 0},    {360, 0, 359, {}, 0},
        {270, -180, 180, {}, -90}, {90, -180, 180, {}, 90}, {355, 0, 350, {}, 350},
        {2, 5, 350, {}, 5},        {30, 0, 450, {}, 30},    {30, 0, 450, 400.0, 390},
        {-90, 0, 360, {}, 270},    {725, 0, 360, {}, 5},    {30, 0, 20, 10.0, 20},
        {200, 0, 20, {}, 0},       {100, 0, 20, {}, 20},    {340, -180, 450, 0.0, -20},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(rotator_target(c.heading, c.min, c.max, c.current), c.target)
            << c.heading << " on " << c.min << ".." << c.max;
    }
}

TEST(StationDevices, AReportedAzimuthShowsAsACompassHeading) {
    const std::pair<double, double> cases[] = {{135, 135}, {-90, 270},  {400, 40},     {360, 0},
                                               {-360, 0},  {-1e-17, 0}, {719.5, 359.5}};
    for (const auto& [azimuth, heading] : cases)
        EXPECT_DOUBLE_EQ(compass_heading(azimuth), heading);
}

}  // namespace
}  // namespace zelora
