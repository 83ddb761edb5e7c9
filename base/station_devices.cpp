#include "base/station_devices.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zelora {

double compass_heading(double azimuth) {
    if (!std::isfinite(azimuth)) return 0;
    double heading = std::fmod(azimuth, 360.0);
    if (heading < 0) heading += 360.0;
    return heading >= 360.0 ? 0.0 : heading;  // -1e-17 + 360 rounds to 360
}

double rotator_target(double heading, double min_azimuth, double max_azimuth,
                      std::optional<double> current) {
    const double direction = compass_heading(heading);
    const std::array<double, 3> candidates{direction, direction - 360.0, direction + 360.0};
    const auto outside = [&](double azimuth) {
        return std::max({min_azimuth - azimuth, azimuth - max_azimuth, 0.0});
    };
    double best = candidates[0];
    for (const double candidate : candidates) {
        const double shortfall = outside(candidate);
        const bool nearer = current && std::abs(candidate - *current) < std::abs(best - *current);
        if (shortfall < outside(best) || (shortfall == outside(best) && nearer)) best = candidate;
    }
    return std::clamp(best, min_azimuth, std::max(min_azimuth, max_azimuth));
}

}  // namespace zelora
