#pragma once
// The whole program over fakes, started on a station profile, logging through the main window.

#include <initializer_list>
#include <string>
#include <utility>

#include "base/window_set.h"
#include "support/fakes.h"
#include "windows/main_log_screen.h"

namespace zelora::testing {

inline const std::string kStationConfig = "Call = ZZ9QX\r\nLocator = JN81GD\r\n";

// Types the entry row box by box as the operator tabs through it, so that each box's reaction
// runs: the serial box looks the member up, the locator box takes the clock on-line.
inline void type_qso(MainLogScreen& m, const std::string& callsign, const std::string& serial,
                     const std::string& locator, const std::string& member = "") {
    for (const auto& [box, text] : {std::pair{&m.Text6, &callsign},
                                    {&m.Text9, &serial},
                                    {&m.Text10, &locator},
                                    {&m.Text11, &member}}) {
        m.focus(*box);
        box->set(*text);
    }
}

inline void log_qso(MainLogScreen& m, const std::string& callsign, const std::string& serial,
                    const std::string& locator, const std::string& member = "") {
    type_qso(m, callsign, serial, locator, member);
    m.Command1_Click();
}

struct ContestSession {
    // Other files of the program directory, as name and bytes, are written first too.
    explicit ContestSession(const std::string& config = kStationConfig,
                            std::initializer_list<std::pair<const char*, std::string>> files = {}) {
        fake.dir.write("config.txt", config);
        for (const auto& [name, bytes] : files) fake.dir.write(name, bytes);
        start_program(windows);
    }
    MainLogScreen& main() { return windows.get<MainLogScreen>(); }

    FakePlatform fake;
    WindowSet windows{fake.platform()};
};

}  // namespace zelora::testing
