#pragma once
// The I-QRP and MQC member lists: one member a line, callsign "#" number.

#include <optional>
#include <string>
#include <string_view>

#include "base/platform.h"
#include "core/program_files.h"

namespace zelora {

// One member line: the callsign before the first "#", the number everything after it.
struct MemberEntry {
    std::string_view callsign;
    std::string_view number;
};

// The member a line holds. A line without "#", or with nothing before it (an empty or
// hand-damaged line), holds none, so it never matches a callsign; "IK0AAA#" lists IK0AAA
// without a number.
std::optional<MemberEntry> member_entry(std::string_view line);

// The number of the first line of a list text (any line ends) that lists exactly `callsign`.
std::optional<std::string> listed_member_number(std::string_view list_text,
                                                std::string_view callsign);

// The member box after the QSO entry's lookup of `callsign`: its base call (before the first
// "/") is looked up in mqc.txt, then in iqrp.txt, every entry examined; the last match wins and
// an I-QRP match wins over an MQC one ("I003", "M045"); an entry without a number gives no
// member number and is passed over. `current` when nothing matches. Both
// files are read anew on every lookup; a missing or unreadable one counts as empty.
std::string looked_up_member(const Platform& platform, const std::string& callsign,
                             const std::string& current);

}  // namespace zelora
