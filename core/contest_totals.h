#pragma once

#include <string>

#include "core/qso_index.h"

namespace zelora {

// The contest score, each total held as the text the main window shows.
struct ContestTotals {
    std::string qso = "0";         // CONTEST_QSO, Label19
    std::string qrb = "0";         // CONTEST_QRB, Label21: distance sum
    std::string molt = "0";        // CONTEST_MOLT, Label23: multipliers
    std::string punti = "0";       // CONTEST_PUNTI, Label25: points
    std::string media = "0";       // CONTEST_MEDIA, Label44: average distance
    std::string odx_call = "...";  // CONTEST_ODX_CALL, Label27
    std::string odx_loc = "...";   // CONTEST_ODX_LOC, Label28
    std::string odx_qrb = "0";     // CONTEST_ODX_QRB, Label29: copied with its leading blank
    std::string iqrp = "0";        // CONTEST_IQRP, Label51
    std::string mdc = "0";         // CONTEST_MDC, Label52

    bool operator==(const ContestTotals&) const = default;
};

// The totals after one more accepted QSO. `qrb` is the QSO's QRB text (" 523"), `member` its
// member number ("", "I003", "M123").
ContestTotals add_qso(ContestTotals totals, const std::string& qrb, const std::string& member,
                      const std::string& callsign, const std::string& locator);

// The totals of a whole log: the initial totals with each QSO added in log order, exactly as
// add_qso adds them (the same rule), without its text conversions on the way.
ContestTotals totals_of(const QsoIndex& log);

}  // namespace zelora
