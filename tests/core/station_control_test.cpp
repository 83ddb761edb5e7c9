// The main window with a radio and a rotator (fakes whose state the test sets): the mode box
// follows the radio, the status line tells the devices' state, "Punta" turns to the QTF, the
// frequency goes with each QSO into the ADIF log, and "Radio e rotore" saves radio.txt.
#include <gtest/gtest.h>

#include "base/text.h"
#include "export/adif_log.h"
#include "support/contest_session.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/device_screen.h"

namespace zelora {
namespace {

using testing::ContestSession;
using testing::Strings;
using testing::texts;

const std::string kBothDevices = "Radio = 3085\r\nRotore = 2\r\nPorta rotore = 127.0.0.1:4533\r\n";

RadioState radio_at(std::int64_t frequency_hz, const std::string& mode) {
    return {true, DeviceFault::none, "IC-705", frequency_hz, mode};
}

TEST(StationControl, TheModeBoxAndTheStatusLineFollowTheDevices) {
    ContestSession s(testing::kStationConfig, {{"radio.txt", kBothDevices}});
    MainLogScreen& m = s.main();
    StationControl& station = m.station;
    EXPECT_EQ(texts({&station.RadioStatus, &station.RotatorStatus}),
              (Strings{"Radio non collegata", "Rotore non collegato"}));
    // A mode the contest knows shows, each after the other; one it does not leaves the box.
    const std::pair<const char*, const char*> modes[] = {
        {"CW", "CW"},      {"USB", "SSB"},  {"CWR", "CW"}, {"AM", "CW"}, {"LSB", "SSB"},
        {"PKTUSB", "SSB"}, {"RTTY", "SSB"}, {"CW", "CW"},  {"FM", "SSB"}};
    for (const auto& [radio_mode, box] : modes) {
        s.fake.radio.now = radio_at(144'300'000, radio_mode);
        station.Refresh();
        const std::string report = box == std::string("CW") ? "599" : "59";
        EXPECT_EQ(texts({&m.Text5, &m.Text7, &m.Text8}), (Strings{box, report, report}))
            << radio_mode;
    }
    EXPECT_EQ(station.RadioStatus.text(), "Radio: IC-705 144.300 FM");
    m.Text8.set("57");  // a report typed in the radio's mode stays
    station.Refresh();
    EXPECT_EQ(m.Text8.text(), "57");
    m.Command7_Click();  // off-line: a paper log is copied, whatever the radio does
    s.fake.radio.now = radio_at(144'300'000, "CW");
    station.Refresh();
    EXPECT_EQ(m.Text5.text(), "SSB");

    s.fake.radio.now = {false, DeviceFault::no_answer, "", 0, ""};
    s.fake.rotator.now = {false, DeviceFault::cannot_open, "", {}};
    station.Refresh();
    EXPECT_EQ(texts({&station.RadioStatus, &station.RotatorStatus}),
              (Strings{"Radio non collegata (nessuna risposta)",
                       "Rotore non collegato (porta non disponibile)"}));
    s.fake.rotator.now = {true, DeviceFault::none, "NET rotctl", -45.0, -180, 180};
    station.Refresh();
    EXPECT_EQ(station.RotatorStatus.text(), "Rotore: 315\xB0");
    EXPECT_TRUE(station.Line3.visible);
    s.fake.rotator.now.azimuth = 359.7;
    s.fake.rotator.now.fault = DeviceFault::refused;
    station.Refresh();
    EXPECT_EQ(station.RotatorStatus.text(), "Rotore: 0\xB0 (comando rifiutato)");
    s.fake.rotator.now = {false, DeviceFault::no_answer, "", {}};
    station.Refresh();
    EXPECT_FALSE(station.Line3.visible);
}

TEST(StationControl, PuntaTurnsToTheLocatorsOwnQtfOnlyWhenTheCalculatorHasOne) {
    ContestSession s(testing::kStationConfig, {{"radio.txt", kBothDevices}});
    MainLogScreen& m = s.main();
    testing::type_qso(m, "ZZ9ABC", "001", "JN81HH");
    const std::string qtf = m.Label15.text();
    // Another calculation's result (statistics, a correction) shown since.
    s.get<BearingCalculatorScreen>().SetLocator2("JN45AA");
    ASSERT_NE(m.Label15.text(), qtf);
    m.station.Command1_Click();
    for (const char* locator : {"JN81H", "JNA1GD"}) {  // not whole, not readable
        m.Text10.set(locator);
        m.station.Command1_Click();
    }
    m.station.Command2_Click();
    EXPECT_EQ(s.fake.rotator.turns, std::vector<double>{text_value(qtf)});
    EXPECT_EQ(s.fake.rotator.stops, 1);
}

TEST(StationControl, EachQsoTakesTheRadiosFrequencyIntoTheAdifLog) {
    ContestSession s(testing::kStationConfig, {{"radio.txt", "Radio = 2\r\n"}});
    MainLogScreen& m = s.main();
    // Logs a QSO with the radio so; whether its frequency was shown outside the band (red).
    const auto log = [&](const RadioState& radio, const char* callsign) {
        s.fake.radio.now = radio;
        m.station.Refresh();
        testing::log_qso(m, callsign, "001", "JN81HH");
        return m.station.frequency_outside_band();
    };
    EXPECT_FALSE(log(radio_at(144'300'400, "USB"), "ZZ9AAA"));
    EXPECT_EQ(m.station.Frequency.text(), "144.300");
    EXPECT_TRUE(log(radio_at(432'100'000, "USB"), "ZZ9BBB"));  // another band: logged all the same
    log({false, DeviceFault::no_answer, "", 0, ""}, "ZZ9CCC");
    ASSERT_EQ(m.Text12.size(), 3u);
    EXPECT_NE(m.Text12.lines()[0].find("   144Mhz   "), std::string::npos);  // the column stays
    const std::string adif = adif_log(m.qsos().qsos(), {});
    Strings frequencies;
    for (std::size_t at = adif.find("<FREQ:"); at != std::string::npos;
         at = adif.find("<FREQ:", at + 1))
        frequencies.push_back(adif.substr(at, adif.find(' ', at) - at));
    EXPECT_EQ(frequencies, (Strings{"<FREQ:7>144.300", "<FREQ:3>144", "<FREQ:3>144"}));
}

// Until radio.txt names them, the devices are neither shown nor followed.
TEST(StationControl, RadioEMotoreSavesRadioTxtAndOnlyThenAreTheDevicesDriven) {
    ContestSession s;
    MainLogScreen& m = s.main();
    s.fake.radio.now = radio_at(432'100'000, "CW");
    s.fake.rotator.now = {true, DeviceFault::none, "NET rotctl", 90.0};
    m.station.Refresh();
    testing::type_qso(m, "ZZ9ABC", "001", "JN81HH");
    m.station.Command1_Click();
    m.Command1_Click();
    EXPECT_EQ(s.fake.radio.used, std::vector<DeviceSettings>{DeviceSettings{}});  // model 0
    EXPECT_TRUE(s.fake.rotator.turns.empty());
    for (const Control* c : {&m.station.RadioStatus, &m.station.RotatorStatus, &m.station.Frequency,
                             &m.station.Command1, &m.station.Command2})
        EXPECT_FALSE(c->visible());
    EXPECT_FALSE(m.station.Line3.visible);
    EXPECT_EQ(m.qsos().qsos()[0].mode, "SSB");
    EXPECT_EQ(m.qsos().qsos()[0].radio_frequency, "");

    s.fake.dir.block("radio.txt");
    m.station.Command3_Click();
    DeviceScreen& d = s.get<DeviceScreen>();
    EXPECT_EQ(d.radio_choices(),
              (Strings{"Nessuno", "Hamlib NET rigctl (2)", "Icom IC-705 (3085)"}));
    EXPECT_EQ(texts({&d.Combo1, &d.Text1, &d.Text2, &d.Combo2}),
              (Strings{"Nessuno", "", "", "Nessuno"}));
    d.Combo1.set("IC-705");  // typed to search, not chosen
    d.Command1_Click();
    d.Combo1.set("Icom IC-705 (3085)");
    d.Text1.set("/dev/ttyUSB0\t");
    d.Text2.set("19200x1234567");
    d.Combo2.set("Hamlib NET rotctl (2)");
    d.Text3.set("127.0.0.1:4533");
    d.Command1_Click();
    EXPECT_TRUE(s.open(WindowId::devices));
    EXPECT_EQ(s.fake.radio.used.size(), 1u);
    std::filesystem::remove_all(s.fake.dir.file("radio.txt"));
    d.Command1_Click();
    EXPECT_EQ(s.told(), (Strings{"!Impossibile leggere il file <dir>/radio.txt",
                                 "Scegliere la radio dall'elenco",
                                 "!Impossibile scrivere il file <dir>/radio.txt"}));
    EXPECT_EQ(s.fake.dir.read("radio.txt"),
              "Radio = 3085\r\nPorta radio = /dev/ttyUSB0\r\nVelocita radio = 1920012\r\n"
              "Rotore = 2\r\nPorta rotore = 127.0.0.1:4533\r\nVelocita rotore = 0\r\n");
    EXPECT_EQ(s.fake.radio.used.back(), (DeviceSettings{3085, "/dev/ttyUSB0", 1920012}));
    EXPECT_EQ(s.fake.rotator.used.back(), (DeviceSettings{2, "127.0.0.1:4533", 0}));
    EXPECT_FALSE(s.open(WindowId::devices));
    EXPECT_TRUE(m.station.RadioStatus.visible() && m.station.RotatorStatus.visible() &&
                m.station.Command1.visible() && m.station.Command2.visible());
}

}  // namespace
}  // namespace zelora
