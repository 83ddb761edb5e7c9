#include "windows/qso_edit_screen.h"

#include <string>
#include <utility>
#include <variant>

#include "base/window_set.h"
#include "core/entry_rules.h"
#include "core/notices.h"
#include "edit/qso_correction.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

constexpr const char* kNotFound = "Call non trovato nel LOG";
constexpr const char* kSearchFirst = "Cercare prima il QSO da modificare";
constexpr const char* kCorrected = "I dati del QSO sono stati modificati";

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
    const std::optional<std::size_t> index = qso_to_correct(log, Text1.text());
    if (!index) {
        alert(windows().platform(), kNotFound);
        focus(Text1);
        return;
    }
    const CorrectionFields fields = correction_fields(log.qsos()[*index]);
    const auto show = [](Control& box, Control& found, const std::string& value) {
        box.set(value);
        found.set(box.text());  // as the box shows it: only the operator's changes differ
    };
    // In this order: the mode box sets its report before the logged report is shown.
    show(Text2, Label9, fields.callsign);
    show(Text4, Label11, fields.time);
    show(Text3, Label10, fields.date);
    show(Text6, Label13, fields.mode);
    show(Text7, Label14, fields.rst_received);
    show(Text8, Label15, fields.serial_received);
    show(Text9, Label18, fields.member);
    show(Text5, Label12, fields.locator);
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
    const CorrectionFields shown{Label9.text(),  Label10.text(), Label11.text(), Label12.text(),
                                 Label13.text(), Label14.text(), Label15.text(), Label18.text()};
    const CorrectionFields edited{Text2.text(), Text3.text(), Text4.text(), Text5.text(),
                                  Text6.text(), Text7.text(), Text8.text(), Text9.text()};
    std::variant<QsoRecord, CorrectionRefusal> result = corrected_qso(
        found, shown, edited, main.qsos(), windows().get<BearingCalculatorScreen>().Text3.text());
    if (const auto* refusal = std::get_if<CorrectionRefusal>(&result)) {
        // The boxes in the order of the fields.
        Control* const boxes[] = {&Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9};
        return Refuse(refusal->message, *boxes[static_cast<int>(refusal->field)]);
    }
    QsoRecord& corrected = std::get<QsoRecord>(result);
    if (corrected == found) return Correction::unchanged;
    main.ReplaceQso(*found_, std::move(corrected));
    return Correction::written;
}

void QsoEditScreen::Command2_Click() {
    windows().close(WindowId::qso_edit);
}

}  // namespace zelora
