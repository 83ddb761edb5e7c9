#include "core/contest_totals.h"

#include <algorithm>
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

// What add_to does to a total's value: the text it writes holds at most +/- 1e15.
std::int64_t added(std::int64_t total, std::int64_t amount) {
    constexpr std::int64_t kLargest = 1'000'000'000'000'000;
    return std::clamp(total + amount, -kLargest, kLargest);
}

// whole_value of a QRB text, from the number text_value read from it.
std::int64_t whole_kilometres(double distance) {
    return static_cast<std::int64_t>(std::clamp(distance, -1e15, 1e15));
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

// The numbers a whole log adds up, before they are written as the totals' texts.
struct Counts {
    std::int64_t qso = 0, qrb = 0, molt = 0, punti = 0, iqrp = 0, mdc = 0;
};

// The scoring rule of one QSO of `q` whole kilometres and member number `member`, on totals held
// either as texts (one accepted QSO) or as numbers (a whole log): `add(total, amount)` adds to
// one of them. True when the QSO beats an ODX of `odx_distance`; on a tie the earlier one stays.
template <class Totals, class Add>
bool score_qso(Totals& totals, std::int64_t q, const std::string& member, double odx_distance,
               Add add) {
    add(totals.qso, 1);
    add(totals.qrb, q);
    if (member.empty()) {
        add(totals.punti, q);
    } else {
        add(totals.molt, 1);
        add(totals.punti, 2 * q);
        if (member.front() == 'I') add(totals.iqrp, 1);
        if (member.front() == 'M') add(totals.mdc, 1);
    }
    return odx_distance < static_cast<double>(q);
}

}  // namespace

ContestTotals add_qso(ContestTotals totals, const std::string& qrb, const std::string& member,
                      const std::string& callsign, const std::string& locator) {
    const auto add_text = [](std::string& total, std::int64_t amount) {
        total = add_to(total, amount);
    };
    const bool odx =
        score_qso(totals, whole_value(qrb), member, text_value(totals.odx_qrb), add_text);
    totals.media = total_text(rounded_average(whole_value(totals.qrb), whole_value(totals.qso)));
    if (odx) {
        totals.odx_call = callsign;
        totals.odx_loc = locator;
        totals.odx_qrb = qrb;
    }
    return totals;
}

ContestTotals totals_of(const QsoIndex& log) {
    const std::vector<QsoRecord>& qsos = log.qsos();
    const std::vector<double>& distances = log.distances();
    const auto add_number = [](std::int64_t& total, std::int64_t amount) {
        total = added(total, amount);
    };
    Counts counts;
    const QsoRecord* odx = nullptr;
    double odx_distance = 0;  // the number read from the ODX distance, "0" at first
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        if (score_qso(counts, whole_kilometres(distances[i]), qsos[i].member, odx_distance,
                      add_number)) {
            odx = &qsos[i];
            odx_distance = distances[i];
        }
    }
    ContestTotals totals;
    totals.qso = total_text(counts.qso);
    totals.qrb = total_text(counts.qrb);
    totals.molt = total_text(counts.molt);
    totals.punti = total_text(counts.punti);
    totals.media = total_text(rounded_average(counts.qrb, counts.qso));
    totals.iqrp = total_text(counts.iqrp);
    totals.mdc = total_text(counts.mdc);
    if (odx) {
        totals.odx_call = odx->callsign;
        totals.odx_loc = odx->locator;
        totals.odx_qrb = odx->qrb;
    }
    return totals;
}

}  // namespace zelora
