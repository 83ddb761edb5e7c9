#pragma once
// The contest's power categories and the check of the declared power against them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zelora {

struct PowerCategory {
    std::string_view text;  // as the category drop-down offers it
    double maximum_watts;
    std::string_view section;  // PSect code, and the file name's prefix before "-"
};

// The drop-down's entries, in its order.
inline constexpr std::array<PowerCategory, 3> kPowerCategories{{
    {"0,5 watt", 0.5, "01"},
    {"3 watt", 3, "02"},
    {"5 watt", 5, "03"},
}};

// The entry whose text is exactly `category`, or none for a category typed by hand.
const PowerCategory* find_power_category(std::string_view category);

// The refusal to show when `power` is above the category's maximum; none when it passes or the
// category is not one of the entries. Italian operators type "0,6" as often as "0.6": both
// read as six tenths.
std::optional<std::string> power_refusal(std::string_view category, std::string_view power);

}  // namespace zelora
