#pragma once
// The statistics of the contest so far, from each QSO's fields and its recomputed distance and
// bearing.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zelora {

inline constexpr int kContestHours = 6;  // 07 to 12 UTC
inline constexpr int kSectors = 12;      // of 30 degrees

struct QsoFacts {
    std::string hour;  // the first two characters of the UTC time, "07"
    std::string callsign;
    std::string locator;  // at most 6 characters
    std::int64_t km = 0;  // whole kilometres
    double bearing = 0;   // degrees, 0 to 360
};

struct ContestStatistics {
    std::vector<std::string> ranking;  // "350Km - ZZ9XA - JN61FV", longest first
    std::string square_map;            // the grid with every worked square blanked
    std::string square_list;           // "JN61 - JN45 - "
    std::string country_list;          // "Italy - Croatia"
    std::string hour_table;            // six CR LF-ended lines
    std::string bearing_table;         // twelve CR LF-ended lines
    std::array<int, kContestHours> hour_qsos{};
    std::array<int, kSectors> sector_qsos{};
};

ContestStatistics contest_statistics(const std::vector<QsoFacts>& qsos);

// The sector of a bearing: 30k <= b < 30(k+1), and 360 in the last, so that every QSO counts
// once; -1 for a bearing outside 0 to 360.
int sector_of(double bearing);

}  // namespace zelora
