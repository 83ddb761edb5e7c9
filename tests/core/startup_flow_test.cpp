// Program start, the station window, the start dialog, the modes, and the ways out.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/award_screen.h"
#include "core/main_log_screen.h"
#include "core/start_screen.h"
#include "core/station_screen.h"
#include "core/window_set.h"
#include "export/edi_header_screen.h"
#include "geo/bearing_calculator_screen.h"
#include "store/admin_screen.h"
#include "support/fakes.h"

namespace zelora {
namespace {

constexpr const char* kConfig =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = 045\r\n\r\n";
constexpr const char* kInformation = "Zelora VHF qrp Test";

void log_qso(MainLogScreen& main, const std::string& callsign, const std::string& locator,
             const std::string& member = "") {
    main.focus(main.Text6);
    main.Text6.set(callsign);
    main.focus(main.Text9);
    main.Text9.set("5");
    main.focus(main.Text10);
    main.Text10.set(locator);
    main.Text11.set(member);
    main.Command1_Click();
}

class StartupFlow : public ::testing::Test {
  protected:
    // One run of the program over the files the directory holds now.
    WindowSet& run() {
        windows.reset();
        windows = std::make_unique<WindowSet>(fake.platform());
        windows->start_program();
        return *windows;
    }
    MainLogScreen& main() { return windows->main_log(); }
    bool open(WindowId id) const { return windows->is_open(id); }
    bool shown(WindowId id) const { return open(id) && windows->find(id)->visible(); }

    // A run that logs two QSOs and ends with "Esci", leaving its contest in parziale.db.
    void earlier_contest() {
        fake.dir.write("config.txt", kConfig);
        run();
        log_qso(main(), "ZZ9XAB", "JN61FV");
        log_qso(main(), "ZZ9XB", "KN01AA", "I003");
        saved_log = main().Text12.text();
        saved_edi = main().Text14.text();
        saved_totals = main().totals();
        main().Command3_Click();
        ASSERT_TRUE(windows->finished());
    }

    // Types the station data and presses "Salva".
    void save_station(const std::string& callsign, const std::string& locator,
                      const std::string& iqrp = "", const std::string& mqc = "") {
        StationScreen& station = windows->station();
        station.Text1.set(callsign);
        station.Text2.set(locator);
        station.Text3.set(iqrp);
        station.Text4.set(mqc);
        station.Command1_Click();
    }

