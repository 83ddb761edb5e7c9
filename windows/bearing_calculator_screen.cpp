#include "windows/bearing_calculator_screen.h"
#include "core/notices.h"

#include <string>

#include "base/text.h"
#include "base/window_set.h"
#include "geo/locator_math.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

constexpr const char* kNotLoaded = "...";
constexpr const char* kErrorMarker = "??????";
constexpr const char* kOwnLocatorTooLong = "Il locatore della stazione deve avere 6 caratteri";

std::string result_text(long value) {
    return " " + std::to_string(value);
}

}  // namespace

BearingCalculatorScreen::BearingCalculatorScreen(WindowSet& windows) : Window(windows) {
    Text3.on_change = [this] { Text3_Change(); };
    Text5.on_change = [this] { Text5_Change(); };
    Text6.on_change = [this] { Text6_Change(); };
    Text1.on_change = [this] { Text1_Change(); };
}

void BearingCalculatorScreen::Calculate() {
    if (Text5.text() == kNotLoaded) return;

    const LocatorResult result = locator_math(Text3.text(), Text5.text());
    if (result.own_locator_too_long) inform(windows().platform(), kOwnLocatorTooLong);

    if (result.error) {
        // The main window sees the distance marker first, then the bearing marker.
        ClearFailedLocators(result);
        Text6.set(kErrorMarker);
        Text1.set(kErrorMarker);
    } else {
        Text1.set(result_text(result.bearing));
        Text6.set(result_text(result.km));
    }

    if (Text3.text() == Text5.text()) Text1.set("0");
}

// The other station's locator goes; the own locator goes only when it is itself at fault, so
// that one mistyped locator does not spoil every later QSO and a bad own locator is reported
// once.
void BearingCalculatorScreen::ClearFailedLocators(const LocatorResult& result) {
    if (result.own_locator_failed) Text3.set("");
    Text5.set("");
}

void BearingCalculatorScreen::Command2_Click() {
    windows().close(WindowId::bearing_calculator);
}

void BearingCalculatorScreen::Text3_Change() {
    upper_case(Text3);
}

void BearingCalculatorScreen::Text5_Change() {
    upper_case(Text5);
    if (Text5.text().size() == 6) Calculate();
}

void BearingCalculatorScreen::Text6_Change() {
    Control& qrb = windows().get<MainLogScreen>().Label13;
    qrb.set(Text6.text());
    if (text_value(qrb.text()) == 0) qrb.set("1");
}

void BearingCalculatorScreen::Text1_Change() {
    windows().get<MainLogScreen>().Label15.set(Text1.text());
}

}  // namespace zelora
