#pragma once
// The I-QRP and MQC member lists: one member a line, callsign "#" number.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform.h"

namespace zelora {

inline constexpr const char* kIqrpFileName = "iqrp.txt";
inline constexpr const char* kMqcFileName = "mqc.txt";

// The member box after the QSO entry's lookup of `callsign`: its base call (before the first
// "/") is looked up in mqc.txt, then in iqrp.txt, every entry examined; the last match wins and
// an I-QRP match wins over an MQC one ("I003", "M045"). `current` when nothing matches.
std::string looked_up_member(const Platform& platform, const std::string& callsign,
                             const std::string& current);

}  // namespace zelora
