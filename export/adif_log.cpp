#include "export/adif_log.h"

#include <cstdio>
#include <string_view>

#include "base/text.h"
#include "export/log_file.h"

namespace zelora {
namespace {

constexpr const char* kCrLf = "\r\n";

// The ASCII spelling of a Windows-1252 character from 0x80 on ("?" where there is none).
std::string_view ascii_for(unsigned char c) {
    if (c >= 0xC0 && c <= 0xC5) return "A";
    if (c >= 0xC8 && c <= 0xCB) return "E";
    if (c >= 0xCC && c <= 0xCF) return "I";
    if ((c >= 0xD2 && c <= 0xD6) || c == 0xD8) return "O";
    if (c >= 0xD9 && c <= 0xDC) return "U";
    if (c >= 0xE0 && c <= 0xE5) return "a";
    if (c >= 0xE8 && c <= 0xEB) return "e";
    if (c >= 0xEC && c <= 0xEF) return "i";
    if ((c >= 0xF2 && c <= 0xF6) || c == 0xF8) return "o";
    if (c >= 0xF9 && c <= 0xFC) return "u";
    switch (c) {
        case 0x8A:
            return "S";
        case 0x8C:
            return "OE";
        case 0x8E:
            return "Z";
        case 0x9A:
            return "s";
        case 0x9C:
            return "oe";
        case 0x9E:
            return "z";
        case 0x9F:
        case 0xDD:
            return "Y";
        case 0xFD:
        case 0xFF:
            return "y";
        case 0xC6:
            return "AE";
        case 0xE6:
            return "ae";
        case 0xC7:
            return "C";
        case 0xE7:
            return "c";
        case 0xD0:
            return "D";
        case 0xF0:
            return "d";
        case 0xD1:
            return "N";
        case 0xF1:
            return "n";
        case 0xDE:
            return "TH";
        case 0xFE:
            return "th";
        case 0xDF:
            return "ss";
        default:
            return "?";
    }
}

// ADIF strings are printable ASCII.
std::string ascii(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            result += ascii_for(byte);
        } else {
            result += byte < 0x20 || byte == 0x7F ? ' ' : c;
        }
    }
    return result;
}

bool all_digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string two_digits(int value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", value % 100);
    return buffer;
}

// "19/07/20" as "20200719"; nothing when it is not a date.
std::string adif_date(const std::string& date) {
    if (date.size() != 8 || !all_digits(mid(date, 1, 2)) || !all_digits(mid(date, 4, 2)) ||
        !all_digits(mid(date, 7, 2))) {
        return {};
    }
    const int day = std::stoi(mid(date, 1, 2));
    const int month = std::stoi(mid(date, 4, 2));
    if (day < 1 || day > 31 || month < 1 || month > 12) return {};
    return "20" + mid(date, 7, 2) + mid(date, 4, 2) + mid(date, 1, 2);
}

// "07.20" as "0720"; nothing when it is not a time of day.
std::string adif_time(const std::string& time) {
    if (time.size() != 5 || !all_digits(mid(time, 1, 2)) || !all_digits(mid(time, 4, 2))) return {};
    if (std::stoi(mid(time, 1, 2)) > 23 || std::stoi(mid(time, 4, 2)) > 59) return {};
    return mid(time, 1, 2) + mid(time, 4, 2);
}

// An ADIF integer without leading zeros ("005" as "5"); nothing for a text that is not one.
std::string adif_integer(const std::string& text) {
    if (!all_digits(text)) return {};
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? "0" : text.substr(first);
}

// The typed power as an ADIF number, with a decimal comma read as a point ("0,5" as "0.5").
std::string adif_power(std::string power) {
    const std::size_t first = power.find_first_not_of(' ');
    power = first == std::string::npos
                ? ""
                : power.substr(first, power.find_last_not_of(' ') + 1 - first);
    if (power.find('.') == std::string::npos) {
        const std::size_t comma = power.find(',');
        if (comma != std::string::npos) power[comma] = '.';
    }
    const std::size_t point = power.find('.');
    const std::string whole = power.substr(0, point);
    const std::string fraction = point == std::string::npos ? "0" : power.substr(point + 1);
    if (!all_digits(whole) || !all_digits(fraction)) return {};
    return power;
}

// The radio's frequency of a QSO in MHz, when it lies in ADIF's 2 m band (144-148 MHz) as the
// record's BAND says; else the band's start, as a log without a radio has it.
std::string adif_frequency(const std::string& radio_frequency) {
    const bool decimal = radio_frequency.find_first_not_of("0123456789.") == std::string::npos;
    const double mhz = text_value(radio_frequency);
    return decimal && mhz >= 144 && mhz <= 148 ? radio_frequency : "144";
}

// "<NAME:length>data " (nothing for empty data).
void add_field(std::string& out, std::string_view name, std::string_view data) {
    if (data.empty()) return;
    const std::string value = ascii(data);
    out += '<';
    out += name;
    out += ':';
    out += std::to_string(value.size());
    out += '>';
    out += value;
    out += ' ';
}

}  // namespace

std::string adif_log(const std::vector<QsoRecord>& qsos, const AdifStation& station) {
    const DateTime& made = station.created;
    std::string out = "Zelora VHF qrp Test - log ADIF";
    out += kCrLf;
    add_field(out, "ADIF_VER", "3.1.4");
    add_field(out, "PROGRAMID", "Zelora VHF qrp");
    add_field(out, "PROGRAMVERSION", "1.00");
    add_field(out, "CREATED_TIMESTAMP",
              std::to_string(made.year) + two_digits(made.month) + two_digits(made.day) + " " +
                  two_digits(made.hour) + two_digits(made.minute) + two_digits(made.second));
    out += "<EOH>";
    out += kCrLf;
    const std::string power = adif_power(station.power);
    for (const QsoRecord& qso : qsos) {
        add_field(out, "CALL", qso.callsign);
        add_field(out, "QSO_DATE", adif_date(qso.date));
        add_field(out, "TIME_ON", adif_time(qso.time));
        add_field(out, "BAND", "2m");
        add_field(out, "FREQ", adif_frequency(qso.radio_frequency));
        add_field(out, "MODE", qso.mode == "SSB" || qso.mode == "CW" ? qso.mode : "");
        add_field(out, "RST_SENT", qso.rst_sent);
        add_field(out, "RST_RCVD", qso.rst_received);
        add_field(out, "STX", adif_integer(qso.number));
        add_field(out, "SRX", adif_integer(qso.serial_received));
        add_field(out, "GRIDSQUARE", qso.locator);
        add_field(out, "MY_GRIDSQUARE", station.locator);
        add_field(out, "STATION_CALLSIGN", station.callsign);
        add_field(out, "OPERATOR", station.operators);
        add_field(out, "CONTEST_ID", "ZELORA-VHF-QRP");
        add_field(out, "SRX_STRING", qso.member);
        add_field(out, "TX_PWR", power);
        add_field(out, "DISTANCE", qso.qrb.empty() ? "" : number_text(whole_value(qso.qrb)));
        out += "<EOR>";
        out += kCrLf;
    }
    return out;
}

std::string adif_file_name(const std::string& callsign) {
    return with_slashes_replaced(callsign + ".adi");
}

}  // namespace zelora
