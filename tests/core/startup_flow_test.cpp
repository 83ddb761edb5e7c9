// Program start, the station window, the start dialog, the modes, and the ways out.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/window_set.h"
#include "support/contest_session.h"
#include "windows/admin_screen.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"

namespace zelora {
namespace {

constexpr const char* kConfig =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = 045\r\n\r\n";
using testing::critical;
using testing::texts;
using Strings = std::vector<std::string>;

class StartupFlow : public ::testing::Test {
  protected:
    // One run of the program over the files the directory holds now.
    WindowSet& run() {
        windows.reset();
        windows = std::make_unique<WindowSet>(fake.platform());
        start_program(*windows);
        return *windows;
    }
    MainLogScreen& main() { return windows->get<MainLogScreen>(); }
    bool open(WindowId id) const { return windows->is_open(id); }
    bool shown(WindowId id) const { return open(id) && windows->find(id)->visible(); }

    void log_qso(const std::string& callsign, const std::string& locator,
                 const std::string& member = "") {
        testing::log_qso(main(), callsign, "5", locator, member);
    }
    // A run that logs two QSOs and ends with "Esci" over every window, which saves the contest.
    void earlier_contest() {
        fake.dir.write("config.txt", kConfig);
        run();
        log_qso("ZZ9XAB", "JN61FV");
        log_qso("ZZ9XB", "KN01AA", "I003");
        saved_log = main().Text12.text();
        saved_edi = main().Text14.text();
        saved_totals = main().totals();
        std::filesystem::remove(fake.dir.file("parziale.db"));
        windows->get<EdiHeaderScreen>().set_visible(true);
        windows->get<AwardScreen>().set_visible(true);
        windows->get<AdminScreen>().set_visible(true);
        windows->get<StationScreen>();
        main().Command3_Click();
        ASSERT_TRUE(windows->finished());
        ASSERT_FALSE(windows->any_open());
    }
    // Types the station data and presses "Salva".
    void save_station(const std::string& callsign, const std::string& locator,
                      const std::string& iqrp = "", const std::string& mqc = "") {
        StationScreen& station = windows->get<StationScreen>();
        station.Text1.set(callsign);
        station.Text2.set(locator);
        station.Text3.set(iqrp);
        station.Text4.set(mqc);
        station.Command1_Click();
    }

