// Program start, the station window, the start dialog, the modes, and the ways out.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/contest_session.h"
#include "windows/admin_screen.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"

namespace zelora {
namespace {

constexpr const char* kConfig =
    "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = 003\r\nMDC = 045\r\n\r\n";
using testing::Strings;
using testing::texts;

struct StartupFlow : ::testing::Test, testing::ContestSession {
    StartupFlow() : ContestSession("") {}
    // A run that logs two QSOs and ends with "Esci" over every window, which saves the contest.
    void earlier_contest() {
        fake.dir.write("config.txt", kConfig);
        restart();
        log("ZZ9XAB");
        log("ZZ9XB", "KN01AA", "I003");
        saved = {main().Text12.text(), main().Text14.text()};
        saved_totals = main().totals();
        std::filesystem::remove(fake.dir.file("parziale.db"));
        get<EdiHeaderScreen>().set_visible(true);
        get<AwardScreen>().set_visible(true);
        get<AdminScreen>().set_visible(true);
        get<StationScreen>();
        main().Command3_Click();
        ASSERT_TRUE(windows->finished());
        ASSERT_FALSE(windows->any_open());
    }

    Strings saved;
    ContestTotals saved_totals;
};

TEST_F(StartupFlow, LoadShowsTheProfileAndTheUtcClockThenSwitchModeBothWays) {
    fake.dir.write("config.txt", kConfig);
    MainLogScreen& m = restart().get<MainLogScreen>();
    const EdiHeaderScreen& edi = get<EdiHeaderScreen>();
    EXPECT_EQ(texts({&m.Label39, &m.Label40, &m.Label41, &m.Label42,
                     &get<BearingCalculatorScreen>().Text3, &edi.Text2, &edi.Text14, &edi.Text3}),
              (Strings{"ZZ9QX", "JN81GD", "003", "045", "JN81GD", "ZZ9QX", "ZZ9QX", "JN81GD"}));
    // The fake's UTC (local time is 09.20), and again at once back from off-line; the local
    // clock's button only off-line.
    const Strings online{"19/07/20", "07.20", "0", "on-line"};
    EXPECT_EQ(texts({&m.Text2, &m.Text3, &m.Text15, &m.Label46}), online);
    EXPECT_FALSE(m.Command9.visible());
    m.Command7_Click();
    EXPECT_TRUE(m.Command9.visible());
    m.Text3.set("10.00");
    m.Command7_Click();
    EXPECT_EQ(texts({&m.Text2, &m.Text3, &m.Text15, &m.Label46}), online);
    EXPECT_FALSE(m.Command9.visible());
}

TEST_F(StartupFlow, UnreadableAndUnwritableConfigThenSalva) {
    fake.dir.block("config.txt");
    restart();
    EXPECT_EQ(told(), Strings{"!Impossibile leggere il file <dir>/config.txt"});
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_FALSE(shown(WindowId::main_log));

    save_station("ZZ9QX", "JN61FV", "003", "045");
    EXPECT_EQ(told(), Strings{"!Impossibile scrivere il file <dir>/config.txt"});
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_EQ(get<StationScreen>().Text2.text(), "JN61FV");
    EXPECT_EQ(main().Label39.text(), "...");
    EXPECT_FALSE(shown(WindowId::main_log));
    EXPECT_EQ(fake.dir.read("config.txt/keep"), "x");

    std::filesystem::remove_all(fake.dir.file("config.txt"));
    save_station("zz9\r\nqx", "jn61fv", "003", "");
    EXPECT_EQ(fake.dir.read("config.txt"),
              "Call = ZZ9QX\r\nLocator = JN61FV\r\nIQRP = 003\r\nMDC = \r\n\r\n");
    EXPECT_EQ(texts({&main().Label39, &main().Label40, &get<BearingCalculatorScreen>().Text3}),
              (Strings{"ZZ9QX", "JN61FV", "JN61FV"}));
    EXPECT_TRUE(main().visible() && !open(WindowId::station));
    EXPECT_EQ(get<EdiHeaderScreen>().Text2.text(), "");  // only a load fills the EDI header
}

TEST_F(StartupFlow, LeavingTheOnlyVisibleWindowEndsTheProgram) {
    restart();
    get<StationScreen>().Command2_Click();  // "Esci" with the main window still hidden
    EXPECT_TRUE(windows->finished());

    fake.dir.write("parziale.db", "QSO# 002\r\n");
    restart();
    get<StationScreen>().Command2_Click();  // the start dialog is still there
    EXPECT_FALSE(windows->finished());
    get<StartScreen>().Form_Close();
    EXPECT_TRUE(windows->finished());
    EXPECT_EQ(fake.dir.read("parziale.db"), "QSO# 002\r\n");
    EXPECT_FALSE(fake.dir.exists("config.txt"));
}

TEST_F(StartupFlow, ContinuaContestRestoresTheSavedContest) {
    earlier_contest();
    for (const bool offline : {false, true}) {
        SCOPED_TRACE(offline);
        restart();
        if (offline) get<StartScreen>().Check1.set("1");
        get<StartScreen>().Command1_Click();
        MainLogScreen& m = main();
        for (int restore = 0; restore < 2; ++restore) {  // a second restore adds nothing
            EXPECT_EQ((Strings{m.Text12.text(), m.Text14.text()}), saved);
            EXPECT_EQ(get<EdiHeaderScreen>().Text1.text(), saved[1]);
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
    MainLogScreen& m = main();
    m.Text2.set("19/07/20");
    m.Text3.set("07.25");
    log("ZZ9XA", "JN71AA");
    m.Command4_Click();  // never over a live log
    EXPECT_EQ(m.Text12.size(), 3u);
    EXPECT_EQ(m.Label19.text(), "3");
    EXPECT_EQ(m.Label21.text(), "853");
}

TEST_F(StartupFlow, NuovoContestKeepsTheSavedContestUntilTheFirstQso) {
    earlier_contest();
    const std::string contest = fake.dir.read("parziale.db");
    restart();
    get<StartScreen>().Check1.set("1");
    get<StartScreen>().Command2_Click();
    EXPECT_TRUE(shown(WindowId::station));
    EXPECT_EQ(get<StationScreen>().Text1.text(), "");  // never shows the current profile
    EXPECT_FALSE(open(WindowId::start));
    EXPECT_FALSE(shown(WindowId::main_log));

    save_station("ZZ9QY", "JN81GD");
    MainLogScreen& m = main();
    EXPECT_TRUE(m.visible());
    EXPECT_TRUE(m.Text12.empty());
    EXPECT_EQ(texts({&m.Text15, &m.Label46, &m.Text2}), (Strings{"1", "off-line", ""}));
    EXPECT_TRUE(m.Command9.visible());
    EXPECT_EQ(m.focused(), &m.Text2);
    EXPECT_EQ(fake.dir.read("parziale.db"), contest);

    m.Command3_Click();  // leaving before the first QSO keeps the earlier contest
    EXPECT_TRUE(windows->finished());
    EXPECT_EQ(fake.dir.read("parziale.db"), contest);
}

TEST_F(StartupFlow, BackToStartSavesAndComesBackThroughTheStartDialog) {
    fake.dir.write("config.txt", kConfig);
    restart();
    save_station("ZZ9AAC", "JN81GD");  // an administrator from now on
    EXPECT_EQ(main().Label47.text(), "Admin");
    EXPECT_TRUE(main().Command11.visible());
    log("ZZ9XA", "JN61FV");
    std::filesystem::remove(fake.dir.file("parziale.db"));
    ASSERT_TRUE(open(WindowId::bearing_calculator));
    main().Command10_Click();
    EXPECT_FALSE(open(WindowId::main_log));
    EXPECT_FALSE(open(WindowId::bearing_calculator));
    EXPECT_TRUE(shown(WindowId::start));
    EXPECT_NE(fake.dir.read("parziale.db").find("ZZ9XA"), std::string::npos);

    get<StartScreen>().Command2_Click();
    save_station("ZZ9AAC", "JN81GD");
    EXPECT_TRUE(shown(WindowId::main_log));
    EXPECT_TRUE(main().Text12.empty());
    EXPECT_TRUE(main().Command11.visible());  // the reloaded window offers the administration
    EXPECT_TRUE(shown(WindowId::start));      // the saved contest is offered again
    EXPECT_FALSE(windows->finished());
    log("ZZ9XB", "JN61FV");  // the new contest's EDI body holds its QSO only
    EXPECT_EQ(get<EdiHeaderScreen>().Text1.text(),
              "200719;0720;ZZ9XB;1;59;001;59;005;;JN61FV;350;;;;\r\n");
}

}  // namespace
}  // namespace zelora
