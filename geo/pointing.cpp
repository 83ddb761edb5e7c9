#include "geo/pointing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zelora {
namespace {

constexpr double kPi = 3.141592;  // as the locator geometry has it
constexpr double kNeedleCentreX = 860;
constexpr double kNeedleCentreY = 840;
constexpr double kNeedleLength = 600;
constexpr double kBarStartX = 720;
constexpr float kBarY = 120;
constexpr double kTwipsPerKm = 2.15;

// A twip coordinate as a float; a value beyond float's range (a nonsense distance) is held at
// its largest instead of overflowing.
float twips(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

}  // namespace

TwipLine needle_pointing(TwipLine needle, double qtf_degrees) {
    const double angle = (qtf_degrees - 90) * kPi / 180;
    if (!std::isfinite(angle)) return needle;  // no direction to point to
    needle.x2 = twips(kNeedleCentreX + kNeedleLength * std::cos(angle));
    needle.y2 = twips(kNeedleCentreY + kNeedleLength * std::sin(angle));
    return needle;
}

TwipLine bar_for_distance(TwipLine bar, double qrb_km) {
    bar.visible = true;
    bar.x2 = twips(kBarStartX + kTwipsPerKm * qrb_km);
    bar.y2 = kBarY;
    return bar;
}

}  // namespace zelora
