#pragma once
// Text helpers shared by every window. All text is Windows-1252, one byte per character.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelora {

// The numeric reading of a field: leading blanks skipped, optional sign, "." as the only
// decimal point, an exponent accepted; reading stops at the first character that cannot
// continue the number. A text that does not start with a number reads 0 ("...", "??????",
// "0,5" reads 0). Always finite: a number too large for a double reads as the largest one.
double text_value(std::string_view text);

// A count, sum or member number written as plain decimal digits (no blank, no separators).
// Values are kept within +/- 1e15 so that the text stays plain digits and exact.
std::string number_text(double value);

// The whole-number reading of a text: text_value truncated and kept within +/- 1e15.
std::int64_t whole_value(std::string_view text);

// A serial number of 1 or 2 characters padded with zeros to 3; other lengths unchanged.
std::string pad_serial(std::string text);

// Windows-1252 upper case (ASCII and the accented Latin letters).
std::string to_upper(std::string text);

// The text without control characters (line breaks, tabs, DEL): one box, one line of a file.
std::string without_control_characters(std::string text);

// 1-based piece of a text: at most `length` characters from `start`, fewer when it ends first.
std::string mid(std::string_view text, std::size_t start, std::size_t length = std::string::npos);

}  // namespace zelora
