#include "windows/qso_edit_screen.h"
#include "core/notices.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/window_set.h"
#include "core/entry_rules.h"
#include "core/qso_lines.h"
#include "geo/locator_math.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

constexpr const char* kNotFound = "Call non trovato nel LOG";
constexpr const char* kSearchFirst = "Cercare prima il QSO da modificare";
constexpr const char* kCorrected = "I dati del QSO sono stati modificati";
constexpr const char* kModeRefusal = "Inserire il modo: 1 = SSB 0 = CW";

bool is_digits(const std::string& text, std::size_t count) {
    return text.size() == count && all_digits(text);
}

bool changed(const Control& box, const Control& found) {
    return box.text() != found.text();
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

QsoEditScreen::QsoEditScreen(WindowSet& windows) : Window(windows) {
    for (Control* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9})
        box->input_filter = without_separators;
    for (Control* box : {&Text1, &Text2, &Text5, &Text9})
        box->on_change = [box] { upper_case(*box); };
    Text6.on_change = [this] { Text6_Change(); };
}

void QsoEditScreen::Form_Load() {
    focus(Text1);  // ready for the callsign to find
}

void QsoEditScreen::Text6_Change() {
    if (Text6.text() == "1") Text7.set("59");
    if (Text6.text() == "0") Text7.set("599");
}

void QsoEditScreen::ClearFields() {
    for (Control* field : {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9, &Label9,
                           &Label10, &Label11, &Label12, &Label13, &Label14, &Label15, &Label18})
        field->set("");
}

void QsoEditScreen::Command3_Click() {
    ClearFields();
    found_.reset();
    const QsoIndex& log = windows().get<MainLogScreen>().qsos();
    const std::optional<std::size_t> index =
        Text1.text().empty() ? std::nullopt : log.find(Text1.text());
    if (!index) {
        alert(windows().platform(), kNotFound);
        focus(Text1);
        return;
    }
    const QsoRecord& qso = log.qsos()[*index];
    const auto show = [](Control& box, Control& found, const std::string& value) {
        box.set(value);
        found.set(box.text());  // as the box shows it: only the operator's changes differ
    };
    // In this order: the mode box sets its report before the logged report is shown.
    show(Text2, Label9, qso.callsign);
    show(Text4, Label11, edi_time(qso.time));
    show(Text3, Label10, edi_date(qso.date));
    show(Text6, Label13, mode_code(qso.mode));
    show(Text7, Label14, qso.rst_received);
    show(Text8, Label15, qso.serial_received);
    show(Text9, Label18, qso.member);
    show(Text5, Label12, qso.locator);
    found_ = index;
    focus(Text2);
}

void QsoEditScreen::Command1_Click() {
    if (!found_ || *found_ >= windows().get<MainLogScreen>().qsos().qsos().size()) {
        inform(windows().platform(), kSearchFirst);
        return;
    }
    const Correction correction = CorrectFoundQso();
    if (correction == Correction::refused) return;
    // A crash or a power cut must not cost the correction.
    if (correction == Correction::written) windows().get<MainLogScreen>().SavePartialState();
    inform(windows().platform(), kCorrected);
    Text1.set("");
    ClearFields();
    found_.reset();
    focus(Text1);
}

QsoEditScreen::Correction QsoEditScreen::Refuse(const char* message, Control& box) {
    if (message) inform(windows().platform(), message);
    focus(box);
    return Correction::refused;
}

QsoEditScreen::Correction QsoEditScreen::CorrectFoundQso() {
    MainLogScreen& main = windows().get<MainLogScreen>();
    if (!found_ || *found_ >= main.qsos().qsos().size()) return Refuse(kSearchFirst, Text1);
    const QsoRecord& found = main.qsos().qsos()[*found_];
    QsoRecord corrected = found;

    // The entry row's checks in its order, on the values the operator changed.
    const bool mode_changed = changed(Text6, Label13);
    if (mode_changed) {
        corrected.mode = mode_from_code(Text6.text());
        if (corrected.mode.empty()) return Refuse(kModeRefusal, Text6);
        // The sent report follows the mode as the entry row's mode keys set it.
        if (!report_fits_mode(corrected.rst_sent, corrected.mode))
            corrected.rst_sent = default_report(corrected.mode);
    }
    if (changed(Text3, Label10)) {
        corrected.date = date_from_edi(Text3.text());
        if (!is_digits(Text3.text(), 6) || !is_real_date(corrected.date))
            return Refuse(kDateRefusal, Text3);
    }
    if (changed(Text4, Label11)) {
        corrected.time = time_from_edi(Text4.text());
        if (!is_digits(Text4.text(), 4) || !is_real_time(corrected.time))
            return Refuse(kTimeRefusal, Text4);
    }
    if (mode_changed || changed(Text7, Label14)) {
        corrected.rst_received = Text7.text();
        if (!report_fits_mode(corrected.rst_received, corrected.mode))
            return Refuse(kReceivedReportRefusal, Text7);
    }
    const bool callsign_changed = changed(Text2, Label9);
    if (callsign_changed) {
        corrected.callsign = Text2.text();
        if (main.qsos().worked(corrected.callsign)) return Refuse(kWorkedRefusal, Text2);
    }
    if (changed(Text9, Label18)) {
        corrected.member = Text9.text();
        if (const char* refusal = member_refusal(corrected.member)) return Refuse(refusal, Text9);
    }
    if (changed(Text5, Label12)) {
        corrected.locator = Text5.text();
        if (!is_readable_locator(corrected.locator)) return Refuse(kLocatorRefusal, Text5);
        const std::string& own_locator = windows().get<BearingCalculatorScreen>().Text3.text();
        corrected.qrb = qrb_text(own_locator, corrected.locator);
    }
    // Refused without a message, as the entry row refuses them: the focus shows the box.
    if (callsign_changed && corrected.callsign.size() < 4) return Refuse(nullptr, Text2);
    if (changed(Text8, Label15)) {
        corrected.serial_received = Text8.text();
        if (!is_digits(corrected.serial_received, 3)) return Refuse(nullptr, Text8);
    }

    if (corrected == found) return Correction::unchanged;
    main.ReplaceQso(*found_, std::move(corrected));
    return Correction::written;
}

void QsoEditScreen::Command2_Click() {
    windows().close(WindowId::qso_edit);
}

}  // namespace zelora
