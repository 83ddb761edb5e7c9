// The calculator's results for pairs of locators, and the order in which the main window gets
// them, are the rows of tests/data/tables/locator.txt, hostile bytes the locator fuzzer's corpus;
// here when it calculates.
#include "windows/bearing_calculator_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "support/contest_session.h"

namespace zelora {
namespace {

using testing::Strings;

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