    testing::FakePlatform fake;
    std::unique_ptr<WindowSet> windows;
    std::string saved_log, saved_edi;
    ContestTotals saved_totals;
};

TEST_F(StartupFlow, LoadShowsTheProfileAndTheUtcClockThenSwitchModeBothWays) {
    fake.dir.write("config.txt", kConfig);
    MainLogScreen& m = run().get<MainLogScreen>();
    const EdiHeaderScreen& edi = windows->get<EdiHeaderScreen>();
    EXPECT_EQ(texts({&m.Label39, &m.Label40, &m.Label41, &m.Label42,
                     &windows->get<BearingCalculatorScreen>().Text3, &edi.Text2, &edi.Text14,
                     &edi.Text3}),
              (Strings{"ZZ9QX", "JN81GD", "003", "045", "JN81GD", "ZZ9QX", "ZZ9QX", "JN81GD"}));
    // The fake's UTC; local time is 09.20.
    EXPECT_EQ(texts({&m.Text2, &m.Text3, &m.Text15, &m.Label46}),
              (Strings{"19/07/20", "07.20", "0", "on-line"}));
    EXPECT_FALSE(m.Command9.visible());

    m.focus(m.Text6);
    m.Command7_Click();
    EXPECT_EQ(texts({&m.Text2, &m.Text3, &m.Text15, &m.Label46}),
              (Strings{"", "", "1", "off-line"}));
    EXPECT_TRUE(m.Command9.visible());
    EXPECT_EQ(m.focused(), &m.Text2);

    m.Text3.set("10.00");
    m.Command7_Click();
    // Back on the clock at once, ready for the next callsign.
    EXPECT_EQ(texts({&m.Text2, &m.Text3, &m.Text15, &m.Label46}),
              (Strings{"19/07/20", "07.20", "0", "on-line"}));
    EXPECT_FALSE(m.Command9.visible());
    EXPECT_EQ(m.focused(), &m.Text6);
}

TEST_F(StartupFlow, SalvaWritesTheProfileAndBringsUpTheMainWindow) {
    run();
    save_station("zz9\r\nqx", "jn61fv", "003", "");
    EXPECT_EQ(fake.dir.read("config.txt"),
              "Call = ZZ9QX\r\nLocator = JN61FV\r\nIQRP = 003\r\nMDC = \r\n\r\n");
    MainLogScreen& m = main();
    // An empty box leaves its label.
    EXPECT_EQ(texts({&m.Label39, &m.Label40, &m.Label41, &m.Label42,
                     &windows->get<BearingCalculatorScreen>().Text3}),
              (Strings{"ZZ9QX", "JN61FV", "003", "...", "JN61FV"}));
    EXPECT_TRUE(m.visible());
    EXPECT_FALSE(open(WindowId::station));
    EXPECT_EQ(m.Text15.text(), "0");
    EXPECT_EQ(windows->get<EdiHeaderScreen>().Text2.text(),
              "");  // only a load fills the EDI header
}

TEST_F(StartupFlow, UnreadableAndUnwritableConfig) {
    fake.dir.block("config.txt");
    run();
    const std::string path = fake.dir.file("config.txt");
    EXPECT_EQ(fake.messages.shown,
              std::vector<testing::ShownMessage>{critical("Impossibile leggere il file " + path)});
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_FALSE(shown(WindowId::main_log));
    fake.messages.shown.clear();

    save_station("ZZ9QX", "JN61FV", "003", "045");
    EXPECT_EQ(fake.messages.shown,
              std::vector<testing::ShownMessage>{critical("Impossibile scrivere il file " + path)});
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_EQ(windows->get<StationScreen>().Text2.text(), "JN61FV");
    EXPECT_EQ(main().Label39.text(), "...");
    EXPECT_FALSE(shown(WindowId::main_log));
    EXPECT_EQ(fake.dir.read("config.txt/keep"), "x");
}

TEST_F(StartupFlow, LeavingTheOnlyVisibleWindowEndsTheProgram) {
    run();
    windows->get<StationScreen>().Command2_Click();  // "Esci" with the main window still hidden
    EXPECT_TRUE(windows->finished());

    fake.dir.write("parziale.db", "QSO# 002\r\n");
    run();
    windows->get<StationScreen>().Command2_Click();  // the start dialog is still there
    EXPECT_FALSE(windows->finished());
    windows->get<StartScreen>().Form_Close();
    EXPECT_TRUE(windows->finished());
    EXPECT_EQ(fake.dir.read("parziale.db"), "QSO# 002\r\n");
    EXPECT_FALSE(fake.dir.exists("config.txt"));
}

TEST_F(StartupFlow, ContinuaContestRestoresTheSavedContest) {
    earlier_contest();
    for (const bool offline : {false, true}) {
        SCOPED_TRACE(offline);
        run();
        if (offline) windows->get<StartScreen>().Check1.set("1");
        windows->get<StartScreen>().Command1_Click();
        MainLogScreen& m = main();
        for (int restore = 0; restore < 2; ++restore) {  // a second restore adds nothing
            EXPECT_EQ(m.Text12.text(), saved_log);
            EXPECT_EQ(m.Text14.text(), saved_edi);
            EXPECT_EQ(windows->get<EdiHeaderScreen>().Text1.text(), saved_edi);
            EXPECT_EQ(m.totals(), saved_totals);
            EXPECT_EQ(m.Text1.text(), "003");
            m.Command4_Click();
        }
        EXPECT_TRUE(m.visible());
        EXPECT_FALSE(open(WindowId::start));
        EXPECT_EQ(texts({&m.Text15, &m.Label46, &m.Text2, &m.Text3}),
                  (offline ? Strings{"1", "off-line", "", ""}
                           : Strings{"0", "on-line", "19/07/20", "07.20"}));
        EXPECT_EQ(m.focused(), offline ? &m.Text2 : &m.Text6);
    }
    // The restored log still knows who was worked, by the callsign of each EDI line.
    MainLogScreen& m = main();
    m.Text2.set("19/07/20");
    m.Text3.set("07.25");
    log_qso("ZZ9XAB", "JN61FV");
    EXPECT_EQ(fake.messages.texts(),
              std::vector<std::string>{"QSO non valido, la stazione risulta gi\xE0 collegata"});
    log_qso("ZZ9XA", "JN71AA");
    m.Command4_Click();  // never over a live log
    EXPECT_EQ(m.Text12.size(), 3u);
    EXPECT_EQ(m.Label19.text(), "3");
    EXPECT_EQ(m.Label21.text(), "853");
}

TEST_F(StartupFlow, NuovoContestKeepsTheSavedContestUntilTheFirstQso) {
    earlier_contest();
    const std::string saved = fake.dir.read("parziale.db");
    run();
    windows->get<StartScreen>().Check1.set("1");
    windows->get<StartScreen>().Command2_Click();
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_EQ(windows->get<StationScreen>().Text1.text(), "");  // never shows the current profile
    EXPECT_FALSE(open(WindowId::start));
    EXPECT_FALSE(shown(WindowId::main_log));

    save_station("ZZ9QY", "JN81GD");
    MainLogScreen& m = main();
    EXPECT_TRUE(m.visible());
    EXPECT_TRUE(m.Text12.empty());
    EXPECT_EQ(texts({&m.Text15, &m.Label46, &m.Text2}), (Strings{"1", "off-line", ""}));
    EXPECT_TRUE(m.Command9.visible());
    EXPECT_EQ(m.focused(), &m.Text2);
    EXPECT_EQ(fake.dir.read("parziale.db"), saved);

    m.Command3_Click();  // leaving before the first QSO keeps the earlier contest
    EXPECT_TRUE(windows->finished());
    EXPECT_EQ(fake.dir.read("parziale.db"), saved);
}

TEST_F(StartupFlow, BackToStartSavesAndComesBackThroughTheStartDialog) {
    fake.dir.write("config.txt", kConfig);
    run();
    save_station("ZZ9AAC", "JN81GD");  // an administrator from now on
    EXPECT_EQ(main().Label47.text(), "Admin");
    EXPECT_TRUE(main().Command11.visible());
    log_qso("ZZ9XA", "JN61FV");
    std::filesystem::remove(fake.dir.file("parziale.db"));
    ASSERT_TRUE(open(WindowId::bearing_calculator));
    main().Command10_Click();
    EXPECT_FALSE(open(WindowId::main_log));
    EXPECT_FALSE(open(WindowId::bearing_calculator));
    EXPECT_TRUE(shown(WindowId::start));
    EXPECT_NE(fake.dir.read("parziale.db").find("ZZ9XA"), std::string::npos);

    windows->get<StartScreen>().Command2_Click();
    save_station("ZZ9AAC", "JN81GD");
    EXPECT_TRUE(shown(WindowId::main_log));
    EXPECT_TRUE(main().Text12.empty());
    EXPECT_TRUE(main().Command11.visible());  // the reloaded window offers the administration
    EXPECT_TRUE(shown(WindowId::start));      // the saved contest is offered again
    EXPECT_FALSE(windows->finished());
    log_qso("ZZ9XB", "JN61FV");  // the new contest's EDI body holds its QSO only
    EXPECT_EQ(windows->get<EdiHeaderScreen>().Text1.text(),
              "200719;0720;ZZ9XB;1;59;001;59;005;;JN61FV;350;;;;\r\n");
}

TEST_F(StartupFlow, AdministratorCallsignsOfferTheAdministration) {
    const std::pair<std::string, std::string> rows[] = {
        {"Call = ZZ9AAB\r\n", "Admin"},
        {"Call = zz9aab\r\n", "User"},
        {"Call = ZZ9AAB \r\n", "User"},
        {"Call = ZZ9AAA\nLocator = JN81GD\r", "Admin"},
        {"Call = \r\nCall = ZZ9AAC\r\n", "Admin"},  // the last line wins
        {"Call = ZZ9AAC\r\nCall = ZZ9QX\r\n", "User"},
        {"Call = \r\n", "User"},
        {"\xEF\xBB\xBF"
         "Call = ZZ9AAB\r\n",
         "Admin"},  // the mark some editors write first
    };
    for (const auto& [config, account] : rows) {
        SCOPED_TRACE(config);
        fake.dir.write("config.txt", config);
        run();
        EXPECT_EQ(main().Label47.text(), account);
        EXPECT_EQ(main().Command11.visible(), account == "Admin");
        if (main().Command11.visible()) {
            main().Command11_Click();
            EXPECT_TRUE(shown(WindowId::admin));
        }
    }
}

TEST_F(StartupFlow, NewStationDataReplaceTheStationFrameWhole) {
    // Callsign, I-QRP and MQC numbers saved, then the frame's account, button and numbers.
    using Row = std::tuple<Strings, std::string, bool, Strings>;
    const Row rows[] = {
        {{"ZZ9AAA", "", ""}, "Admin", true, {"...", "..."}},
        {{"ZZ9QY", "", "012"}, "User", false, {"...", "012"}},
        {{"ZZ9AAB", "007", ""}, "Admin", true, {"007", "..."}},
    };
    fake.dir.write("parziale.db", "QSO# 002\r\n");  // the start dialog comes first
    for (const auto& [station, account, button, numbers] : rows) {
        SCOPED_TRACE(station[0]);
        fake.dir.write("config.txt",
                       "Call = ZZ9AAC\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = 045\r\n");
        run();
        windows->get<StartScreen>().Command2_Click();
        save_station(station[0], "JN81GD", station[1], station[2]);
        EXPECT_EQ(main().Label47.text(), account);
        EXPECT_EQ(main().Command11.visible(), button);
        EXPECT_EQ(texts({&main().Label41, &main().Label42}), numbers);
        run();  // the same frame from the saved file
        EXPECT_EQ(texts({&main().Label47, &main().Label41, &main().Label42}),
                  (Strings{account, numbers[0], numbers[1]}));
    }
}

TEST_F(StartupFlow, HandEditedPartialStateIsTakenAsFarAsItGoes) {
    fake.dir.write("config.txt", kConfig);
    const std::string long_line = "001   caf\xE8  ;" + std::string(300, 'x');
    fake.dir.write("parziale.db",
                   "QSO#\r\nCONTEST_QSO -1\r\nCONTEST_QRB abc\r\nCONTEST_PUNTI ??????\n"
                   "CONTEST_MEDIA 1e999\rCONTEST_ODX_QRB ...\r\nCONTEST_IQRP 25\r\n"
                   "LISTA_QSO " +
                       long_line +
                       "\r\nLISTA_QSO x\r\n"
                       "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\nQSO_EDI \r\n");
    run();
    windows->get<StartScreen>().Command1_Click();
    MainLogScreen& m = main();
    EXPECT_TRUE(m.Picture3.visible());  // the award at once
    EXPECT_TRUE(m.Label54.visible());
    EXPECT_EQ(m.Text1.text(), "002");
    EXPECT_EQ(m.Text12.lines(), std::vector<std::string>{long_line});

    log_qso("ZZ9XA", "JN71AA");  // worked, by the restored EDI line
    log_qso("ZZ9XB", "JN61FV");
    const ContestTotals t = m.totals();
    EXPECT_EQ((Strings{t.qso, t.qrb, t.punti, t.media, t.odx_call, t.odx_qrb}),
              (Strings{"0", "350", "350", "0", "ZZ9XB", " 350"}));
    EXPECT_EQ(m.Text12.size(), 2u);
}

TEST_F(StartupFlow, QsoNumberWithoutANumberFollowsTheRestoredQsos) {
    const std::string qsos =
        "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n"
        "QSO_EDI 200719;0721;ZZ9XB;1;59;002;59;005;;JN61FV;350;;;;\r\nQSO_EDI \r\n";
    const std::pair<std::string, std::string> rows[] = {
        {"QSO# 017", "017"}, {"QSO# ", "003"}, {"QSO# abc", "003"}, {"QSO# 1x", "003"}};
    fake.dir.write("config.txt", kConfig);
    for (const auto& [line, number] : rows) {
        SCOPED_TRACE(line);
        fake.dir.write("parziale.db", line + "\r\n" + qsos);
        run();
        windows->get<StartScreen>().Command1_Click();
        EXPECT_EQ(main().Text1.text(), number);
    }
    log_qso("ZZ9XC", "JN61FV");
    EXPECT_EQ(main().Text14.lines().back(), "200719;0720;ZZ9XC;1;59;003;59;005;;JN61FV;350;;;;");
}

TEST_F(StartupFlow, UnreadablePartialStateIsToldAndNothingRestored) {
    fake.dir.write("config.txt", kConfig);
    fake.dir.block("parziale.db");
    run();
    windows->get<StartScreen>().Command1_Click();
    EXPECT_EQ(fake.messages.shown,
              std::vector<testing::ShownMessage>{
                  critical("Impossibile leggere il file " + fake.dir.file("parziale.db"))});
    EXPECT_TRUE(main().visible());
    EXPECT_TRUE(main().Text12.empty());
}

}  // namespace
}  // namespace zelora
