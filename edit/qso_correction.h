#pragma once
// The QSO correction's data rules: which QSO a search finds, the fields it shows, the QSO the
// operator's changes make of it (checked as the entry row checks a new one), and where its
// lines stand in the log lists. The correction window only reacts.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "core/log_list.h"
#include "core/qso_index.h"
#include "core/qso_record.h"

namespace zelora {

// A QSO's fields as the correction window shows them, in the forms of its EDI line.
struct CorrectionFields {
    std::string callsign;
    std::string date;  // YYMMDD
    std::string time;  // HHMM
    std::string locator;
    std::string mode;  // "1" SSB, "0" CW
    std::string rst_received;
    std::string serial_received;
    std::string member;
};

// The fields in the order above.
enum class CorrectionField {
    callsign,
    date,
    time,
    locator,
    mode,
    rst_received,
    serial_received,
    member
};

struct CorrectionRefusal {
    CorrectionField field;
    const char* message;  // nullptr: refused without a word, as the entry row refuses it
};

// The QSO a search for `callsign` finds: the first one logged with exactly that callsign. An
// empty callsign finds none.
std::optional<std::size_t> qso_to_correct(const QsoIndex& log, const std::string& callsign);

CorrectionFields correction_fields(const QsoRecord& qso);

// `found` with every field that the operator changed (`edited` differs from `shown`, what the
// search showed) written into it, each checked in the entry row's order; or the first refusal.
// A corrected locator is measured from `own_locator`; a corrected callsign must not be in `log`.
std::variant<QsoRecord, CorrectionRefusal> corrected_qso(const QsoRecord& found,
                                                         const CorrectionFields& shown,
                                                         const CorrectionFields& edited,
                                                         const QsoIndex& log,
                                                         const std::string& own_locator);

// Replaces QSO `index` of `count` in a list, where the list holds a line of it (line_of_qso).
void replace_qso_line(LogList& list, std::size_t index, std::size_t count, std::string line);

}  // namespace zelora
