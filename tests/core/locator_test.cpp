// The locator value type: only a six-character Maidenhead locator parses, and it measures as the
// calculator does.
#include "geo/locator.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zelora {
namespace {

TEST(Locator, OnlyTwoLettersAToRTwoDigitsTwoLettersAToXParse) {
    const struct {
        std::string text;
        std::optional<std::vector<std::string>> parts;  // field, square, sub-square
    } rows[] = {
        {"JN61FV", std::vector<std::string>{"JN", "JN61", "JN61FV"}},
        {"jn61fv", std::vector<std::string>{"JN", "JN61", "JN61FV"}},
        {"AA00AA", std::vector<std::string>{"AA", "AA00", "AA00AA"}},
        {"RR99XX", std::vector<std::string>{"RR", "RR99", "RR99XX"}},
        {"SN61FV", std::nullopt},
        {"JS61FV", std::nullopt},
        {"ZZ99ZZ", std::nullopt},
        {"JN61FY", std::nullopt},
        {"JN61YV", std::nullopt},
        {"JNA1GD", std::nullopt},
        {"JN6AGD", std::nullopt},
        {"JN61F", std::nullopt},
        {"JN61", std::nullopt},
        {"JN61FVA", std::nullopt},
        {"", std::nullopt},
        {"JN61F ", std::nullopt},
        {"@N61FV", std::nullopt},
        {"JN61F[", std::nullopt},
        {"J\xD1"
         "61FV",
         std::nullopt},
        {std::string("JN61F\0", 6), std::nullopt},
    };
    for (const auto& row : rows) {
        const std::optional<Locator> locator = Locator::parse(row.text);
        EXPECT_EQ(Locator::is_valid(row.text), row.parts.has_value()) << row.text;
        if (!locator || !row.parts) continue;
        EXPECT_EQ((std::vector<std::string>{std::string(locator->field()),
                                            std::string(locator->square()), locator->sub_square()}),
                  *row.parts);
    }
}

TEST(Locator, MeasuresAsTheCalculator) {
    const Locator own = *Locator::parse("JN81GD");
    const struct {
        const char* other;
        long km, bearing;
    } rows[] = {{"JN61FV", 350, 285}, {"JN81GE", 5, 354}, {"JO81GD", 1109, 360}};
    for (const auto& row : rows) {
        const Locator other = *Locator::parse(row.other);
        EXPECT_EQ(own.distance_km(other), row.km) << row.other;
        EXPECT_EQ(own.bearing_to(other), row.bearing) << row.other;
    }
}

}  // namespace
}  // namespace zelora
