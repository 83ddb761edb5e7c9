#include "geo/locator_math.h"

#include <string>

#include "base/text.h"
#include "geo/locator.h"

namespace zelora {
namespace {

// "JN61" stands for the middle of its square.
std::string completed(std::string_view text) {
    std::string locator = to_upper(std::string(text));
    if (!locator.empty() && locator.size() <= 4) locator += "LL";
    return locator;
}

}  // namespace

bool calculator_reads(std::string_view locator) {
    // Completion gives one or two characters an "L" third.
    return locator.size() >= 3 && locator.size() <= 6 && locator[2] >= '0' && locator[2] <= '9';
}

LocatorResult locator_math(std::string_view locator1, std::string_view locator2) {
    const std::string l1 = completed(locator1);
    const std::string l2 = completed(locator2);

    LocatorResult result;
    result.own_locator_too_long = l1.size() > 6;
    result.own_locator_failed = !calculator_reads(locator1);
    result.error = result.own_locator_failed || !calculator_reads(locator2);
    if (result.error) return result;

    const GreatCirclePath path = great_circle_path(sub_square_centre(l1), sub_square_centre(l2));
    result.km = path.km;
    result.bearing = path.bearing;
    return result;
}

}  // namespace zelora
