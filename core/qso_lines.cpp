#include "core/qso_lines.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "base/text.h"

namespace zelora {
namespace {

constexpr std::size_t kCallsignColumn = 12;
constexpr std::size_t kModeColumn = 3;
constexpr const char* kSsbCode = "1";
constexpr const char* kCwCode = "0";

// The callsign padded to its 12-character column; a callsign of 11 or more characters is not
// padded, so the later columns move right. Shorter callsigns than the 4 the entry accepts are
// padded the same way, keeping the columns aligned.
std::string callsign_column(const std::string& callsign) {
    if (callsign.size() >= kCallsignColumn - 1) return callsign;
    return callsign + std::string(kCallsignColumn - callsign.size(), ' ');
}

// "SSB" as it is, "CW" as " CW": a short mode is right-aligned to three places.
std::string mode_column(const std::string& mode) {
    if (mode.size() >= kModeColumn) return mode;
    return std::string(kModeColumn - mode.size(), ' ') + mode;
}

// Two blanks after a 2-character mode, whose 3-digit reports would otherwise push the
// locator column right; three after any other.
const char* mode_gap(const std::string& mode) {
    return mode.size() == 2 ? "  " : "   ";
}

// The QRB as plain whole kilometres: " 523" gives "523".
std::string plain_distance(const std::string& qrb) {
    return number_text(static_cast<double>(whole_value(qrb)));
}

// The next ";"-separated field of `line`, taken off its front.
std::string_view next_field(std::string_view& line) {
    const std::size_t end = line.find(';');
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(end == std::string_view::npos ? line.size() : end + 1);
    return field;
}

// The EDI line carries the plain distance; the record keeps it as the calculator gives it,
// with its leading blank ("523" gives " 523"), so that an ODX taken from a restored QSO reads
// as one taken at entry. "1" stays as it is: it is what a QSO in the own sub-square logs. A
// hand-edited field ("007", "2x0", nothing) is read as the line will be written again, so that
// a corrected QSO's record, its line and the totals rebuilt from them agree.
std::string qrb_from_edi(std::string_view points) {
    const std::string distance = plain_distance(std::string(points));
    return distance == "1" ? distance : " " + distance;
}

// The words of a line, between runs of blanks.
std::vector<std::string_view> words_of(std::string_view line) {
    std::vector<std::string_view> words;
    while (!line.empty()) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        line.remove_prefix(start);
        const std::size_t end = std::min(line.find(' '), line.size());
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return words;
}

}  // namespace

std::string mode_code(const std::string& mode) {
    if (mode == "SSB") return kSsbCode;
    if (mode == "CW") return kCwCode;
    return {};
}

std::string mode_from_code(std::string_view code) {
    if (code == kSsbCode) return "SSB";
    if (code == kCwCode) return "CW";
    return {};
}

std::string edi_date(const std::string& date) {
    return mid(date, 7, 2) + mid(date, 4, 2) + mid(date, 1, 2);
}

std::string edi_time(const std::string& time) {
    return mid(time, 1, 2) + mid(time, 4, 2);
}

std::string date_from_edi(std::string_view date) {
    if (date.empty()) return {};
    return mid(date, 5, 2) + "/" + mid(date, 3, 2) + "/" + mid(date, 1, 2);
}

std::string time_from_edi(std::string_view time) {
    if (time.empty()) return {};
    return mid(time, 1, 2) + "." + mid(time, 3, 2);
}

std::string qso_list_line(const QsoRecord& qso) {
    std::string line;
    line.reserve(80);
    line += qso.number;
    line += "   ";
    line += qso.date;
    line += "   ";
    line += qso.time;
    line += "   ";
    line += qso.frequency;
    line += "Mhz   ";
    line += mode_column(qso.mode);
    line += "   ";
    line += callsign_column(qso.callsign);
    line += qso.rst_received;
    line += "-";
    line += qso.serial_received;
    line += mode_gap(qso.mode);
    line += qso.locator;
    line += "   ";
    line += qso.member;
    return line;
}

std::string edi_qso_line(const QsoRecord& qso) {
    const std::string fields[] = {edi_date(qso.date),  edi_time(qso.time),     qso.callsign,
                                  mode_code(qso.mode), qso.rst_sent,           qso.number,
                                  qso.rst_received,    qso.serial_received,    qso.member,
                                  qso.locator,         plain_distance(qso.qrb)};
    std::string line;
    line.reserve(64);
    for (const std::string& field : fields) {
        line += field;
        line += ';';
    }
    // The new exchange, new WWL, new DXCC and duplicate fields, always empty.
    line += ";;;";
    return line;
}

std::optional<QsoRecord> qso_from_list_line(std::string_view line) {
    // number, date, time, frequency + "Mhz", mode, callsign, report-serial, locator, member
    const std::vector<std::string_view> words = words_of(line);
    if (words.size() < 7 || !words[3].ends_with("Mhz")) return std::nullopt;
    QsoRecord qso;
    qso.number = words[0];
    qso.date = words[1];
    qso.time = words[2];
    qso.frequency = words[3].substr(0, words[3].size() - 3);
    qso.mode = words[4];
    std::string_view callsign = words[5];
    std::size_t next = 6;
    std::string_view exchange;
    // A callsign of 11 characters or more is not padded: the report follows it at once, as many
    // digits as the mode's report has.
    const std::size_t report_length = qso.mode == "CW" ? 3 : 2;
    if (const std::size_t dash = callsign.find('-');
        dash != std::string_view::npos && dash >= report_length) {
        exchange = callsign.substr(dash - report_length);
        callsign = callsign.substr(0, dash - report_length);
    } else {
        exchange = words[next++];
    }
    const std::size_t dash = exchange.find('-');
    if (dash == std::string_view::npos || next >= words.size() || words.size() > next + 2)
        return std::nullopt;
    qso.callsign = callsign;
    qso.rst_received = exchange.substr(0, dash);
    qso.serial_received = exchange.substr(dash + 1);
    qso.locator = words[next];
    if (next + 1 < words.size()) qso.member = words[next + 1];
    // Whatever the words looked like, only a line written from these fields is one.
    if (qso_list_line(qso) != line) return std::nullopt;
    return qso;
}

QsoRecord qso_from_edi_line(std::string_view line) {
    // Read field by field: a restored contest rebuilds one record per logged QSO.
    QsoRecord qso;
    qso.date = date_from_edi(next_field(line));
    qso.time = time_from_edi(next_field(line));
    qso.callsign = next_field(line);
    qso.mode = mode_from_code(next_field(line));
    qso.rst_sent = next_field(line);
    qso.number = next_field(line);
    qso.rst_received = next_field(line);
    qso.serial_received = next_field(line);
    qso.member = next_field(line);
    qso.locator = next_field(line);
    qso.qrb = qrb_from_edi(next_field(line));
    return qso;
}

}  // namespace zelora
