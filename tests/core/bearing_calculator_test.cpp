#include "windows/bearing_calculator_screen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "base/window_set.h"
#include "geo/locator_math.h"
#include "support/fakes.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

using HandOvers = std::vector<std::pair<std::string, std::string>>;  // main window value, text
using Fields = std::vector<std::string>;  // Locator 1, Locator 2, Km, Bearing, QRB, QTF
const char* const kError = "??????";

// The program over fakes, recording in order each change the main window's QRB and QTF see.
struct Calculator {
    Calculator() {
        watch(windows.get<MainLogScreen>().Label13, "QRB");
        watch(windows.get<MainLogScreen>().Label15, "QTF");
    }
    void watch(Control& value, const std::string& name) {
        value.on_change = [this, &value, name, own = value.on_change] {
            handed_over.emplace_back(name, value.text());
            if (own) own();
        };
    }
    Fields fields() {
        const MainLogScreen& m = windows.get<MainLogScreen>();
        return {c.Text3.text(), c.Text5.text(),   c.Text6.text(),
                c.Text1.text(), m.Label13.text(), m.Label15.text()};
    }

    testing::FakePlatform fake;
    WindowSet windows{fake.platform()};
    BearingCalculatorScreen& c = windows.get<BearingCalculatorScreen>();
    HandOvers handed_over;
};

// From JN81GD, then at the ends of the rounding: equal texts give the bearing "0" and a QRB of 0
// reaches the main window as 1; 359.5 degrees or more rounds up to 360; at low latitudes the
// longitude offset alone makes half a kilometre. Short locators are completed ("JN61" is JN61LL)
// and calculated on request; a missing sixth character counts as code 0.
TEST(BearingCalculator, ReferenceTable) {
    const struct {
        const char *locator1, *locator2, *km, *bearing;
    } rows[] = {
        {"JN81GD", "JN61FV", " 350", " 285"}, {"JN81GD", "JN45LL", " 778", " 311"},
        {"JN81GD", "JN71AA", " 210", " 267"}, {"JN81GD", "JN70FU", " 178", " 260"},
        {"JN81GD", "KN01AA", " 293", " 92"},  {"JN81GD", "IL19AA", " 3381", " 258"},
        {"JN81GD", "JN81GE", " 5", " 354"},   {"JN81GD", "JL81GD", " 2219", " 180"},
        {"JN81GD", "JN81GD", " 0", "0"},      {"JN81GD", "JO81GD", " 1109", " 360"},
        {"JM78AA", "JM78AA", " 1", "0"},      {"JN81", "JN81LL", " 0", " 270"},
        {"JN81GD", "JN61", " 301", " 278"},   {"JN81GD", "JN61LL", " 301", " 278"},
        {"JN81GD", "JN61F", " 470", " 229"},  {"jn81gd", "jn61fv", " 350", " 285"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.locator1) + " -> " + row.locator2);
        Calculator calc;
        calc.c.SetLocator1(row.locator1);
        calc.c.SetLocator2(row.locator2);
        if (std::strlen(row.locator2) != 6) {
            EXPECT_TRUE(calc.handed_over.empty());
            calc.c.Command1_Click();
        }
        const std::string qrb = std::string(row.km) == " 0" ? "1" : row.km;
        EXPECT_EQ(calc.fields(), (Fields{to_upper(row.locator1), to_upper(row.locator2), row.km,
                                         row.bearing, qrb, row.bearing}));
        EXPECT_EQ(calc.c.Text5.caret(), std::strlen(row.locator2));
        EXPECT_TRUE(calc.fake.messages.shown.empty());
    }
}

TEST(BearingCalculator, MainWindowSeesBearingThenDistance) {
    struct Flow {
        const char *locator1, *locator2;
        HandOvers seen;
    };
    const Flow flows[] = {
        {"jn81gd",
         "JN61FV",
         {{"QTF", " 285"}, {"QRB", " 350"}}},  // Locator 1 alone hands over nothing
        {"JN81GD", "JN81GD", {{"QTF", " 270"}, {"QRB", " 0"}, {"QRB", "1"}, {"QTF", "0"}}},
        {"JM78AA", "JM78AA", {{"QTF", " 270"}, {"QRB", " 1"}, {"QTF", "0"}}},
        {"JN81GD", "JNA1GD", {{"QRB", kError}, {"QRB", "1"}, {"QTF", kError}}},
        {"JNA1GD", "JN61FV", {{"QRB", kError}, {"QRB", "1"}, {"QTF", kError}, {"QTF", "0"}}},
    };
    for (const Flow& flow : flows) {
        SCOPED_TRACE(std::string(flow.locator1) + " -> " + flow.locator2);
        Calculator calc;
        calc.c.SetLocator1(flow.locator1);
        calc.c.SetLocator2(flow.locator2);
        EXPECT_EQ(calc.handed_over, flow.seen);
    }
}