    testing::FakePlatform fake;
    std::unique_ptr<WindowSet> windows;
    std::string saved_log;
    std::string saved_edi;
    ContestTotals saved_totals;
};

TEST_F(StartupFlow, FourSituationsAtStart) {
    struct Row {
        bool config;
        bool partial;
        bool main_shown;
        bool station_shown;
        bool start_shown;
    };
    const Row rows[] = {{true, true, false, false, true},
                        {true, false, true, false, false},
                        {false, false, false, true, false},
                        {false, true, false, true, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.config) + std::to_string(row.partial));
        std::filesystem::remove(fake.dir.file("config.txt"));
        std::filesystem::remove(fake.dir.file("parziale.db"));
        if (row.config) fake.dir.write("config.txt", kConfig);
        if (row.partial) fake.dir.write("parziale.db", "QSO# 002\r\n");
        run();
        EXPECT_TRUE(open(WindowId::main_log));
        EXPECT_EQ(shown(WindowId::main_log), row.main_shown);
        EXPECT_EQ(shown(WindowId::station), row.station_shown);
        EXPECT_EQ(shown(WindowId::start), row.start_shown);
        EXPECT_FALSE(windows->finished());
        EXPECT_TRUE(main().Text12.empty());  // nothing restored before "Continua Contest"
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(StartupFlow, LoadShowsTheProfileAndTheUtcClock) {
    fake.dir.write("config.txt", kConfig);
    MainLogScreen& m = run().main_log();
    EXPECT_EQ(m.Label39.text(), "ZZ9QX");
    EXPECT_EQ(m.Label40.text(), "JN81GD");
    EXPECT_EQ(m.Label41.text(), "003");
    EXPECT_EQ(m.Label42.text(), "045");
    EXPECT_EQ(windows->calculator().Text3.text(), "JN81GD");
    EXPECT_EQ(windows->edi_header().Text2.text(), "ZZ9QX");
    EXPECT_EQ(windows->edi_header().Text14.text(), "ZZ9QX");
    EXPECT_EQ(windows->edi_header().Text3.text(), "JN81GD");
    EXPECT_EQ(m.Text2.text(), "19/07/20");
    EXPECT_EQ(m.Text3.text(), "07.20");  // the fake's UTC; local time is 09.20
    EXPECT_EQ(m.Text15.text(), "0");
    EXPECT_EQ(m.Label46.text(), "on-line");
    EXPECT_FALSE(m.Command9.visible());
}

TEST_F(StartupFlow, SalvaWritesTheProfileAndBringsUpTheMainWindow) {
    run();
    save_station("zz9\r\nqx", "jn61fv", "003", "");
    EXPECT_EQ(fake.dir.read("config.txt"),
              "Call = ZZ9QX\r\nLocator = JN61FV\r\nIQRP = 003\r\nMDC = \r\n\r\n");
    MainLogScreen& m = main();
    EXPECT_EQ(m.Label39.text(), "ZZ9QX");
    EXPECT_EQ(m.Label40.text(), "JN61FV");
    EXPECT_EQ(m.Label41.text(), "003");
    EXPECT_EQ(m.Label42.text(), "...");  // an empty box leaves the label
    EXPECT_EQ(windows->calculator().Text3.text(), "JN61FV");
    EXPECT_TRUE(m.visible());
    EXPECT_FALSE(open(WindowId::station));
    EXPECT_EQ(m.Text15.text(), "0");
    EXPECT_EQ(windows->edi_header().Text2.text(), "");  // only a load fills the EDI header
}

TEST_F(StartupFlow, UnreadableAndUnwritableConfig) {
    fake.dir.block("config.txt");
    run();
    const std::string path = fake.dir.file("config.txt");
    EXPECT_EQ(fake.messages.shown,
              (std::vector<testing::ShownMessage>{
                  {kInformation, "Impossibile leggere il file " + path, MessageIcon::critical}}));
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_FALSE(shown(WindowId::main_log));
    fake.messages.shown.clear();

    save_station("ZZ9QX", "JN61FV", "003", "045");
    EXPECT_EQ(fake.messages.shown,
              (std::vector<testing::ShownMessage>{
                  {kInformation, "Impossibile scrivere il file " + path, MessageIcon::critical}}));
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_EQ(windows->station().Text2.text(), "JN61FV");
    EXPECT_EQ(main().Label39.text(), "...");
    EXPECT_FALSE(shown(WindowId::main_log));
    EXPECT_EQ(fake.dir.read("config.txt/keep"), "x");
}

TEST_F(StartupFlow, LeavingTheOnlyVisibleWindowEndsTheProgram) {
    run();
    windows->station().Command2_Click();  // "Esci" with the main window still hidden
    EXPECT_TRUE(windows->finished());

    fake.dir.write("parziale.db", "QSO# 002\r\n");
    run();
    windows->station().Command2_Click();  // the start dialog is still there
    EXPECT_FALSE(windows->finished());
    windows->start().Form_Close();
    EXPECT_TRUE(windows->finished());
    EXPECT_EQ(fake.dir.read("parziale.db"), "QSO# 002\r\n");
    EXPECT_FALSE(fake.dir.exists("config.txt"));
}

TEST_F(StartupFlow, ContinuaContestRestoresTheSavedContest) {
    earlier_contest();
    for (const bool offline : {false, true}) {
        SCOPED_TRACE(offline);
        run();
        StartScreen& start = windows->start();
        if (offline) start.Check1.set("1");
        start.Command1_Click();
        MainLogScreen& m = main();
        EXPECT_EQ(m.Text12.text(), saved_log);
        EXPECT_EQ(m.Text14.text(), saved_edi);
        EXPECT_EQ(windows->edi_header().Text1.text(), saved_edi);
        EXPECT_EQ(m.totals(), saved_totals);
        EXPECT_EQ(m.Text1.text(), "003");
        EXPECT_TRUE(m.visible());
        EXPECT_FALSE(open(WindowId::start));
        EXPECT_EQ(m.Text15.text(), offline ? "1" : "0");
        EXPECT_EQ(m.Label46.text(), offline ? "off-line" : "on-line");
        EXPECT_EQ(m.Text2.text(), offline ? "" : "19/07/20");
        EXPECT_EQ(m.Text3.text(), offline ? "" : "07.20");
        EXPECT_EQ(m.focused(), offline ? &m.Text2 : &m.Text6);

        m.Command4_Click();  // a second restore adds nothing
        EXPECT_EQ(m.Text12.text(), saved_log);
        EXPECT_EQ(m.Text14.text(), saved_edi);
        EXPECT_EQ(m.totals(), saved_totals);
    }
    // The restored log still knows who was worked, by the callsign of each EDI line.
    MainLogScreen& m = main();
    m.Text2.set("19/07/20");
    m.Text3.set("07.25");
    log_qso(m, "ZZ9XAB", "JN61FV");
    EXPECT_EQ(fake.messages.texts(),
              std::vector<std::string>{"QSO non valido, la stazione risulta gi\xE0 collegata"});
    log_qso(m, "ZZ9XA", "JN71AA");
    EXPECT_EQ(m.Text12.size(), 3u);
    EXPECT_EQ(m.Label19.text(), "3");
    EXPECT_EQ(m.Label21.text(), "853");
    m.Command4_Click();  // never over a live log
    EXPECT_EQ(m.Text12.size(), 3u);
    EXPECT_EQ(m.Label19.text(), "3");
}

TEST_F(StartupFlow, NuovoContestKeepsTheSavedContestUntilTheFirstQso) {
    earlier_contest();
    const std::string saved = fake.dir.read("parziale.db");
    run();
    windows->start().Check1.set("1");
    windows->start().Command2_Click();
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_EQ(windows->station().Text1.text(), "");  // never shows the current profile
    EXPECT_FALSE(open(WindowId::start));
    EXPECT_FALSE(shown(WindowId::main_log));

    save_station("ZZ9QY", "JN81GD");
    MainLogScreen& m = main();
    EXPECT_TRUE(m.visible());
    EXPECT_TRUE(m.Text12.empty());
    EXPECT_EQ(m.Text15.text(), "1");
    EXPECT_EQ(m.Label46.text(), "off-line");
    EXPECT_TRUE(m.Command9.visible());
    EXPECT_EQ(m.Text2.text(), "");
    EXPECT_EQ(m.focused(), &m.Text2);
    EXPECT_EQ(fake.dir.read("parziale.db"), saved);

    m.Command3_Click();  // leaving before the first QSO keeps the earlier contest
    EXPECT_TRUE(windows->finished());
    EXPECT_EQ(fake.dir.read("parziale.db"), saved);
}

TEST_F(StartupFlow, BackToStartSavesAndComesBackThroughTheStartDialog) {
    fake.dir.write("config.txt", kConfig);
    run();
    log_qso(main(), "ZZ9XA", "JN61FV");
    std::filesystem::remove(fake.dir.file("parziale.db"));
    main().Command10_Click();
    EXPECT_FALSE(open(WindowId::main_log));
    EXPECT_TRUE(shown(WindowId::start));
    EXPECT_NE(fake.dir.read("parziale.db").find("ZZ9XA"), std::string::npos);

    windows->start().Command2_Click();
    save_station("ZZ9QX", "JN81GD");
    EXPECT_TRUE(shown(WindowId::main_log));
    EXPECT_TRUE(main().Text12.empty());
    EXPECT_TRUE(shown(WindowId::start));  // the saved contest is offered again
    EXPECT_FALSE(windows->finished());
    log_qso(main(), "ZZ9XB", "JN61FV");  // the new contest's EDI body holds its QSO only
    EXPECT_EQ(windows->edi_header().Text1.text(),
              "200719;0720;ZZ9XB;1;59;001;59;005;;JN61FV;350;;;;\r\n");
}

TEST_F(StartupFlow, AdministratorCallsignsOfferTheAdministration) {
    struct Row {
        std::string config;
        std::string account;
    };
    const Row rows[] = {
        {"Call = ZZ9AAB\r\n", "Admin"},
        {"Call = zz9aab\r\n", "User"},
        {"Call = ZZ9AAB \r\n", "User"},
        {"Call = ZZ9AAA\nLocator = JN81GD\r", "Admin"},
        {"Call = \r\nCall = ZZ9AAC\r\n", "Admin"},  // the last line wins
        {"Call = ZZ9AAC\r\nCall = ZZ9QX\r\n", "Admin"},
        {"Call = \r\n", "User"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.config);
        fake.dir.write("config.txt", row.config);
        run();
        EXPECT_EQ(main().Label47.text(), row.account);
        EXPECT_EQ(main().Command11.visible(), row.account == "Admin");
        if (main().Command11.visible()) {
            main().Command11_Click();
            EXPECT_TRUE(shown(WindowId::admin));
        }
    }
}

TEST_F(StartupFlow, AdministratorSavedNowShowsTheButtonAfterReload) {
    fake.dir.write("config.txt", kConfig);
    run();
    save_station("ZZ9AAC", "JN81GD");
    EXPECT_EQ(main().Label47.text(), "Admin");
    EXPECT_FALSE(main().Command11.visible());
    main().Command10_Click();
    windows->start().Command2_Click();
    save_station("ZZ9AAC", "JN81GD");
    EXPECT_TRUE(main().Command11.visible());
}

TEST_F(StartupFlow, SwitchModeBothWays) {
    fake.dir.write("config.txt", kConfig);
    MainLogScreen& m = run().main_log();
    m.focus(m.Text6);
    m.Command7_Click();
    EXPECT_EQ(m.Text15.text(), "1");
    EXPECT_EQ(m.Label46.text(), "off-line");
    EXPECT_TRUE(m.Command9.visible());
    EXPECT_EQ(m.Text2.text(), "");
    EXPECT_EQ(m.Text3.text(), "");
    EXPECT_EQ(m.focused(), &m.Text2);

    m.Command7_Click();
    EXPECT_EQ(m.Text15.text(), "0");
    EXPECT_EQ(m.Label46.text(), "on-line");
    EXPECT_FALSE(m.Command9.visible());
    EXPECT_EQ(m.Text3.text(), "");  // until the locator box is entered
    m.focus(m.Text10);
    EXPECT_EQ(m.Text2.text(), "19/07/20");
    EXPECT_EQ(m.Text3.text(), "07.20");
}

TEST_F(StartupFlow, EsciClosesEveryWindowSavesAndEnds) {
    fake.dir.write("config.txt", kConfig);
    run();
    log_qso(main(), "ZZ9XA", "JN61FV");
    std::filesystem::remove(fake.dir.file("parziale.db"));
    windows->edi_header().set_visible(true);
    windows->award().set_visible(true);
    windows->admin().set_visible(true);
    windows->station();
    main().Command3_Click();
    EXPECT_TRUE(windows->finished());
    EXPECT_FALSE(windows->any_open());
    EXPECT_NE(fake.dir.read("parziale.db").find("CONTEST_QSO 1\r\n"), std::string::npos);
}

TEST_F(StartupFlow, HandEditedPartialStateIsTakenAsFarAsItGoes) {
    fake.dir.write("config.txt", kConfig);
    fake.dir.write("parziale.db",
                   "QSO#\r\nCONTEST_QSO -1\r\nCONTEST_QRB abc\r\nCONTEST_PUNTI ??????\n"
                   "CONTEST_MEDIA 1e999\rCONTEST_ODX_QRB ...\r\nCONTEST_IQRP 25\r\n"
                   "LISTA_QSO 001   caf\xE8  ;" +
                       std::string(300, 'x') +
                       "\r\nLISTA_QSO x\r\n"
                       "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\nQSO_EDI \r\n");
    run();
    windows->start().Command1_Click();
    MainLogScreen& m = main();
    EXPECT_TRUE(m.Picture3.visible());  // the award at once
    EXPECT_TRUE(m.Label54.visible());
    EXPECT_EQ(m.Text1.text(), "001");
    EXPECT_EQ(m.Text12.lines(),
              std::vector<std::string>{"001   caf\xE8  ;" + std::string(300, 'x')});

    log_qso(m, "ZZ9XA", "JN71AA");  // worked, by the restored EDI line
    log_qso(m, "ZZ9XB", "JN61FV");
    const ContestTotals totals = m.totals();
    EXPECT_EQ(totals.qso, "0");
    EXPECT_EQ(totals.qrb, "350");
    EXPECT_EQ(totals.punti, "350");
    EXPECT_EQ(totals.media, "0");
    EXPECT_EQ(totals.odx_call, "ZZ9XB");
    EXPECT_EQ(totals.odx_qrb, " 350");
    EXPECT_EQ(m.Text12.size(), 2u);
}

TEST_F(StartupFlow, UnreadablePartialStateIsToldAndNothingRestored) {
    fake.dir.write("config.txt", kConfig);
    fake.dir.block("parziale.db");
    run();
    windows->start().Command1_Click();
    EXPECT_EQ(fake.messages.texts(), std::vector<std::string>{"Impossibile leggere il file " +
                                                              fake.dir.file("parziale.db")});
    EXPECT_TRUE(main().visible());
    EXPECT_TRUE(main().Text12.empty());
}

}  // namespace
}  // namespace zelora
