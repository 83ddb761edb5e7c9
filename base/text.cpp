#include "base/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zelora {
namespace {

constexpr double kLargestTotal = 1e15;

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the digit run starting at `pos`.
std::size_t digits_from(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end - pos;
}

// The value of a well-formed number that std::from_chars found out of range: decide between
// overflow and underflow from where its first significant digit stands.
double out_of_range_value(std::string_view number, bool negative) {
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool minus = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        if (minus) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return 0.0;
    const long long magnitude = first < point ? static_cast<long long>(point - first)
                                              : -static_cast<long long>(first - point) + 1;
    if (magnitude + exponent <= 0) return 0.0;
    const double largest = std::numeric_limits<double>::max();
    return negative ? -largest : largest;
}

}  // namespace

double text_value(std::string_view text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos) return 0.0;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    const std::size_t integer_digits = digits_from(text, pos);
    pos += integer_digits;
    std::size_t fraction_digits = 0;
    if (pos < text.size() && text[pos] == '.') {
        fraction_digits = digits_from(text, pos + 1);
        pos += 1 + fraction_digits;
    }
    if (integer_digits + fraction_digits == 0) return 0.0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        const std::size_t exponent_digits = digits_from(text, exp);
        if (exponent_digits > 0) pos = exp + exponent_digits;
    }
    std::string number(text.substr(start, pos - start));
    if (number.front() == '.') number.insert(number.begin(), '0');
    if (number.back() == '.') number.pop_back();
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) return out_of_range_value(number, negative);
    if (error != std::errc{}) return 0.0;
    return negative ? -value : value;
}

std::string number_text(double value) {
    if (!std::isfinite(value)) value = 0.0;
    value = std::clamp(value, -kLargestTotal, kLargestTotal);
    if (value == 0.0) value = 0.0;  // no "-0"
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::int64_t whole_value(std::string_view text) {
    const double value = std::clamp(text_value(text), -kLargestTotal, kLargestTotal);
    return static_cast<std::int64_t>(value);
}

std::string pad_serial(std::string text) {
    if (text.size() == 1) return "00" + text;
    if (text.size() == 2) return "0" + text;
    return text;
}

std::string to_upper(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'a' && byte <= 'z') {
            c = static_cast<char>(byte - 0x20);
        } else if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
            c = static_cast<char>(byte - 0x20);
        } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {
            c = static_cast<char>(byte - 0x10);  // š œ ž
        } else if (byte == 0xFF) {
            c = static_cast<char>(0x9F);  // ÿ
        }
    }
    return text;
}

std::string without_control_characters(std::string text) {
    std::erase_if(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    return text;
}

std::string mid(std::string_view text, std::size_t start, std::size_t length) {
    if (start < 1 || start > text.size()) return {};
    return std::string(text.substr(start - 1, length));
}

}  // namespace zelora
