// The call history at the main window: typed key by key, the locator filled, the partial list,
// the import, and the contest learned by "Nuovo Contest".
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
    Strings pointing() {
        const MainLogScreen& m = main();
        return {m.Text10.text(), m.Label13.text(), m.Label15.text(),
                m.Label13.visible() ? "shown" : "hidden",
                std::to_string(m.Line1.x2) + "," + std::to_string(m.Line1.y2)};
    }
};

TEST_F(HistoryTyping, AKnownCallsignShowsItsLocatorAndLeavingTheBoxFillsIt) {
    MainLogScreen& m = main();
    EXPECT_EQ(typed("ik2ab"), "");
    EXPECT_EQ(typed("ik2abc"), "Storico: JN45LL (19/07/2020)");
    EXPECT_EQ(typed("ik2abc/"), "");
    EXPECT_EQ(typed("ik2abc/p"), "Storico: JN55AA (20/07/2019)");  // its own entry only
    EXPECT_EQ(typed("zz9xa/p"), "");
    // Typed by hand, then filled on leaving the callsign box: the same distance and heading.
    m.focus(m.Text10);
    m.Text10.set("JN45LL");
    const Strings by_hand = pointing();
    m.Text10.set("JN61FV");
    m.Text10.set("");
    typed("ik2abc");
    m.focus(m.Text7);
    EXPECT_EQ(pointing(), by_hand);
    EXPECT_EQ(m.history.FilledLocator.text(), "JN45LL");  // shown marked
    // Another callsign takes the place of what the history put; an unknown one empties it.
    typed("ik2abd");
    m.focus(m.Text9);
    EXPECT_EQ(texts({&m.Text10, &m.history.FilledLocator}), (Strings{"JN45LM", "JN45LM"}));
    typed("ik2abx");
    m.focus(m.Text9);
    EXPECT_EQ(texts({&m.Text10, &m.history.FilledLocator}), (Strings{"", ""}));
    // What the operator types stays and is not marked.
    m.focus(m.Text10);
    m.Text10.set("JN45L");
    typed("ik2abc");
    m.focus(m.Text9);
    EXPECT_EQ(texts({&m.Text10, &m.history.FilledLocator}), (Strings{"JN45L", ""}));
    m.Text10.set("");
    m.focus(m.Text6);
    m.focus(m.Text9);
    m.Text10.set("JN45LK");  // edited: no longer marked
    EXPECT_EQ(m.history.FilledLocator.text(), "");
    m.Text10.set("JN45LL");
    m.Text9.set("007");
    m.Command1_Click();  // checked as typed
    EXPECT_EQ(m.qsos().qsos().back().locator, "JN45LL");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(HistoryTyping, ThePartialListShowsTheHistoryUnderTheWorkedAndAPickFillsTheRow) {
    MainLogScreen& m = main();
    testing::log_qso(m, "IK2ABD", "001", "JN45LM");
    typed("ik2ab");
    EXPECT_EQ(partial_rows(m.aids.PartialList.text(), m.history.HistoryList.text()),
              (std::vector<PartialRow>{{PartialRow::Kind::worked, "IK2ABD      JN45LM"},
                                       {PartialRow::Kind::heading, "Storico"},
                                       {PartialRow::Kind::history, "IK2ABC      JN45LL", 0},
                                       {PartialRow::Kind::history, "IK2ABC/P    JN55AA", 1}}));
    EXPECT_EQ(typed("i"), "");
    EXPECT_EQ(m.history.HistoryList.text(), "");  // as the worked ones, from two characters
    typed("C/");
    m.history.Pick(0);
    EXPECT_EQ(texts({&m.Text6, &m.Text10, &m.history.FilledLocator, &m.history.HistoryMark}),
              (Strings{"IK2ABC/P", "JN55AA", "JN55AA", "Storico: JN55AA (20/07/2019)"}));
    EXPECT_EQ(m.focused(), &m.Text9);
    EXPECT_FALSE(m.Label13.text().empty());
}

TEST_F(HistoryTyping, ImportedLogsAreToldInOneMessageAndKnownAtOnce) {
    MainLogScreen& m = main();
    typed("ZZ9XAB");
    m.history.ImportClick();  // cancelled
    EXPECT_EQ(fake.dir.read("storico.txt"), kHistory);
    fake.files.chosen = {std::string(ZELORA_TEST_DATA) + "/history/zelora.edi",
                         std::string(ZELORA_TEST_DATA) + "/history/binary.edi"};
    m.history.ImportClick();
    EXPECT_EQ(
        fake.messages.shown,
        std::vector{critical("Importati 3 nominativi da 1 file\nFile non letti: binary.edi")});
    EXPECT_EQ(fake.dir.read("storico.txt"),
              "IK0AAA#JN61FV#20200719\r\nIK2ABC#JN45LL#20200719\r\nIK2ABC/P#JN55AA#20190720\r\n"
              "IK2ABD#JN45LM#20180101\r\nZZ9XA#JN61FV#20200719\r\nZZ9XAB#JN81GD#20200719\r\n");
    EXPECT_EQ(m.history.HistoryMark.text(), "Storico: JN81GD (19/07/2020)");
}

TEST_F(HistoryTyping, NuovoContestLearnsTheContestItReplaces) {
    // Saved at 07.20 on 19/07/2020: learned with that date, over an older locator.
    testing::log_qso(main(), "IK2ABD", "001", "JN45LX");
    main().Command10_Click();  // back to the start dialog: saved, no main window
    windows->get<StartScreen>().Command2_Click();
    const std::string learned =
        "IK2ABC#JN45LL#20200719\r\nIK2ABC/P#JN55AA#20190720\r\nIK2ABD#JN45LX#20200719\r\n"
        "ZZ9XA#JN61FV#20200719\r\n";
    EXPECT_EQ(fake.dir.read("storico.txt"), learned);

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
