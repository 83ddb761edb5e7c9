#pragma once
// The rules a QSO's values must meet before they reach the log, with the words that refuse
// them: the entry row and the correction window use the same ones.

#include <cstdint>
#include <string>

namespace zelora {

inline constexpr const char* kDateRefusal = "Inserire la data del QSO nel formato DD/MM/YY";
inline constexpr const char* kTimeRefusal = "Inserire l'ora del QSO nel formato HH:MM";
inline constexpr const char* kReceivedReportRefusal = "Inserire il rapporto RST ricevuto";
inline constexpr const char* kSentReportRefusal = "Inserire il rapporto RST inviato";
inline constexpr const char* kWorkedRefusal =
    "QSO non valido, la stazione risulta gi\xE0 collegata";
inline constexpr const char* kLocatorRefusal = "Locatore errato";
inline constexpr const char* kQsoNumberRefusal = "Numero QSO errato";

// A ";" would shift every later field of the EDI record, and line breaks or other control
// characters would break the log's columns: no box that feeds the log takes them.
std::string without_separators(std::string text);

// At least one character, and only the digits 0-9.
bool all_digits(const std::string& text);
// "DD/MM/YY" naming a day of the calendar (years 2000 to 2099).
bool is_real_date(const std::string& date);
// "HH.MM" naming a minute of the day.
bool is_real_time(const std::string& time);
// A report of 3 digits for CW and of 2 digits for any other mode.
bool report_fits_mode(const std::string& report, const std::string& mode);
// The message refusing a member number, or nullptr when it passes (an empty one passes).
const char* member_refusal(const std::string& member);
// A place on the map: two field letters A-R, two digits, two sub-square letters A-X, in either
// case. The calculator measures some other texts too, but to somewhere no station is, so
// neither a QSO's locator nor the own one may be anything else.
bool is_readable_locator(const std::string& locator);

// The value of a logged QSO number; 0 for one that is not digits.
std::int64_t qso_number_value(const std::string& number);
// The number the next QSO gets: `shown` when it is digits beyond every logged number (the
// operator may skip ahead), otherwise the one after the highest logged number, so that no
// number is given twice; zero-padded to 3.
std::string next_qso_number(const std::string& shown, std::int64_t highest_logged);

}  // namespace zelora
