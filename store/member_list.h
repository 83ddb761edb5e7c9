#pragma once
// The I-QRP and MQC member lists: one member a line, callsign "#" number.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

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

// The text a list box shows of a list file's bytes: each of its lines ended by CR LF.
std::string member_list_text(std::string_view file_bytes);

// A list file's bytes after the addition of `callsign` with `number`: its bytes as they were, a
// CR LF when its last line has no line end, then the new member's line.
std::string with_member_added(std::string file_bytes, const std::string& callsign,
                              const std::string& number);

// The member lookup of the QSO entry, over both lists as one reading of the files found them:
// the serial box fills its result and the member hint shows it, so the two always agree.
class MemberLists {
  public:
    // A missing or unreadable list file counts as empty; `report_unreadable` says whether an
    // unreadable one is also reported ("Impossibile leggere il file ...").
    static MemberLists read(const Platform& platform, bool report_unreadable);

    // The member box value for `callsign` ("I003", "M045"): its base call (before the first "/")
    // is looked up in both lists; in each, the last entry of that callsign that has a number
    // counts (an entry without one is passed over), padded to three digits; an I-QRP member
    // wins over an MQC one. Nothing when neither list has it.
    std::optional<std::string> member_of(const std::string& callsign) const;

  private:
    using Members = std::unordered_map<std::string, std::string>;  // callsign -> box value
    static Members read_list(const Platform& platform, const char* file_name, const char* club,
                             bool report_unreadable);

    Members iqrp_;
    Members mqc_;
};

}  // namespace zelora
