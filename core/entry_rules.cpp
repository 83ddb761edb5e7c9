#include "core/entry_rules.h"

#include <algorithm>
#include <utility>

#include "base/text.h"
#include "geo/locator.h"
#include "geo/locator_math.h"

namespace zelora {
namespace {

constexpr double kLargestIqrpMember = 1100;
constexpr double kLargestMqcMember = 600;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The two digits at 0-based `at` as a number; -1 when they are not two digits.
int two_digits(const std::string& text, std::size_t at) {
    if (at + 2 > text.size() || !is_digit(text[at]) || !is_digit(text[at + 1])) return -1;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

int days_in_month(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0;  // 2000 to 2099
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool all_digits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), is_digit);
}

std::string without_separators(std::string text) {
    std::erase(text, ';');
    return without_control_characters(std::move(text));
}

bool is_real_date(const std::string& date) {
    if (date.size() != 8 || date[2] != '/' || date[5] != '/') return false;
    const int day = two_digits(date, 0);
    const int month = two_digits(date, 3);
    const int year = two_digits(date, 6);
    if (day < 1 || month < 1 || month > 12 || year < 0) return false;
    return day <= days_in_month(month, year);
}

bool is_real_time(const std::string& time) {
    if (time.size() != 5 || time[2] != '.') return false;
    const int hour = two_digits(time, 0);
    const int minute = two_digits(time, 3);
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}

bool report_fits_mode(const std::string& report, const std::string& mode) {
    return report.size() == (mode == "CW" ? 3u : 2u) && all_digits(report);
}

const char* member_refusal(const std::string& member) {
    if (member.empty()) return nullptr;
    // Characters 2-5 only, read from the front: "I12345" is member 1234, "I" alone member 0.
    const double number = text_value(mid(member, 2, 4));
    if (member[0] != 'I' && member[0] != 'M') return "Es. di formato corretto: I003 o M123";
    if (member[0] == 'I' && number > kLargestIqrpMember) return "Membro IQRP errato";
    if (member[0] == 'M' && number > kLargestMqcMember) return "Membro MQC errato";
    return nullptr;
}

bool is_readable_locator(const std::string& locator) {
    return Locator::is_valid(locator);
}

std::int64_t qso_number_value(const std::string& number) {
    return all_digits(number) ? whole_value(number) : 0;
}

std::string next_qso_number(const std::string& shown, std::int64_t highest_logged) {
    if (all_digits(shown) && whole_value(shown) > highest_logged) return shown;
    return pad_serial(number_text(static_cast<double>(highest_logged + 1)));
}

}  // namespace zelora
