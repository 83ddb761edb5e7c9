#pragma once
// Maidenhead locators as a value checked once, and the great-circle measure between two points
// that every distance and heading of the program comes from.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zelora {

// A point of the earth in degrees, east and north positive.
struct GeoPoint {
    double longitude = 0;
    double latitude = 0;
};

// From one point to another along the great circle: the distance in whole kilometres and the
// beam heading in whole degrees (0 to 360), both rounded half up. Worked out as the bearing
// calculator always has (its pi of six decimals, its earth radius, the small westward offset of
// the second point), since the distances in the operators' logs depend on it.
struct GreatCirclePath {
    long km = 0;
    long bearing = 0;
};
GreatCirclePath great_circle_path(GeoPoint from, GeoPoint to);

// The centre of the sub-square that the first six characters of `locator` name, from their
// character codes as the calculator reads any text: a character past the end counts as code 0.
GeoPoint sub_square_centre(std::string_view locator);

// A six-character Maidenhead locator: two letters A-R, two digits, two letters A-X.
class Locator {
  public:
    // Either case is read ("jn61fv" is JN61FV); nothing for any other text.
    static std::optional<Locator> parse(std::string_view text);
    static bool is_valid(std::string_view text) { return parse(text).has_value(); }

    std::string_view field() const { return std::string_view(text_).substr(0, 2); }   // "JN"
    std::string_view square() const { return std::string_view(text_).substr(0, 4); }  // "JN61"
    const std::string& sub_square() const { return text_; }  // "JN61FV", the whole locator

    GeoPoint centre() const { return sub_square_centre(text_); }
    long distance_km(const Locator& to) const { return path_to(to).km; }
    long bearing_to(const Locator& to) const { return path_to(to).bearing; }
    GreatCirclePath path_to(const Locator& to) const {
        return great_circle_path(centre(), to.centre());
    }

    bool operator==(const Locator&) const = default;

  private:
    explicit Locator(std::string text) : text_(std::move(text)) {}
    std::string text_;  // upper case
};

}  // namespace zelora
