// config.txt as the operator may have edited or damaged it: read at start-up by the main
// window, used as the own locator of a QSO, saved again by the station window (unless its
// locator is refused) and read back.
#include <cstdint>
#include <string>

#include "base/text.h"
#include "base/window_set.h"
#include "core/entry_rules.h"
#include "core/station_profile.h"
#include "fuzz_support.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/main_log_screen.h"
#include "windows/station_screen.h"

namespace zelora {
namespace {

struct Shown {
    std::string callsign, locator, iqrp, mqc;
    bool operator==(const Shown&) const = default;
};

Shown station_of(MainLogScreen& main) {
    return {main.Label39.text(), main.Label40.text(), main.Label41.text(), main.Label42.text()};
}

// What a station box keeps of a text typed into it.
std::string typed(const std::string& text) {
    return to_upper(without_control_characters(text));
}

}  // namespace
}  // namespace zelora

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelora;
    testing::FakePlatform& fake = fuzz::fresh_platform();
    const std::string input(reinterpret_cast<const char*>(data), size);
    fake.dir.write(kStationFileName, input);

    Shown saved;
    {
        WindowSet windows(fake.platform());
        start_program(windows);
        MainLogScreen& main = windows.get<MainLogScreen>();
        FUZZ_CHECK(main.visible() && !windows.is_open(WindowId::station));
        FUZZ_CHECK(main.Label40.text().size() <= 6);

        // A QSO measured from whatever own locator the file gave.
        main.focus(main.Text6);
        main.Text6.set("ZZ9XAB");
        main.focus(main.Text9);
        main.Text9.set("5");
        main.focus(main.Text10);
        main.Text10.set("JN61FV");
        main.Command1_Click();
        FUZZ_CHECK(main.Text12.size() == main.qsos().qsos().size());
        // Never measured from an own locator that is no place.
        const std::string& own = windows.get<BearingCalculatorScreen>().Text3.text();
        FUZZ_CHECK(main.Text12.size() == (is_readable_locator(own) ? 1u : 0u));

        // The station window saves what it is given back.
        StationScreen& station = windows.get<StationScreen>();
        station.Text1.set(main.Label39.text());
        station.Text2.set(main.Label40.text());
        station.Text3.set(main.Label41.text());
        station.Text4.set(main.Label42.text());
        saved = {station.Text1.text(), station.Text2.text(), station.Text3.text(),
                 station.Text4.text()};
        FUZZ_CHECK(saved.callsign == typed(main.Label39.text()));
        station.Command1_Click();
        // A locator that is no place is refused and the file stays as it was.
        if (!is_readable_locator(saved.locator)) {
            FUZZ_CHECK(windows.is_open(WindowId::station) && station.focused() == &station.Text2);
            FUZZ_CHECK(fake.dir.read(kStationFileName) == input);
            return 0;
        }
        FUZZ_CHECK(!windows.is_open(WindowId::station));
    }

    WindowSet windows(fake.platform());
    start_program(windows);
    const Shown reread = station_of(windows.get<MainLogScreen>());
    // The locator and the member numbers are read to a fixed length; a member number the box
    // emptied (it held control characters only) comes back as no number.
    FUZZ_CHECK(reread.callsign == saved.callsign);
    FUZZ_CHECK(reread.locator == saved.locator.substr(0, 6));
    FUZZ_CHECK(reread.iqrp == member_number_label(saved.iqrp.substr(0, 3)));
    FUZZ_CHECK(reread.mqc == member_number_label(saved.mqc.substr(0, 3)));
    return 0;
}
