#include "geo/locator.h"

#include <cmath>

#include "base/text.h"

namespace zelora {
namespace {

// The constants as the calculator has always used them: the results in the operators' logs
// depend on them, so they stay as they are (pi with six decimals included).
constexpr double kPi = 3.141592;
constexpr double kRadiansPerDegree = kPi / 180;
constexpr double kEarthRadiusKm = 6356.775;
constexpr double kSubSquareCentre = 64.5;  // code of "A" plus one half
constexpr double kLongitudeThreshold = 0.0001;
constexpr double kLongitudeOffset = 0.0001;
constexpr double kNearSouthLimit = -0.9999999;
constexpr double kLatitudeNudge = 0.00001;

double sgn(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// The character code at 0-based `index`; past the end counts as 0.
int code_at(std::string_view locator, std::size_t index) {
    return index < locator.size() ? static_cast<unsigned char>(locator[index]) : 0;
}

bool in(char c, char first, char last) {
    return c >= first && c <= last;
}

// A step that cannot be worked out (square root of a negative number, division by zero or
// overflow) is skipped: its variable keeps the value it had.
std::optional<double> root(double x) {
    if (x < 0) return std::nullopt;
    return std::sqrt(x);
}

std::optional<double> quotient(double dividend, double divisor) {
    if (divisor == 0) return std::nullopt;
    const double q = dividend / divisor;
    if (!std::isfinite(q)) return std::nullopt;
    return q;
}

// East longitude in [0, 360) degrees, in radians, from a west-positive longitude.
double east_radians(double west) {
    return -(west - (sgn(west - kLongitudeThreshold) + 1) * 180) * kRadiansPerDegree;
}

struct GreatCircle {
    double central_angle = 0;  // radians
    double azimuth = 0;        // radians, [0, 2 pi]
};

GreatCircle great_circle(GeoPoint from, GeoPoint to) {
    const double w1 = -from.longitude;
    const double w2 = -to.longitude;
    double b1 = from.latitude;
    const double b2 = to.latitude;
    if (b1 == 0 && b2 == 0) b1 = kLatitudeNudge;
    const double lambda1 = east_radians(w1);
    const double lambda2 = east_radians(w2);
    const double phi1 = b1 * kRadiansPerDegree;
    const double phi2 = b2 * kRadiansPerDegree;

    // The offset keeps two points on one meridian from being exactly north-south.
    double delta = lambda1 - lambda2 + kLongitudeOffset;
    delta += (1 - sgn(delta)) * kPi;

    const double c =
        std::sin(phi1) * std::sin(phi2) + std::cos(phi1) * std::cos(phi2) * std::cos(delta);

    GreatCircle result;
    double& d = result.central_angle;
    if (const auto r = root(1 - c * c)) {
        if (const auto q = quotient(*r, c)) d = std::atan(*q) + (1 - sgn(c)) * kPi / 2;
    }

    double a = 0;  // cosine of the azimuth
    if (const auto q = quotient(std::sin(phi2) - c * std::sin(phi1), std::sin(d))) {
        if (const auto q2 = quotient(*q, std::cos(phi1))) a = *q2;
    }

    double& azimuth = result.azimuth;
    if (a >= kNearSouthLimit) {
        if (const auto r = root(1 - a * a)) {
            if (const auto q = quotient(*r, a)) azimuth = std::atan(*q) + (1 - sgn(a)) * kPi / 2;
        }
    } else {
        azimuth = kPi;  // almost due south
    }
    azimuth *= sgn(delta - kPi) * sgn(kPi - d);  // stations to the west come out negative
    azimuth += (1 - sgn(azimuth)) * kPi;
    return result;
}

long rounded(double x) {
    return static_cast<long>(std::floor(x + 0.5));
}

}  // namespace

GreatCirclePath great_circle_path(GeoPoint from, GeoPoint to) {
    const GreatCircle circle = great_circle(from, to);
    return {rounded(kEarthRadiusKm * circle.central_angle),
            rounded(circle.azimuth / kRadiansPerDegree)};
}

GeoPoint sub_square_centre(std::string_view locator) {
    const auto c = [&](std::size_t n) { return static_cast<double>(code_at(locator, n - 1)); };
    return {-180 + 20 * (c(1) - 65) + 2 * (c(3) - 48) + (c(5) - kSubSquareCentre) / 12,
            -90 + 10 * (c(2) - 65) + (c(4) - 48) + (c(6) - kSubSquareCentre) / 24};
}

std::optional<Locator> Locator::parse(std::string_view text) {
    if (text.size() != 6) return std::nullopt;
    std::string locator = to_upper(std::string(text));
    if (!in(locator[0], 'A', 'R') || !in(locator[1], 'A', 'R') || !in(locator[2], '0', '9') ||
        !in(locator[3], '0', '9') || !in(locator[4], 'A', 'X') || !in(locator[5], 'A', 'X'))
        return std::nullopt;
    return Locator(std::move(locator));
}

}  // namespace zelora
