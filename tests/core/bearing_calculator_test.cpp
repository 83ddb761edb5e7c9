// The calculator's results for pairs of locators, and the order in which the main window gets
// them, are the rows of tests/data/tables/locator.txt; here any bytes at all, and when it
// calculates.
#include "windows/bearing_calculator_screen.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "geo/locator_math.h"
#include "support/contest_session.h"

namespace zelora {
namespace {

using testing::Strings;

// Every byte in every position, and huge locators: no crash, and the numbers stay on the globe.
TEST(BearingCalculator, AnyBytesGiveNumbersOnTheGlobe) {
    std::vector<std::string> hostile{std::string(100000, 'J'), std::string(100000, '\xFF')};
    for (int position = 0; position < 6; ++position)
        for (int code = 0; code < 256; ++code)
            (hostile.emplace_back("JN81GD"))[position] = static_cast<char>(code);
    for (const std::string& text : hostile) {
        for (const auto& [l1, l2] : {std::pair<std::string, std::string>{text, "JN61FV"},
                                     {"JN61FV", text},
                                     {text, text}}) {
            const LocatorResult result = locator_math(l1, l2);
            EXPECT_TRUE(result.km >= 0 && result.km <= 19971) << result.km;
            EXPECT_TRUE(result.bearing >= 0 && result.bearing <= 360) << result.bearing;
        }
    }
}

TEST(BearingCalculator, UntouchedOrUnchangedOtherLocatorCalculatesNothingExitDiscards) {
    testing::ContestSession s("");
    BearingCalculatorScreen& c = s.get<BearingCalculatorScreen>();
    const MainLogScreen& m = s.main();
    c.Command1_Click();  // Locator 2 still "..."
    EXPECT_EQ(testing::texts({&c.Text3, &c.Text5, &c.Text6, &c.Text1, &m.Label13, &m.Label15}),
              (Strings{"JN81GD", "...", "...", "...", "", ""}));
    EXPECT_FALSE(c.visible());
    c.SetLocator2("JN61FV");
    c.SetLocator1("JN45LL");
    c.SetLocator2("JN61FV");  // the same text again
    EXPECT_EQ(testing::texts({&m.Label13, &m.Label15}), (Strings{" 350", " 285"}));
    c.Command1_Click();
    EXPECT_EQ(testing::texts({&m.Label13, &m.Label15}), (Strings{" 486", " 144"}));
    c.Command2_Click();
    EXPECT_FALSE(s.open(WindowId::bearing_calculator));
    EXPECT_EQ(s.get<BearingCalculatorScreen>().Text5.text(), "...");
}

}  // namespace
}  // namespace zelora
