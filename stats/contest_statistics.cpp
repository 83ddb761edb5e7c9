#include "stats/contest_statistics.h"

#include <cmath>
#include <string>
#include <unordered_set>

#include "stats/country_prefixes.h"
#include "stats/ranking_order.h"
#include "stats/square_grid.h"

namespace zelora {
namespace {

constexpr const char* kHours[kContestHours] = {"07", "08", "09", "10", "11", "12"};
constexpr const char* kHourLabels[kContestHours] = {
    "07-08 =    ", "08-09 =    ", "09-10 =    ", "10-11 =    ", "11-12 =    ", "12-13 =    "};
constexpr const char* kSectorLabels[kSectors] = {
    "   0-30\xB0", "  30-60\xB0", "  60-90\xB0", " 90-120\xB0", "120-150\xB0", "150-180\xB0",
    "180-210\xB0", "210-240\xB0", "240-270\xB0", "270-300\xB0", "300-330\xB0", "330-359\xB0"};

// The grid text with each cell that equals a worked square blanked: whole cells only, so a
// junk square cannot blank the end of one cell and the start of the next.
std::string square_map(const std::unordered_set<std::string>& worked) {
    std::string map = square_grid_text();
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (!worked.contains(grid_square(row, column))) continue;
            const auto at = static_cast<std::size_t>(row * (kGridColumns * kSquareLength + 2) +
                                                     column * kSquareLength);
            map.replace(at, kSquareLength, kSquareLength, ' ');
        }
    }
    return map;
}

std::string ranking_item(const QsoFacts& qso) {
    return std::to_string(qso.km) + "Km - " + qso.callsign + " - " + qso.locator;
}

}  // namespace

int sector_of(double bearing) {
    if (!(bearing >= 0 && bearing <= 360)) return -1;
    return bearing == 360 ? kSectors - 1 : static_cast<int>(std::floor(bearing / 30));
}

ContestStatistics contest_statistics(const std::vector<QsoFacts>& qsos) {
    ContestStatistics result;
    std::array<std::int64_t, kContestHours> hour_km{};
    std::unordered_set<std::string> squares;
    std::unordered_set<std::string> countries;
    std::vector<std::int64_t> distances;
    distances.reserve(qsos.size());

    for (const QsoFacts& qso : qsos) {
        distances.push_back(qso.km);
        if (const int sector = sector_of(qso.bearing); sector >= 0) ++result.sector_qsos[sector];
        for (int hour = 0; hour < kContestHours; ++hour) {
            if (qso.hour != kHours[hour]) continue;
            ++result.hour_qsos[hour];
            hour_km[hour] += qso.km;
        }
        const std::string square = qso.locator.substr(0, kSquareLength);
        if (!square.empty() && squares.insert(square).second) result.square_list += square + " - ";
        if (const char* country = country_of(qso.callsign);
            country && countries.insert(country).second) {
            if (!result.country_list.empty()) result.country_list += " - ";
            result.country_list += country;
        }
    }

    result.square_map = square_map(squares);
    for (int hour = 0; hour < kContestHours; ++hour) {
        result.hour_table += kHourLabels[hour] + std::to_string(result.hour_qsos[hour]) + " - " +
                             std::to_string(hour_km[hour]) + "\r\n";
    }
    for (int sector = 0; sector < kSectors; ++sector) {
        result.bearing_table += std::string(kSectorLabels[sector]) + "  - " +
                                std::to_string(result.sector_qsos[sector]) + "\r\n";
    }
    result.ranking.reserve(qsos.size());
    for (std::size_t index : ranking_order(distances))
        result.ranking.push_back(ranking_item(qsos[index]));
    return result;
}

}  // namespace zelora