TEST(BearingCalculator, WrongOtherLocatorKeepsTheOwnLocator) {
    Calculator calc;
    calc.c.SetLocator2("JNA1GD");
    calc.c.Command1_Click();  // the emptied Locator 2 fails as well
    EXPECT_EQ(calc.fields(), (Fields{"JN81GD", "", kError, kError, "1", kError}));
    calc.c.SetLocator2("JN61FV");
    EXPECT_EQ(calc.fields(), (Fields{"JN81GD", "JN61FV", " 350", " 285", " 350", " 285"}));
    EXPECT_TRUE(calc.fake.messages.shown.empty());
}

TEST(BearingCalculator, WrongOwnLocatorIsEmptiedAndATooLongOneToldOnce) {
    for (const auto& [own, told] : {std::pair{"JNX1GD", false}, std::pair{"JN81GDX", true}}) {
        SCOPED_TRACE(own);
        Calculator calc;
        calc.c.SetLocator1(own);  // writing it does not calculate
        EXPECT_TRUE(calc.fake.messages.shown.empty());
        calc.c.SetLocator2("JN61FV");
        calc.c.SetLocator2("JN45LL");  // fails on the empty own locator
        calc.c.Command1_Click();
        const std::vector<testing::ShownMessage> notice{
            testing::information("Il locatore della stazione deve avere 6 caratteri")};
        EXPECT_EQ(calc.fake.messages.shown, told ? notice : std::vector<testing::ShownMessage>{});
        EXPECT_EQ(calc.fields(), (Fields{"", "", kError, "0", "1", "0"}));

        calc.c.SetLocator1("JN81GD");
        calc.c.SetLocator2("JN61FV");
        EXPECT_EQ(calc.fields(), (Fields{"JN81GD", "JN61FV", " 350", " 285", " 350", " 285"}));
    }
}

// Which locator is at fault decides what goes; only a too long own locator is told. Past the
// completion only the third character is checked.
TEST(BearingCalculator, ChecksBothLocators) {
    struct Row {
        std::string locator1, locator2;
        bool error, own_emptied, told;
    };
    const Row rows[] = {
        {"JN81GD", "JN61FVX", true, false, false},
        {"JN", "JN61FV", true, true, false},
        {"J", "JN61FV", true, true, false},
        {"JN8", "JN61FV", false, false, false},
        {"ZZ99ZZ", "JN61FV", false, false, false},
        {"JN81GDX", "JNA1GD", true, true, true},
        {std::string(1000, 'A'), "JN61", true, true, true},
        {"JN81GD", std::string(1000, '9'), true, false, false},
        {"JN81GD", std::string("JN6\0\xFF\xE9", 6), false, false, false},
        {std::string("\xE9\xFF\x80\x01\0x", 6), "JN61FV", true, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locator1 + " / " + row.locator2);
        Calculator calc;
        calc.c.SetLocator1(row.locator1);
        calc.c.SetLocator2(row.locator2);
        calc.c.Command1_Click();
        EXPECT_EQ(calc.c.Text6.text() == kError, row.error);
        EXPECT_EQ(calc.c.Text3.text().empty(), row.own_emptied);
        EXPECT_EQ(calc.fake.messages.shown.size(), row.told ? 1u : 0u);
    }
}

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

TEST(BearingCalculator, UntouchedOrUnchangedOtherLocatorCalculatesNothing) {
    Calculator calc;
    calc.c.Command1_Click();  // Locator 2 still "..."
    EXPECT_EQ(calc.fields(), (Fields{"JN81GD", "...", "...", "...", "", ""}));
    EXPECT_FALSE(calc.c.visible());
    EXPECT_TRUE(calc.handed_over.empty());

    calc.c.SetLocator2("JN61FV");
    calc.c.SetLocator1("JN45LL");
    calc.handed_over.clear();
    calc.c.SetLocator2("JN61FV");  // the same text again
    EXPECT_TRUE(calc.handed_over.empty());
    calc.c.Command1_Click();
    EXPECT_EQ(calc.handed_over, (HandOvers{{"QTF", " 144"}, {"QRB", " 486"}}));
}

TEST(BearingCalculator, ExitDiscardsTheFields) {
    Calculator calc;
    calc.c.SetLocator2("JN61FV");
    calc.c.Command2_Click();
    EXPECT_FALSE(calc.windows.is_open(WindowId::bearing_calculator));
    EXPECT_EQ(calc.windows.get<BearingCalculatorScreen>().Text5.text(), "...");
}

}  // namespace
}  // namespace zelora
