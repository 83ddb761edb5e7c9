#pragma once
// The log in ADIF 3.1 (.adi), for the operator's general logbook.

#include <string>
#include <vector>

#include "base/platform.h"
#include "core/qso_record.h"

namespace zelora {

// The station data of the file: the EDI header's callsign, locator, operators and power.
struct AdifStation {
    std::string callsign;
    std::string locator;
    std::string operators;
    std::string power;  // watts as typed: "0,5" and "0.5" alike
    DateTime created;   // UTC
};

// The whole .adi file: a header ending with <EOH>, then one record per QSO ending with <EOR>,
// CR LF after each. Every field is ASCII, so its declared length is its length in bytes:
// accented letters become their base letters and any other character outside printable ASCII
// becomes "?". A field with nothing valid to say (an empty member number, a date that does
// not read) is left out rather than written empty or wrong.
std::string adif_log(const std::vector<QsoRecord>& qsos, const AdifStation& station);

// "<callsign>.adi", with "_" for every character a file name cannot hold ("/" of a portable
// callsign, "\", ":", "*", "?", quotes, "<", ">", "|", control characters).
std::string adif_file_name(const std::string& callsign);

// Writes the file into the program's directory (replaced atomically) and tells the operator:
// "Log ADIF salvato in " + path, or the file-error message. True when written.
bool save_adif_log(const Platform& platform, const std::string& file_name,
                   const std::string& bytes);

}  // namespace zelora
