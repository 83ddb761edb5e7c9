#include "geo/locator_math.h"

#include <gtest/gtest.h>

#include <string>

namespace zelora {
namespace {

struct Measured {
    const char* locator1;
    const char* locator2;
    long km;
    long bearing;
};

class LocatorMathReference : public ::testing::TestWithParam<Measured> {};

TEST_P(LocatorMathReference, DistanceAndBearing) {
    const Measured& m = GetParam();
    const LocatorResult result = locator_math(m.locator1, m.locator2);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.km, m.km);
    EXPECT_EQ(result.bearing, m.bearing);
}

INSTANTIATE_TEST_SUITE_P(
    FromJN81GD, LocatorMathReference,
    ::testing::Values(Measured{"JN81GD", "JN61FV", 350, 285},
                      Measured{"JN81GD", "JN45LL", 778, 311},
                      Measured{"JN81GD", "JN71AA", 210, 267},
                      Measured{"JN81GD", "JN70FU", 178, 260}, Measured{"JN81GD", "KN01AA", 293, 92},
                      Measured{"JN81GD", "IL19AA", 3381, 258},
                      // One sub-square north: the longitude offset turns it a little west.
                      Measured{"JN81GD", "JN81GE", 5, 354}, Measured{"JN81GD", "JL81GD", 2219, 180},
                      // Far north: 359.5 or more rounds up to 360.
                      Measured{"JN81GD", "JO81GD", 1109, 360}, Measured{"JN81GD", "JN81GD", 0, 270},
                      // At lower latitudes the offset alone reaches half a kilometre.
                      Measured{"JM78AA", "JM78AA", 1, 270},
                      // Completion, lower case and a missing sixth character.
                      Measured{"JN81GD", "JN61", 301, 278}, Measured{"JN81GD", "JN61LL", 301, 278},
                      Measured{"JN81", "JN81LL", 0, 270}, Measured{"jn81gd", "jn61fv", 350, 285},
                      Measured{"JN81GD", "JN61F", 470, 229}),
    [](const ::testing::TestParamInfo<Measured>& info) {
        return std::string(info.param.locator1) + "_" + info.param.locator2;
    });

struct Checked {
    std::string locator1;
    std::string locator2;
    bool error;
    bool own_locator_failed;
    bool own_locator_too_long;
};

TEST(LocatorMath, ChecksBothLocators) {
    const Checked cases[] = {
        {"JN81GD", "JN61FV", false, false, false},
        {"", "JN61FV", true, true, false},
        {"JN81GD", "", true, false, false},
        {"JN81GDX", "JN61FV", true, true, true},
        {"JN81GD", "JN61FVX", true, false, false},
        {"JNA1GD", "JN61FV", true, true, false},
        {"JN81GD", "JNA1GD", true, false, false},
        {"JN", "JN61FV", true, true, false},  // completed to JNLL: third character a letter
        {"J", "JN61FV", true, true, false},
        {"JN8", "JN61FV", false, false, false},  // JN8LL: nothing else is checked
        {"ZZ99ZZ", "JN61FV", false, false, false},
        {"JN81GDX", "JNA1GD", true, true, true},
        {std::string(1000, 'A'), "JN61FV", true, true, true},
        {"JN81GD", std::string(1000, '9'), true, false, false},
    };
    for (const Checked& c : cases) {
        SCOPED_TRACE(c.locator1 + " / " + c.locator2);
        const LocatorResult result = locator_math(c.locator1, c.locator2);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.own_locator_failed, c.own_locator_failed);
        EXPECT_EQ(result.own_locator_too_long, c.own_locator_too_long);
    }
}

// Every byte in every position of both locators: no crash, and the numbers stay on the
// globe (a step that cannot be worked out is skipped, never a NaN or an infinity).
TEST(LocatorMath, AnyBytesGiveNumbersOnTheGlobe) {
    for (int position = 0; position < 6; ++position) {
        for (int code = 0; code < 256; ++code) {
            std::string hostile = "JN81GD";
            hostile[position] = static_cast<char>(code);
            for (const auto& [l1, l2] :
                 {std::pair{hostile, std::string("JN61FV")},
                  std::pair{std::string("JN61FV"), hostile}, std::pair{hostile, hostile}}) {
                const LocatorResult result = locator_math(l1, l2);
                EXPECT_GE(result.km, 0);
                EXPECT_LE(result.km, 19971);
                EXPECT_GE(result.bearing, 0);
                EXPECT_LE(result.bearing, 360);
            }
        }
    }
}

}  // namespace
}  // namespace zelora
