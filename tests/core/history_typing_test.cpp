// The call history at the main window, and the contest it learns by "Nuovo Contest".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/contest_session.h"
#include "windows/main_log_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"

namespace zelora {
namespace {

using Strings = std::vector<std::string>;
using testing::critical;
using testing::information;
using testing::texts;

const std::string kHistory =
    "IK2ABC#JN45LL#20200719\r\nIK2ABC/P#JN55AA#20190720\r\nIK2ABD#JN45LM#20180101\r\n"
    "ZZ9XA#JN61FV#20200719\r\n";

struct HistoryTyping : ::testing::Test, testing::ContestSession {
    HistoryTyping() : ContestSession(testing::kStationConfig, {{"storico.txt", kHistory}}) {}
    // The callsign box as typed key by key, then the history's mark.
    std::string typed(const std::string& callsign) {
        main().focus(main().Text6);
        for (std::size_t n = 1; n <= callsign.size(); ++n) main().Text6.set(callsign.substr(0, n));
        return main().history.HistoryMark.text();
    }
};

TEST_F(HistoryTyping, WhatIsTypedIsMarkedListedAndFilledAndImportedLogsAreKnownAtOnce) {
    MainLogScreen& m = main();
    testing::log_qso(m, "IK2ABD", "001", "JN45LM");
    EXPECT_EQ(typed("ik2ab"), "");
    EXPECT_EQ(partial_rows(m.aids.PartialList.text(), m.history.HistoryList.text()),
              (std::vector<PartialRow>{{PartialRow::Kind::worked, "IK2ABD      JN45LM"},
                                       {PartialRow::Kind::heading, "Storico"},
                                       {PartialRow::Kind::history, "IK2ABC      JN45LL", 0},
                                       {PartialRow::Kind::history, "IK2ABC/P    JN55AA", 1}}));
    typed("i");
    EXPECT_EQ(m.history.HistoryList.text(), "");  // as the worked ones, from two characters
    EXPECT_EQ(typed("ik2abc"), "Storico: JN45LL (19/07/2020)");
    EXPECT_EQ(typed("ik2abc/p"), "Storico: JN55AA (20/07/2019)");  // its own entry only
    // Filled on leaving the callsign box, shown marked, with its distance and heading.
    typed("ik2abc");
    m.focus(m.Text7);
    EXPECT_EQ(texts({&m.Text10, &m.history.FilledLocator, &m.Label13, &m.Label15}),
              (Strings{"JN45LL", "JN45LL", " 778", " 311"}));
    // Another callsign takes the place of what the history put; an unknown one empties it.
    typed("ik2abd");
    m.focus(m.Text9);
    EXPECT_EQ(texts({&m.Text10, &m.history.FilledLocator}), (Strings{"JN45LM", "JN45LM"}));
    typed("ik2abx");
    m.focus(m.Text9);
    EXPECT_EQ(texts({&m.Text10, &m.history.FilledLocator}), (Strings{"", ""}));
    // What the operator types stays and is not marked.
    m.Text10.set("JN45L");
    typed("ik2abc");
    m.focus(m.Text9);
    EXPECT_EQ(texts({&m.Text10, &m.history.FilledLocator}), (Strings{"JN45L", ""}));

    typed("ZZ9XAB");
    m.history.ImportClick();  // cancelled: nothing told
    fake.files.chosen = {std::string(ZELORA_TEST_DATA) + "/history/zelora.edi"};
    m.history.ImportClick();
    EXPECT_EQ(fake.messages.shown, std::vector{information("Importati 3 nominativi da 1 file")});
    EXPECT_EQ(m.history.HistoryMark.text(), "Storico: JN81GD (19/07/2020)");
}

TEST_F(HistoryTyping, NuovoContestLearnsTheContestItReplaces) {
    // Saved at 07.20 on 19/07/2020: learned with that date, over an older locator.
    testing::log_qso(main(), "IK2ABD", "001", "JN45LX");
    main().Command10_Click();  // back to the start dialog: saved, no main window
    windows->get<StartScreen>().Command2_Click();
    EXPECT_EQ(fake.dir.read("storico.txt"),
              "IK2ABC#JN45LL#20200719\r\nIK2ABC/P#JN55AA#20190720\r\nIK2ABD#JN45LX#20200719\r\n"
              "ZZ9XA#JN61FV#20200719\r\n");

    // At start-up; a history that cannot be written is told and the new contest still starts.
    windows->close(WindowId::station);
    start_program(*windows);
    EXPECT_EQ(typed("IK2ABD"), "Storico: JN45LX (19/07/2020)");
    std::filesystem::remove(fake.dir.file("storico.txt"));
    fake.dir.block("storico.txt");
    windows->get<StartScreen>().Command2_Click();
    EXPECT_EQ(fake.messages.shown, std::vector{critical("Impossibile scrivere il file " +
                                                        fake.dir.file("storico.txt"))});
    EXPECT_TRUE(windows->get<StationScreen>().visible());
    EXPECT_NE(fake.dir.read("parziale.db").find("IK2ABD"), std::string::npos);
}

}  // namespace
}  // namespace zelora
