#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/main_log_screen.h"
#include "core/window_set.h"
#include "geo/bearing_calculator_screen.h"
#include "support/fakes.h"

namespace zelora {
namespace {

using HandOver = std::pair<std::string, std::string>;  // main window value, text it got
using HandOvers = std::vector<HandOver>;

class BearingCalculatorTest : public ::testing::Test {
  protected:
    BearingCalculatorTest() {
        watch(windows.main_log().Label13, "QRB");
        watch(windows.main_log().Label15, "QTF");
        fake.messages.shown.clear();
    }

    // Records each change the main window sees, keeping the main window's own reaction.
    void watch(Control& value, const std::string& name) {
        value.on_change = [this, &value, name, own = value.on_change] {
            handed_over.emplace_back(name, value.text());
            if (own) own();
        };
    }

    void expect_results(const std::string& km, const std::string& bearing) {
        EXPECT_EQ(calculator.Text6.text(), km);
        EXPECT_EQ(calculator.Text1.text(), bearing);
    }

    testing::FakePlatform fake;
    WindowSet windows{fake.platform()};
    BearingCalculatorScreen& calculator = windows.calculator();
    HandOvers handed_over;
};

TEST_F(BearingCalculatorTest, OpensWithTheDefaultOwnLocator) {
    EXPECT_EQ(calculator.Text3.text(), "JN81GD");
    EXPECT_EQ(calculator.Text5.text(), "...");
    expect_results("...", "...");
    EXPECT_FALSE(calculator.visible());
}

TEST_F(BearingCalculatorTest, ReferenceTableFromJN81GD) {
    struct Row {
        const char* locator2;
        const char* km;
        const char* bearing;
        const char* qrb_shown;
    };
    const Row rows[] = {
        {"JN61FV", " 350", " 285", " 350"}, {"JN45LL", " 778", " 311", " 778"},
        {"JN71AA", " 210", " 267", " 210"}, {"JN70FU", " 178", " 260", " 178"},
        {"KN01AA", " 293", " 92", " 293"},  {"IL19AA", " 3381", " 258", " 3381"},
        {"JN81GE", " 5", " 354", " 5"},     {"JL81GD", " 2219", " 180", " 2219"},
        {"JN81GD", " 0", "0", "1"},         {"JO81GD", " 1109", " 360", " 1109"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locator2);
        calculator.SetLocator2(row.locator2);
        expect_results(row.km, row.bearing);
        EXPECT_EQ(windows.main_log().Label13.text(), row.qrb_shown);
        EXPECT_EQ(windows.main_log().Label15.text(), row.bearing);
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(BearingCalculatorTest, MainWindowSeesBearingThenDistance) {
    struct Flow {
        const char* locator1;
        const char* locator2;
        HandOvers seen;
    };
    const Flow flows[] = {
        {"JN81GD", "JN61FV", {{"QTF", " 285"}, {"QRB", " 350"}}},
        // Equal texts: the bearing is overwritten last, and a QRB of 0 is never shown.
        {"JN81GD", "JN81GD", {{"QTF", " 270"}, {"QRB", " 0"}, {"QRB", "1"}, {"QTF", "0"}}},
        {"JM78AA", "JM78AA", {{"QTF", " 270"}, {"QRB", " 1"}, {"QTF", "0"}}},
        // The other station's locator is wrong: the own locator stays.
        {"JN81GD", "JNA1GD", {{"QRB", "??????"}, {"QRB", "1"}, {"QTF", "??????"}}},
        // The own locator is wrong: both go, and the bearing ends as "0".
        {"JNA1GD", "JN61FV", {{"QRB", "??????"}, {"QRB", "1"}, {"QTF", "??????"}, {"QTF", "0"}}},
    };
    for (const Flow& flow : flows) {
        SCOPED_TRACE(std::string(flow.locator1) + " -> " + flow.locator2);
        testing::FakePlatform own_fake;
        WindowSet own_windows{own_fake.platform()};
        handed_over.clear();
        watch(own_windows.main_log().Label13, "QRB");
        watch(own_windows.main_log().Label15, "QTF");
        own_windows.calculator().SetLocator1(flow.locator1);
        own_windows.calculator().SetLocator2(flow.locator2);
        EXPECT_EQ(handed_over, flow.seen);
    }
}

TEST_F(BearingCalculatorTest, WrongOtherLocatorKeepsTheOwnLocator) {
    calculator.SetLocator2("JNA1GD");
    EXPECT_EQ(calculator.Text3.text(), "JN81GD");
    EXPECT_EQ(calculator.Text5.text(), "");
    expect_results("??????", "??????");
    EXPECT_EQ(windows.main_log().Label13.text(), "1");
    EXPECT_EQ(windows.main_log().Label15.text(), "??????");

    calculator.SetLocator2("JN61FV");
    expect_results(" 350", " 285");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(BearingCalculatorTest, WrongOwnLocatorIsEmptiedUntilWrittenAgain) {
    calculator.SetLocator1("JNX1GD");
    calculator.SetLocator2("JN61FV");
    EXPECT_EQ(calculator.Text3.text(), "");
    EXPECT_EQ(calculator.Text5.text(), "");
    expect_results("??????", "0");

    calculator.SetLocator2("JN45LL");  // fails on the empty own locator
    expect_results("??????", "0");
    EXPECT_EQ(windows.main_log().Label13.text(), "1");
    EXPECT_EQ(windows.main_log().Label15.text(), "0");

    calculator.SetLocator1("JN81GD");
    calculator.SetLocator2("JN61FV");
    expect_results(" 350", " 285");
}

TEST_F(BearingCalculatorTest, TooLongOwnLocatorIsToldOnce) {
    calculator.SetLocator1("JN81GDX");
    EXPECT_TRUE(fake.messages.shown.empty());  // writing it does not calculate
    calculator.SetLocator2("JN61FV");
    calculator.SetLocator2("JN45LL");
    calculator.Command1_Click();
    const std::vector<testing::ShownMessage> expected{
        {"Zelora VHF qrp Test", "Il locatore della stazione deve avere 6 caratteri",
         MessageIcon::information}};
    EXPECT_EQ(fake.messages.shown, expected);
    EXPECT_EQ(calculator.Text3.text(), "");
    expect_results("??????", "0");
}

TEST_F(BearingCalculatorTest, EmptyLocatorsAreErrors) {
    calculator.SetLocator2("");  // not 6 characters: nothing yet
    EXPECT_TRUE(handed_over.empty());
    calculator.Command1_Click();
    EXPECT_EQ(calculator.Text3.text(), "JN81GD");
    expect_results("??????", "??????");

    calculator.SetLocator1("");
    calculator.SetLocator2("JN61FV");
    expect_results("??????", "0");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(BearingCalculatorTest, UntouchedOtherLocatorCalculatesNothing) {
    calculator.Command1_Click();
    EXPECT_EQ(calculator.Text3.text(), "JN81GD");
    EXPECT_EQ(calculator.Text5.text(), "...");
    expect_results("...", "...");
    EXPECT_TRUE(handed_over.empty());
}

TEST_F(BearingCalculatorTest, LocatorsAreUpperCasedWithTheCaretAtTheEnd) {
    calculator.SetLocator1("jn81gd");
    EXPECT_EQ(calculator.Text3.text(), "JN81GD");
    EXPECT_EQ(calculator.Text3.caret(), 6u);
    EXPECT_TRUE(handed_over.empty());  // the own locator alone calculates nothing

    calculator.SetLocator2("jn61fv");
    EXPECT_EQ(calculator.Text5.text(), "JN61FV");
    EXPECT_EQ(calculator.Text5.caret(), 6u);
    expect_results(" 350", " 285");
    EXPECT_EQ(handed_over, (HandOvers{{"QTF", " 285"}, {"QRB", " 350"}}));
}

TEST_F(BearingCalculatorTest, ShortLocatorsCalculateOnRequest) {
    struct Row {
        const char* locator2;
        const char* km;
        const char* bearing;
    };
    const Row rows[] = {
        {"JN61", " 301", " 278"},    // the middle of the square
        {"JN61LL", " 301", " 278"},  // the same point written out
        {"JN61F", " 470", " 229"},   // a missing sixth character counts as code 0
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locator2);
        calculator.SetLocator2(row.locator2);
        calculator.Command1_Click();
        EXPECT_EQ(calculator.Text5.text(), row.locator2);
        expect_results(row.km, row.bearing);
    }
}

TEST_F(BearingCalculatorTest, SameOtherLocatorTwiceDoesNotCalculateAgain) {
    calculator.SetLocator2("JN61FV");
    calculator.SetLocator1("JN45LL");
    handed_over.clear();
    calculator.SetLocator2("JN61FV");
    expect_results(" 350", " 285");  // still from the old own locator
    EXPECT_TRUE(handed_over.empty());

    calculator.Command1_Click();
    EXPECT_EQ(handed_over, (HandOvers{{"QTF", " 144"}, {"QRB", " 486"}}));
}

TEST_F(BearingCalculatorTest, HostileBytesNeverCrash) {
    const std::string hostile[] = {
        std::string("\xE9\xFF\x80\x01\x00x", 6),
        std::string("JN6\xFF\xE9\xB0"),
        std::string("JN6\x00\x00\x00", 6),
        std::string("\x7F\x7F"
                    "9\x9A\xFE\xF7"),
        std::string(100000, 'J'),
        std::string(100000, '\xFF'),
    };
    for (const std::string& text : hostile) {
        calculator.SetLocator2(text);
        calculator.Command1_Click();
        const std::string& km = calculator.Text6.text();
        EXPECT_TRUE(km == "??????" || (km.size() >= 2 && km[0] == ' ' &&
                                       km.find_first_not_of("0123456789", 1) == std::string::npos))
            << km;
        EXPECT_EQ(calculator.Text3.text(), "JN81GD");
    }
    calculator.SetLocator1(std::string(100000, '\xE0'));
    calculator.SetLocator2("JN61FV");
    EXPECT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(calculator.Text3.text(), "");
}

TEST_F(BearingCalculatorTest, ExitDiscardsTheFields) {
    calculator.SetLocator2("JN61FV");
    calculator.Command2_Click();
    EXPECT_FALSE(windows.is_open(WindowId::bearing_calculator));
    EXPECT_EQ(windows.calculator().Text5.text(), "...");
}

}  // namespace
}  // namespace zelora
