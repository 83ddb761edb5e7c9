#pragma once

#include <string_view>

namespace zelora {

// The DXCC entity of a callsign by its prefix, or nullptr when no prefix row matches. Every
// row is tried in order and the last one that matches decides (IS0 is "Italy", then
// "Sardinia"). The country names are kept as the contest has always printed them.
const char* country_of(std::string_view callsign);

}  // namespace zelora
