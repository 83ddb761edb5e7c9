#include "windows/station_screen.h"
#include "core/notices.h"

#include "base/files.h"
#include "base/text.h"
#include "base/window_set.h"
#include "core/entry_rules.h"
#include "core/station_profile.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/main_log_screen.h"

namespace zelora {

StationScreen::StationScreen(WindowSet& windows) : Window(windows) {
    for (Control* box : {&Text1, &Text2, &Text3, &Text4}) {
        // config.txt holds one value a line: a line break would split it into other keys.
        box->input_filter = without_control_characters;
    }
    for (Control* box : {&Text1, &Text2}) {
        box->on_change = [box] { upper_case(*box); };
    }
}

void StationScreen::Command1_Click() {
    WindowSet& set = windows();
    const Platform& platform = set.platform();
    // Every distance is measured from this locator: one that is no place would make them all
    // wrong without a word.
    if (!is_readable_locator(Text2.text())) {
        inform(platform, kLocatorRefusal);
        focus(Text2);
        return;
    }
    const std::string path = path_in(platform.program_directory, kStationFileName);
    if (!replace_file(
            path, station_profile_text(Text1.text(), Text2.text(), Text3.text(), Text4.text()))) {
        report_write_error(platform, path);  // the window stays open with what was typed
        return;
    }
    MainLogScreen& main = set.get<MainLogScreen>();
    main.Label39.set(Text1.text());
    main.Label40.set(Text2.text());
    main.Label41.set(member_number_label(Text3.text()));
    main.Label42.set(member_number_label(Text4.text()));
    set.get<BearingCalculatorScreen>().SetLocator1(Text2.text());
    main.set_visible(true);
    if (text_value(Text5.text()) == 1) main.Text15.set("1");
    set.close(WindowId::station);
}

void StationScreen::Command2_Click() {
    windows().leave(WindowId::station);
}

}  // namespace zelora
