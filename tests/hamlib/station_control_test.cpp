// The main window driving Hamlib's dummy daemons through "NET rigctl" and "NET rotctl", as the
// program does: "Punta" turns the rotator to the QTF, the mode box follows the radio, a killed
// daemon shows as not connected, and "Esci" saves the contest and lets the devices go at once.
// The status refresh runs on this thread as the window's timer runs it: it must never wait.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "hamlib/hamlib_devices.h"
#include "support/contest_session.h"
#include "support/station_daemons.h"

namespace zelora {
namespace {

using namespace std::chrono_literals;
using std::chrono::steady_clock;

// Refreshes the window's status as its timer would, until `done` or `patience` runs out.
struct Refresher {
    MainLogScreen& main;
    steady_clock::duration slowest{};

    bool until(const std::function<bool()>& done, steady_clock::duration patience) {
        const auto end = steady_clock::now() + patience;
        for (;;) {
            const auto before = steady_clock::now();
            main.station.Refresh();
            slowest = std::max(slowest, steady_clock::now() - before);
            if (done()) return true;
            if (steady_clock::now() > end) return false;
            std::this_thread::sleep_for(50ms);
        }
    }
};

TEST(StationControlWithDaemons, PuntaModeFollowingLostDevicesAndEsci) {
    testing::Daemon rigctld("rigctld"), rotctld("rotctld");
    auto radio = make_hamlib_radio();
    auto rotator = make_hamlib_rotator();
    testing::FakePlatform fake;
    fake.dir.write("config.txt", testing::kStationConfig);
    fake.dir.write("radio.txt", "Radio = 2\r\nPorta radio = " + rigctld.address() +
                                    "\r\nRotore = 2\r\nPorta rotore = " + rotctld.address() +
                                    "\r\n");
    WindowSet windows(
        Platform{fake.clock, fake.messages, fake.dir.path(), {}, radio.get(), rotator.get()});
    start_program(windows);
    MainLogScreen& m = windows.get<MainLogScreen>();
    Refresher refresh{m};
    const auto status_is = [](const Control& status, const std::string& text) {
        return [&status, text] { return status.text() == text; };
    };
    ASSERT_TRUE(refresh.until(
        [&] {
            return m.station.RotatorStatus.text() == "Rotore: 0\xB0" &&
                   m.station.RadioStatus.text() == "Radio: NET rigctl 145.000 FM";
        },
        3s));

    testing::type_qso(m, "ZZ9ABC", "001", "JN81HH");  // QTF 19: the dummy turns 6 degrees a second
    ASSERT_EQ(m.Label15.text(), " 19");
    m.station.Command1_Click();
    EXPECT_TRUE(refresh.until(status_is(m.station.RotatorStatus, "Rotore: 19\xB0"), 8s));
    EXPECT_EQ(m.station.Line3.x2, needle_pointing(kNeedleAtStart, 19).x2);

    ASSERT_EQ(testing::run({"rigctl", "-m", "2", "-r", rigctld.address(), "M", "CW", "500", "F",
                            "144300000"}),
              0);
    // The daemon takes the mode and the frequency one after the other: a poll may fall between.
    EXPECT_TRUE(refresh.until(
        [&] { return m.Text5.text() == "CW" && m.station.Frequency.text() == "144.300"; }, 3s));
    EXPECT_EQ(testing::texts({&m.Text7, &m.Text8, &m.station.Frequency}),
              (std::vector<std::string>{"599", "599", "144.300"}));

    rigctld.kill();
    rotctld.kill();
    EXPECT_TRUE(refresh.until(
        [&] {
            return m.station.RadioStatus.text().starts_with("Radio non collegata") &&
                   m.station.RotatorStatus.text().starts_with("Rotore non collegato");
        },
        3s));
    EXPECT_LT(refresh.slowest, 50ms);

    m.Command1_Click();  // logging goes on
    m.Command3_Click();  // "Esci", the devices trying to reconnect
    EXPECT_TRUE(windows.finished());
    EXPECT_TRUE(fake.dir.exists("parziale.db"));
    const auto quitting = steady_clock::now();
    radio.reset();
    rotator.reset();
    EXPECT_LT(steady_clock::now() - quitting, 1s);
}

}  // namespace
}  // namespace zelora
