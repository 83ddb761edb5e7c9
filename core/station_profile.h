#pragma once
// config.txt: the operator's own station.

#include <string>
#include <vector>
#include "core/program_files.h"

namespace zelora {

enum class ProfileKey { callsign, locator, iqrp_number, mqc_number };

struct ProfileEntry {
    ProfileKey key;
    std::string value;

    bool operator==(const ProfileEntry&) const = default;
};

// What config.txt's lines give, in file order: every line tested against every key
// ("Call = ", "Locator = ", "IQRP = ", "MDC = "), so a repeated key is applied again.
std::vector<ProfileEntry> parse_station_profile(const std::vector<std::string>& lines);

// A member number as the station frame shows it: "..." when the station has none.
std::string member_number_label(const std::string& number);

// The file as the station window writes it, ending with CR LF CR LF.
std::string station_profile_text(const std::string& callsign, const std::string& locator,
                                 const std::string& iqrp_number, const std::string& mqc_number);

}  // namespace zelora
