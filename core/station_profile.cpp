#include "core/station_profile.h"

#include <array>
#include <string_view>

namespace zelora {
namespace {

struct KeyLayout {
    ProfileKey key;
    std::string_view prefix;  // compared with its blank, equals sign and blank
    std::size_t length;       // characters taken after it
};

constexpr std::array<KeyLayout, 4> kKeys{{
    {ProfileKey::callsign, "Call = ", std::string::npos},
    {ProfileKey::locator, "Locator = ", 6},
    {ProfileKey::iqrp_number, "IQRP = ", 3},
    {ProfileKey::mqc_number, "MDC = ", 3},
}};

}  // namespace

std::vector<ProfileEntry> parse_station_profile(const std::vector<std::string>& lines) {
    std::vector<ProfileEntry> entries;
    for (const std::string& line : lines) {
        for (const KeyLayout& key : kKeys) {
            if (!std::string_view(line).starts_with(key.prefix)) continue;
            entries.push_back({key.key, line.substr(key.prefix.size(), key.length)});
        }
    }
    return entries;
}

std::string member_number_label(const std::string& number) {
    return number.empty() ? "..." : number;
}

std::string station_profile_text(const std::string& callsign, const std::string& locator,
                                 const std::string& iqrp_number, const std::string& mqc_number) {
    return "Call = " + callsign + "\r\nLocator = " + locator + "\r\nIQRP = " + iqrp_number +
           "\r\nMDC = " + mqc_number + "\r\n\r\n";
}

}  // namespace zelora
