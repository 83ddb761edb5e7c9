// The main window worked as the operator works it; the entry row's checks are the rows of
// tests/data/tables/entry.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/contest_session.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"

namespace zelora {
namespace {

using testing::Strings;
using testing::texts;

struct MainLogFlow : ::testing::Test, testing::ContestSession {
    MainLogScreen& m = main();
};

TEST_F(MainLogFlow, SixCharacterLocatorShowsDistanceAndHeading) {
    const Control* labels[] = {&m.Label12, &m.Label13, &m.Label14,
                               &m.Label15, &m.Label16, &m.Label17};
    m.focus(m.Text10);
    m.Text10.set("jn61fv");
    EXPECT_EQ(texts({&m.Label13, &m.Label15}), (Strings{" 350", " 285"}));
    for (const Control* label : labels) EXPECT_TRUE(label->visible());
    EXPECT_TRUE(m.Line2.visible);
    for (const char* other : {"JN61F", "JN61FVA", ""}) {
        m.Text10.set(other);
        for (const Control* label : labels) EXPECT_FALSE(label->visible());
    }
}

TEST_F(MainLogFlow, LocatorBoxTakesUtcOnLineOnlyTheClockButtonLocalTimeOffLine) {
    fake.clock.local = {2020, 7, 20, 1, 30};  // past midnight, the UTC day not yet
    fake.clock.utc = {2020, 7, 19, 23, 30};
    m.focus(m.Text6);
    m.focus(m.Text10);
    EXPECT_EQ(texts({&m.Text2, &m.Text3}), (Strings{"19/07/20", "23.30"}));
    m.Command7_Click();
    m.Text2.set("18/07/20");
    m.Text3.set("10.00");
    m.focus(m.Text6);
    m.focus(m.Text10);
    EXPECT_EQ(texts({&m.Text2, &m.Text3}), (Strings{"18/07/20", "10.00"}));
    m.Command9_Click();
    EXPECT_EQ(texts({&m.Text2, &m.Text3}), (Strings{"20/07/20", "01.30"}));
    EXPECT_EQ(m.focused(), &m.Text2);
}

TEST_F(MainLogFlow, OnlyTheSameCallsignIsAlreadyWorkedAndItsRefusalClearsTheEntry) {
    log("ZZ9XAB");
    log("ZZ9XA");  // part of a logged call, still a new station
    log("ZZ9XAB", "JN45LL", "I003", "011", true);
    EXPECT_EQ(told(), Strings{"QSO non valido, la stazione risulta gi\xE0 collegata"});
    EXPECT_EQ(m.Text12.size(), 2u);
    // The entry is cleared for the next QSO; date, time, mode and report stay.
    EXPECT_EQ(
        texts({&m.Text6, &m.Text9, &m.Text10, &m.Text11, &m.Text2, &m.Text3, &m.Text5, &m.Text7}),
        (Strings{"", "", "", "", "19/07/20", "07.20", "CW", "599"}));
    EXPECT_EQ(m.focused(), &m.Text6);
    EXPECT_FALSE(m.Label12.visible() || m.Line2.visible);
    EXPECT_EQ(m.aids.DupeMark.text() + m.aids.PartialList.text(), "");  // cleared with the row
}

TEST_F(MainLogFlow, LoggedDistanceIsThatOfTheQsosOwnLocator) {
    testing::type_qso(m, "ZZ9XA", "005", "JN61FV");
    get<BearingCalculatorScreen>().SetLocator2("JN45LL");  // another calculation meanwhile
    EXPECT_EQ(m.Label13.text(), " 778");
    m.Command1_Click();
    EXPECT_EQ(m.Text14.text(), "200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n");

    // New own station data saved after the locator was typed: the QSO is now in the own square.
    testing::type_qso(m, "ZZ9XB", "005", "JN45LL");
    save_station("ZZ9QX", "JN45LL");
    m.Command1_Click();
    EXPECT_EQ(m.Text14.lines().back(), "200719;0720;ZZ9XB;1;59;002;59;005;;JN45LL;1;;;;");
    EXPECT_EQ(m.Label21.text(), "351");
}

TEST_F(MainLogFlow, EnterLeavesTheBoxThenLogsAndShowsTheBoxAtFaultOnARefusal) {
    testing::type_qso(m, "ZZ9", "005", "JN61FV");
    m.focus(m.Text10);
    fake.clock.utc = {2020, 7, 19, 8, 45};
    m.EnterPressed();  // refused: the locator box's arrival reaction does not run again
    EXPECT_EQ(m.Text3.text(), "07.20");
    EXPECT_EQ(m.focused(), &m.Text6);

    m.Command7_Click();
    m.focus(m.Text3);
    m.Text3.set("9:20");
    testing::type_qso(m, "ZZ9XA", "005", "JN61FV");
    m.focus(m.Text2);
    m.Text2.set("19/07/2020");
    m.EnterPressed();
    EXPECT_EQ(m.Text12.text(),
              "001   19/07/20   09.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\n");
    // Off-line the next QSO starts at the time, caret at its end.
    EXPECT_EQ(m.focused(), &m.Text3);
    EXPECT_EQ(m.Text3.caret(), 5u);
}

TEST_F(MainLogFlow, AwardFromThe25thIqrpMember) {
    for (int n = 1; n <= 25; ++n) {
        EXPECT_FALSE(m.Picture3.visible() || m.Label54.visible());
        m.Picture3_Click();
        EXPECT_FALSE(open(WindowId::award));
        log("ZZ9A" + std::to_string(100 + n), "JN61FV", "I" + std::to_string(n));
    }
    EXPECT_TRUE(m.Picture3.visible() && m.Label54.visible());
    m.Picture3_Click();
    EXPECT_TRUE(get<AwardScreen>().visible());
}

TEST_F(MainLogFlow, PartialStateWriteFailureIsToldOnceAndKeepsTheOldFile) {
    fake.dir.block("parziale.db");
    for (const char* call : {"ZZ9XA", "ZZ9XB", "ZZ9XC"}) log(call);
    EXPECT_EQ(told(), Strings{"!Impossibile scrivere il file <dir>/parziale.db"});
    EXPECT_EQ(fake.dir.read("parziale.db/keep"), "x");
    EXPECT_EQ(m.Text12.size(), 3u);

    std::filesystem::remove_all(fake.dir.file("parziale.db"));
    log("ZZ9XD");
    EXPECT_NE(fake.dir.read("parziale.db").find("CONTEST_QSO 4\r\n"), std::string::npos);
    fake.dir.block("parziale.db.tmp");  // what an earlier crash may leave never blocks a save
    log("ZZ9XE");
    EXPECT_NE(fake.dir.read("parziale.db").find("CONTEST_QSO 5\r\n"), std::string::npos);
    std::filesystem::remove(fake.dir.file("parziale.db"));
    fake.dir.block("parziale.db");
    log("ZZ9XF");
    EXPECT_EQ(told().size(), 1u);  // a new failure is told again
}

// The calculator window calculates only for another locator than the last; its results for pairs
// of locators are the rows of tests/data/tables/locator.txt, hostile bytes the locator
// fuzzer's corpus.
TEST_F(MainLogFlow, CalculatorUntouchedOrUnchangedCalculatesNothingAndExitDiscards) {
    BearingCalculatorScreen& c = get<BearingCalculatorScreen>();
    c.Command1_Click();  // Locator 2 still "..."
    EXPECT_EQ(texts({&c.Text3, &c.Text5, &c.Text6, &c.Text1, &m.Label13, &m.Label15}),
              (Strings{"JN81GD", "...", "...", "...", "", ""}));
    EXPECT_FALSE(c.visible());
    c.SetLocator2("JN61FV");
    c.SetLocator1("JN45LL");
    c.SetLocator2("JN61FV");  // the same text again
    EXPECT_EQ(texts({&m.Label13, &m.Label15}), (Strings{" 350", " 285"}));
    c.Command1_Click();
    EXPECT_EQ(texts({&m.Label13, &m.Label15}), (Strings{" 486", " 144"}));
    c.Command2_Click();
    EXPECT_FALSE(open(WindowId::bearing_calculator));
    EXPECT_EQ(get<BearingCalculatorScreen>().Text5.text(), "...");
}

}  // namespace
}  // namespace zelora
