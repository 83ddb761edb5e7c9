#include "core/qso_lines.h"

#include <algorithm>
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

std::vector<std::string> split_fields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The EDI line carries the plain distance; the record keeps it as the calculator gives it,
// with its leading blank ("523" gives " 523"), so that an ODX taken from a restored QSO reads
// as one taken at entry. "1" stays as it is: it is what a QSO in the own sub-square logs.
std::string qrb_from_edi(const std::string& points) {
    const bool plain = !points.empty() && std::all_of(points.begin(), points.end(), is_digit);
    return plain && points != "1" ? " " + points : points;
}

}  // namespace

std::string mode_code(const std::string& mode) {
    if (mode == "SSB") return kSsbCode;
    if (mode == "CW") return kCwCode;
    return {};
}

std::string mode_from_code(const std::string& code) {
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

std::string date_from_edi(const std::string& date) {
    if (date.empty()) return {};
    return mid(date, 5, 2) + "/" + mid(date, 3, 2) + "/" + mid(date, 1, 2);
}

std::string time_from_edi(const std::string& time) {
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

QsoRecord qso_from_edi_line(std::string_view line) {
    const std::vector<std::string> fields = split_fields(line);
    const auto field = [&fields](std::size_t index) {
        return index < fields.size() ? fields[index] : std::string();
    };
    QsoRecord qso;
    qso.date = date_from_edi(field(0));
    qso.time = time_from_edi(field(1));
    qso.callsign = field(2);
    qso.mode = mode_from_code(field(3));
    qso.rst_sent = field(4);
    qso.number = field(5);
    qso.rst_received = field(6);
    qso.serial_received = field(7);
    qso.member = field(8);
    qso.locator = field(9);
    qso.qrb = qrb_from_edi(field(10));
    return qso;
}

}  // namespace zelora
