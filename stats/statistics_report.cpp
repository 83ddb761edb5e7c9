#include "stats/statistics_report.h"

#include <cstdio>

namespace zelora {
namespace {

constexpr const char* kCrLf = "\r\n";

std::string date_text(const DateTime& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day.day % 100, day.month % 100,
                  day.year % 10000);
    return text;
}

}  // namespace

std::string statistics_report(const DateTime& today, const ReportedStatistics& results) {
    std::string report;
    const auto line = [&report](const std::string& text = {}) { report += text + kCrLf; };
    // A heading, an empty line, the block, and the two empty lines that close it.
    const auto block = [&line](const char* heading, const std::string& text) {
        line(heading);
        line();
        line(text);
        line();
        line();
    };

    line("###############################################");
    line("######### STATISTICHE CONTEST ZELORA QRP  #####");
    line("####################" + date_text(today) + "#################");
    line();
    line();
    line();
    line("----------------------------------------");
    line("                   TOP DX               ");
    line("----------------------------------------");
    line();
    line("QRB     Call      SQR");
    line();
    for (const std::string& item : results.ranking) line(item);
    line();
    line();
    block("####  DXCC  LAVORATI  ######", results.country_list);
    block("####  SQR   LAVORATI  ######", results.square_list);
    // The tables end with their own line end: one more leaves an empty line after them.
    block("####  QSO per ORA  ######", results.hour_table);
    block("####  QSO per QTF     ######", results.bearing_table);
    block("####  MAPPA dei QSO   ######", results.square_map);
    line("---- Zelora qrp Test - by ZZ9AAA ----");
    return report;
}

}  // namespace zelora
