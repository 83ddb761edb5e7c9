#include "export/power_category.h"

#include <algorithm>

#include "base/text.h"

namespace zelora {

const PowerCategory* find_power_category(std::string_view category) {
    for (const PowerCategory& entry : kPowerCategories) {
        if (entry.text == category) return &entry;
    }
    return nullptr;
}

std::optional<std::string> power_refusal(std::string_view category, std::string_view power) {
    const PowerCategory* entry = find_power_category(category);
    if (!entry) return std::nullopt;
    std::string with_point(power);
    std::replace(with_point.begin(), with_point.end(), ',', '.');
    if (text_value(with_point) <= entry->maximum_watts) return std::nullopt;
    return "La massima potenza consentita in questa categoria e' di " + std::string(entry->text) +
           "... cambiare la categoria";
}

}  // namespace zelora
