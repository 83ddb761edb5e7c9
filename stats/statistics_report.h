#pragma once

#include <string>
#include <vector>

#include "base/platform.h"

namespace zelora {

// The six results as the statistics window shows them.
struct ReportedStatistics {
    const std::vector<std::string>& ranking;
    const std::string& country_list;
    const std::string& square_list;
    const std::string& hour_table;     // CR LF-ended lines
    const std::string& bearing_table;  // CR LF-ended lines
    const std::string& square_map;     // no line end after the last row
};

// The report text, every line ended by CR LF, dated `today` (DD/MM/YYYY in the banner).
std::string statistics_report(const DateTime& today, const ReportedStatistics& results);

}  // namespace zelora
