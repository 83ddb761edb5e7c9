// The locator calculator over any two texts (cut at the first NUL byte): own locator first,
// then the other station's, as the main window and the calculator window hand them over.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/text.h"
#include "base/window_set.h"
#include "fuzz_support.h"
#include "geo/locator_math.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {
namespace {

constexpr long kHalfCircumferenceKm = 19970;  // pi times the earth radius the calculator uses

// A locator as the operator types it: field letters A-R, square digits, sub-square letters
// A-X, or the first four alone.
bool well_formed(const std::string& text) {
    const std::string l = to_upper(text);
    const auto in = [&](std::size_t i, char low, char high) { return l[i] >= low && l[i] <= high; };
    if (l.size() != 4 && l.size() != 6) return false;
    const bool square = in(0, 'A', 'R') && in(1, 'A', 'R') && in(2, '0', '9') && in(3, '0', '9');
    return square && (l.size() == 4 || (in(4, 'A', 'X') && in(5, 'A', 'X')));
}

}  // namespace
}  // namespace zelora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    const std::vector<std::string> input = fuzz::pieces(data, size, 2);
    const LocatorResult there = locator_math(input[0], input[1]);
    if (!there.error) {
        FUZZ_CHECK(there.bearing >= 0 && there.bearing <= 360);
        FUZZ_CHECK(there.km >= 0 && there.km <= kHalfCircumferenceKm);
    }
    if (well_formed(input[0]) && well_formed(input[1])) {
        FUZZ_CHECK(!there.error);
        // Only the calculator's offset between meridians, 0.0001 rad (0.64 km) one way or the
        // other, tells the two ways apart: 1.3 km at most, 2 once each way is rounded.
        FUZZ_CHECK(std::labs(locator_math(input[1], input[0]).km - there.km) <= 2);
    }

    // The calculator window hands its results to the main window's QRB and QTF.
    testing::FakePlatform& fake = fuzz::fresh_platform();
    WindowSet windows(fake.platform());
    BearingCalculatorScreen& calculator = windows.get<BearingCalculatorScreen>();
    calculator.SetLocator1(input[0]);
    calculator.SetLocator2(input[1]);
    calculator.Command1_Click();
    if (!windows.is_open(WindowId::main_log)) return 0;  // nothing was calculated
    const MainLogScreen& main = windows.get<MainLogScreen>();
    if (calculator.Text6.text() != "??????") {
        FUZZ_CHECK(text_value(main.Label13.text()) >= 1);
        FUZZ_CHECK(text_value(main.Label13.text()) <= kHalfCircumferenceKm);
        FUZZ_CHECK(text_value(main.Label15.text()) <= 360);
    }
    return 0;
}
