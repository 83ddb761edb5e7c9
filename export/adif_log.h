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

// "<callsign>.adi", with the slash rule of every log file name ("ZZ9QX/P" as "ZZ9QX_P.adi").
std::string adif_file_name(const std::string& callsign);

}  // namespace zelora
