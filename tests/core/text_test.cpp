#include "base/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelora {
namespace {

TEST(TextValue, ReadsTheNumberAtTheFrontOfATextAsTheFieldsDo) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"523", 523}, {" 523", 523},    {"  -12", -12}, {"+7", 7},        {"0.5", 0.5},
        {"0,5", 0},   {"1234,5", 1234}, {"...", 0},     {"??????", 0},    {"", 0},
        {"   ", 0},   {"12abc", 12},    {"1e3", 1000},  {"2.5E-1", 0.25}, {"1e", 1},
        {"1e+", 1},   {".5", 0.5},      {"5.", 5},      {"-", 0},         {"- 5", 0},
        {"\t9", 9},   {"I003", 0},      {"007", 7},     {"1e-400", 0},    {"0.000e999999", 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(text_value(c.text), c.value) << c.text;
}

TEST(TextValue, HugeNumbersStayFinite) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(text_value("1e400"), largest);
    EXPECT_EQ(text_value("-1e99999999999999999999"), -largest);
    EXPECT_EQ(text_value(std::string(500, '9')), largest);
    EXPECT_TRUE(std::isfinite(text_value("0." + std::string(400, '0') + "1e400")));
}

TEST(NumberText, WritesPlainDigitsAndStaysWithinExactRange) {
    EXPECT_EQ(number_text(0), "0");
    EXPECT_EQ(number_text(-0.0), "0");
    EXPECT_EQ(number_text(12345), "12345");
    EXPECT_EQ(number_text(-3), "-3");
    EXPECT_EQ(number_text(13.5), "13.5");
    EXPECT_EQ(number_text(1e300), "1000000000000000");
    EXPECT_EQ(number_text(std::numeric_limits<double>::quiet_NaN()), "0");
    EXPECT_EQ(whole_value(" 523"), 523);
    EXPECT_EQ(whole_value("1e400"), 1'000'000'000'000'000);
}

TEST(TextHelpers, PadSerialUpperCaseAndPieces) {
    EXPECT_EQ(pad_serial("1"), "001");
    EXPECT_EQ(pad_serial("12"), "012");
    EXPECT_EQ(pad_serial(""), "");
    EXPECT_EQ(pad_serial("1000"), "1000");
    EXPECT_EQ(to_upper("jn61fv/p \xE0\xF7\xFF"), "JN61FV/P \xC0\xF7\x9F");
    EXPECT_EQ(mid("19/07/20", 7, 2), "20");
    EXPECT_EQ(mid("19/07/20", 8, 5), "0");
    EXPECT_EQ(mid("19/07/20", 9, 1), "");
    EXPECT_EQ(mid("19/07/20", 0, 1), "");
}

}  // namespace
}  // namespace zelora
