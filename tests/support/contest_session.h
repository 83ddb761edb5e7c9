#pragma once
// The whole program over fakes, in a program directory of its own, worked through its windows
// as the operator works them.

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/window_set.h"
#include "support/fakes.h"
#include "windows/main_log_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"

namespace zelora::testing {

inline const std::string kStationConfig = "Call = ZZ9QX\r\nLocator = JN81GD\r\n";
using Strings = std::vector<std::string>;

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
    // Writes config.txt (none when `config` is empty) and the other files named, then starts.
    explicit ContestSession(const std::string& config = kStationConfig,
                            std::initializer_list<std::pair<const char*, std::string>> files = {}) {
        if (!config.empty()) fake.dir.write("config.txt", config);
        for (const auto& [name, bytes] : files) fake.dir.write(name, bytes);
        restart();
    }
    // A new run of the program over the same directory; the last one ends as its windows go.
    WindowSet& restart() {
        windows.reset();
        windows.emplace(fake.platform());
        start_program(*windows);
        return *windows;
    }
    // A new run that takes the saved contest back with "Continua Contest".
    MainLogScreen& continue_contest() {
        restart();
        get<StartScreen>().Command1_Click();
        return main();
    }
    template <class W>
    W& get() {
        return windows->get<W>();
    }
    MainLogScreen& main() { return get<MainLogScreen>(); }
    bool open(WindowId id) const { return windows->is_open(id); }
    bool shown(WindowId id) const { return open(id) && windows->find(id)->visible(); }

    // A QSO typed into the entry row and accepted with "OK", in CW when `cw`.
    void log(const std::string& callsign, const std::string& locator = "JN61FV",
             const std::string& member = "", const std::string& serial = "005", bool cw = false) {
        main().Text5_KeyDown(cw ? kKeyDown : kKeyUp);
        log_qso(main(), callsign, serial, locator, member);
    }
    // The contest the correction tests change, from JN81GD, its log numbered from `first`:
    // JN61FV 350 km, JN45LL 778, KN01AA 293, JN71AA 210.
    void log_four_qsos(const std::string& first = "001") {
        main().Text1.set(first);
        log("ZZ9XA", "JN61FV", "I003", "005");
        log("ZZ9XAB", "JN45LL", "", "011", true);
        log("IK0AAA", "KN01AA", "M123", "003");
        log("ZZ9XA/P", "JN71AA", "", "001", true);
        told();
    }
    // Types the station data and presses "Salva".
    void save_station(const std::string& callsign, const std::string& locator,
                      const std::string& iqrp = "", const std::string& mqc = "") {
        StationScreen& station = get<StationScreen>();
        for (const auto& [box, text] : {std::pair{&station.Text1, &callsign},
                                        {&station.Text2, &locator},
                                        {&station.Text3, &iqrp},
                                        {&station.Text4, &mqc}})
            box->set(*text);
        station.Command1_Click();
    }
    // The texts of the message boxes shown since the last call, the program directory written
    // "<dir>": a critical box's marked "!", a box of another title led by that title.
    Strings told() {
        Strings texts;
        for (const ShownMessage& shown : fake.messages.shown) {
            std::string text = shown.text;
            if (const std::size_t at = text.find(fake.dir.path()); at != std::string::npos)
                text.replace(at, fake.dir.path().size(), "<dir>");
            if (shown.title != "Zelora VHF qrp Test") text = "[" + shown.title + "] " + text;
            texts.push_back((shown.icon == MessageIcon::critical ? "!" : "") + text);
        }
        fake.messages.shown.clear();
        return texts;
    }

    FakePlatform fake;
    std::optional<WindowSet> windows;
};

}  // namespace zelora::testing
