#pragma once
// The contest log in the REG1TEST exchange format of IARU Region 1.

#include <string>

#include "core/contest_totals.h"
#include "core/log_list.h"

namespace zelora {

// The header as typed in the EDI header window, each field exactly as typed. The contest name
// and the band are shown there but never written.
struct EdiHeader {
    std::string callsign;
    std::string locator;
    std::string category;
    std::string date;  // dd/mm/yyyy
    std::string name;
    std::string address;
    std::string postal_code;
    std::string city;
    std::string country;
    std::string telephone;
    std::string email;
    std::string operators;
    std::string club;
    std::string receiver;
    std::string transmitter;
    std::string antennas;
    std::string power;
    std::string antenna_height;
    std::string altitude;
    std::string comments;  // lines ended by CR LF, none after the last
};

// What the log takes from the main window, as it displays it.
struct EdiContest {
    ContestTotals totals;
    std::string own_iqrp;    // "..." when unknown
    std::string own_mqc;     // "..." when unknown
    std::string entry_date;  // DD/MM/YY
};

// The whole file text, every line ended by CR LF. `qso_lines` is the body, appended unchanged.
std::string edi_log_text(const EdiHeader& header, const EdiContest& contest,
                         const LogList& qso_lines);

// The name proposed for the file: the category's prefix, the callsign and ".edi"; empty for a
// category typed by hand.
std::string proposed_file_name(const EdiHeader& header);

}  // namespace zelora
