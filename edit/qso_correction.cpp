#include "edit/qso_correction.h"

#include <utility>

#include "core/entry_rules.h"
#include "core/qso_lines.h"
#include "geo/locator_math.h"

namespace zelora {
namespace {

constexpr const char* kModeRefusal = "Inserire il modo: 1 = SSB 0 = CW";

bool is_digits(const std::string& text, std::size_t count) {
    return text.size() == count && all_digits(text);
}

// The QRB the entry row logs for `locator`: the calculator's distance with its leading blank,
// and "1" for 0 km or for a distance it cannot work out.
std::string qrb_text(const std::string& own_locator, const std::string& locator) {
    const LocatorResult result = locator_math(own_locator, locator);
    if (result.error || result.km == 0) return "1";
    return " " + std::to_string(result.km);
}

// The report the entry row's mode keys give `mode`.
std::string default_report(const std::string& mode) {
    return mode == "CW" ? "599" : "59";
}

}  // namespace

std::optional<std::size_t> qso_to_correct(const QsoIndex& log, const std::string& callsign) {
    if (callsign.empty()) return std::nullopt;
    return log.find(callsign);
}

CorrectionFields correction_fields(const QsoRecord& qso) {
    return {qso.callsign,        edi_date(qso.date), edi_time(qso.time),  qso.locator,
            mode_code(qso.mode), qso.rst_received,   qso.serial_received, qso.member};
}

std::variant<QsoRecord, CorrectionRefusal> corrected_qso(const QsoRecord& found,
                                                         const CorrectionFields& shown,
                                                         const CorrectionFields& edited,
                                                         const QsoIndex& log,
                                                         const std::string& own_locator) {
    using Field = CorrectionField;
    QsoRecord corrected = found;
    const bool mode_changed = edited.mode != shown.mode;
    if (mode_changed) {
        corrected.mode = mode_from_code(edited.mode);
        if (corrected.mode.empty()) return CorrectionRefusal{Field::mode, kModeRefusal};
        // The sent report follows the mode as the entry row's mode keys set it.
        if (!report_fits_mode(corrected.rst_sent, corrected.mode))
            corrected.rst_sent = default_report(corrected.mode);
    }
    if (edited.date != shown.date) {
        corrected.date = date_from_edi(edited.date);
        if (!is_digits(edited.date, 6) || !is_real_date(corrected.date))
            return CorrectionRefusal{Field::date, kDateRefusal};
    }
    if (edited.time != shown.time) {
        corrected.time = time_from_edi(edited.time);
        if (!is_digits(edited.time, 4) || !is_real_time(corrected.time))
            return CorrectionRefusal{Field::time, kTimeRefusal};
    }
    if (mode_changed || edited.rst_received != shown.rst_received) {
        corrected.rst_received = edited.rst_received;
        if (!report_fits_mode(corrected.rst_received, corrected.mode))
            return CorrectionRefusal{Field::rst_received, kReceivedReportRefusal};
    }
    const bool callsign_changed = edited.callsign != shown.callsign;
    if (callsign_changed) {
        corrected.callsign = edited.callsign;
        if (log.worked(corrected.callsign))
            return CorrectionRefusal{Field::callsign, kWorkedRefusal};
    }
    if (edited.member != shown.member) {
        corrected.member = edited.member;
        if (const char* refusal = member_refusal(corrected.member))
            return CorrectionRefusal{Field::member, refusal};
    }
    if (edited.locator != shown.locator) {
        corrected.locator = edited.locator;
        if (!is_readable_locator(corrected.locator))
            return CorrectionRefusal{Field::locator, kLocatorRefusal};
        corrected.qrb = qrb_text(own_locator, corrected.locator);
    }
    // Refused without a message, as the entry row refuses them.
    if (callsign_changed && corrected.callsign.size() < 4)
        return CorrectionRefusal{Field::callsign, nullptr};
    if (edited.serial_received != shown.serial_received) {
        corrected.serial_received = edited.serial_received;
        if (!is_digits(corrected.serial_received, 3))
            return CorrectionRefusal{Field::serial_received, nullptr};
    }
    return corrected;
}

void replace_qso_line(LogList& list, std::size_t index, std::size_t count, std::string line) {
    if (const auto at = line_of_qso(list, index, count)) list.replace(*at, std::move(line));
}

}  // namespace zelora
