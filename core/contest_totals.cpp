#include "core/contest_totals.h"

#include <cstdint>

#include "base/text.h"

namespace zelora {
namespace {

// Totals are read clamped to +/- 1e15 (whole_value), so the sums below stay far inside int64
// whatever a restored file held.
std::string total_text(std::int64_t value) {
    return number_text(static_cast<double>(value));
}

std::string add_to(const std::string& total, std::int64_t amount) {
    return total_text(whole_value(total) + amount);
}

// sum / count rounded to a whole number, ties to even; 0 when there is no QSO to divide by.
std::int64_t rounded_average(std::int64_t sum, std::int64_t count) {
    if (count == 0) return 0;
    if (count < 0) {
        sum = -sum;
        count = -count;
    }
    std::int64_t quotient = sum / count;
    const std::int64_t remainder = sum % count;
    const std::int64_t twice_remainder = 2 * (remainder < 0 ? -remainder : remainder);
    const bool away_from_zero =
        twice_remainder > count || (twice_remainder == count && quotient % 2 != 0);
    if (away_from_zero) quotient += sum < 0 ? -1 : 1;
    return quotient;
}

}  // namespace

ContestTotals add_qso(ContestTotals totals, const std::string& qrb, const std::string& member,
                      const std::string& callsign, const std::string& locator) {
    const std::int64_t q = whole_value(qrb);
    totals.qso = add_to(totals.qso, 1);
    totals.qrb = add_to(totals.qrb, q);
    if (member.empty()) {
        totals.punti = add_to(totals.punti, q);
    } else {
        totals.molt = add_to(totals.molt, 1);
        totals.punti = add_to(totals.punti, 2 * q);
        if (member.front() == 'I') totals.iqrp = add_to(totals.iqrp, 1);
        if (member.front() == 'M') totals.mdc = add_to(totals.mdc, 1);
    }
    totals.media = total_text(rounded_average(whole_value(totals.qrb), whole_value(totals.qso)));
    if (text_value(totals.odx_qrb) < static_cast<double>(q)) {
        totals.odx_call = callsign;
        totals.odx_loc = locator;
        totals.odx_qrb = qrb;
    }
    return totals;
}

}  // namespace zelora
