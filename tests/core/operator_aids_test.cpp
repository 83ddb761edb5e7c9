// The operator aids of the main window: duplicate mark, partial check, member hint, QSO rate.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/log_search.h"
#include "support/contest_session.h"
#include "windows/main_log_screen.h"
#include "windows/member_list_screen.h"
#include "windows/start_screen.h"

namespace zelora {
namespace {

using Strings = std::vector<std::string>;
using testing::texts;

struct Aids : ::testing::Test, testing::ContestSession {
    Aids()
        : ContestSession(testing::kStationConfig,
                         {{"iqrp.txt", "IK2ABC#7\r\nZZ9XB#9\r\nIK2ABC#12\r\n"},
                          {"mqc.txt", "ZZ9XB#45\r\nOE3XYZ#3\r\n"}}) {}
    // Logs `callsign` at the clock's UTC hour and minute.
    void log(const std::string& callsign, const std::string& locator = "JN61FV") {
        testing::type_qso(main(), callsign, "001", locator);
        ASSERT_TRUE(main().AcceptQso()) << callsign;
    }
    void at(int day, int hour, int minute) { fake.clock.utc = {2020, 7, day, hour, minute, 30}; }
    Strings shown(const std::string& typed) {
        main().Text6.set(typed);
        const OperatorAids& aids = main().aids;
        return {aids.DupeMark.text(), aids.PartialList.text(), aids.MemberHint.text()};
    }
};

TEST_F(Aids, TypingKeyByKeyShowsDupePartialListAndMemberHint) {
    at(19, 7, 5);
    log("ZZ9XA");
    at(19, 7, 12);
    log("IK2ABC/P", "JN45LL");
    at(19, 19, 4);
    log("ZZ9XAB", "KN01AA");
    const std::tuple<std::string, Strings> rows[] = {
        {"z", {"", "", ""}},
        {"zz", {"", "ZZ9XAB      KN01AA\nZZ9XA       JN61FV\n", ""}},
        {"zz9xa", {"DUPE 001 07.05", "ZZ9XAB      KN01AA\nZZ9XA       JN61FV\n", ""}},
        {"zz9xab", {"DUPE 003 19.04", "ZZ9XAB      KN01AA\n", ""}},
        {"zz9xabc", {"", "", ""}},
        {"zz9xb", {"", "", "I-QRP I009"}},  // in both lists: the serial box fills I-QRP
        {"oe3xyz/p", {"", "", "MQC M003"}},
        {"ik2abc", {"", "IK2ABC/P    JN45LL\n", "I-QRP I012"}},  // last entry of the list
        {"ik2abc/p", {"DUPE 002 07.12", "IK2ABC/P    JN45LL\n", "I-QRP I012"}},
        {"/p", {"", "IK2ABC/P    JN45LL\n", ""}},
        {"\xC0\xC8", {"", "", ""}},
        {"", {"", "", ""}},
    };
    for (const auto& [typed, expected] : rows) EXPECT_EQ(shown(typed), expected) << typed;
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(Aids, TheMarkAgreesWithTheRefusalOfOkAndClearsWithTheEntryRow) {
    log("ZZ9XA");
    EXPECT_EQ(shown("ZZ9XA")[0], "DUPE 001 07.20");
    main().Text9.set("002");
    main().Text10.set("JN61FV");
    EXPECT_FALSE(main().AcceptQso());
    EXPECT_EQ(fake.messages.texts(),
              Strings{"QSO non valido, la stazione risulta gi\xE0 collegata"});
    EXPECT_EQ(shown(main().Text6.text()), (Strings{"", "", ""}));
}

TEST_F(Aids, PartialListHoldsTenCallsignsMostRecentFirst) {
    for (int n = 0; n < 14; ++n) log("ZZ" + std::to_string(10 + n));
    std::string expected;
    for (int n = 23; n > 13; --n) expected += "ZZ" + std::to_string(n) + "        JN61FV\n";
    EXPECT_EQ(shown("ZZ")[1], expected);
}

QsoRecord worked(std::string callsign) {
    QsoRecord qso;
    qso.callsign = std::move(callsign);
    return qso;
}

// The most recent QSOs of different callsigns containing `text`, the plain way.
std::vector<std::size_t> reference(const QsoIndex& index, const std::string& text,
                                   std::size_t limit) {
    std::vector<std::size_t> found;
    Strings listed;
    for (std::size_t qso = index.qsos().size(); qso-- > 0 && found.size() < limit;) {
        const std::string& callsign = index.qsos()[qso].callsign;
        if (callsign.find(text) == std::string::npos ||
            std::find(listed.begin(), listed.end(), callsign) != listed.end()) {
            continue;
        }
        listed.push_back(callsign);
        found.push_back(qso);
    }
    return found;
}

TEST_F(Aids, LogSearchFindsAcrossBlocksOnceEachCallsignAfterCorrections) {
    QsoIndex index;
    for (int n = 0; n < 600; ++n) index.add(worked("ZZ" + std::to_string(1000 + n)));
    LogSearch search;
    for (const bool corrected : {false, true}) {
        if (corrected) index.replace(598, worked("ZZ1599"));  // listed once, at its latest QSO
        search.sync(index);
        for (const char* text : {"Z100", "Z1", "10", "99", "1599", "ZZ1000", "X1"}) {
            for (const std::size_t limit : {2u, 10u}) {
                EXPECT_EQ(search.containing(text, limit), reference(index, text, limit)) << text;
            }
        }
    }
    EXPECT_EQ(search.containing("Z100", 10).size(), 10u);
    EXPECT_TRUE(search.containing("0\nZZ", 10).empty());
    EXPECT_EQ(search.last_qso_of("ZZ1598"), std::nullopt);
    index.add(worked("ZZ1599"));
    search.sync(index);
    EXPECT_EQ(search.last_qso_of("ZZ1599"), 600u);
}

TEST_F(Aids, RateCountsTheLastTenAndSixtyMinutesAgainstTheClock) {
    // QSOs at 23.05, 23.50, 23.55 on the 19th and 00.01 on the 20th, one logged late.
    at(19, 23, 5);
    log("ZZ9XA");
    at(19, 23, 55);
    log("ZZ9XC");
    at(19, 23, 50);
    log("ZZ9XB");
    at(20, 0, 1);
    log("ZZ9XD");
    const OperatorAids& aids = main().aids;
    EXPECT_EQ(texts({&aids.Rate10, &aids.Rate60}), (Strings{"12", "4"}));  // after each QSO
    // Clock, then rate 10' and rate 60'.
    const std::tuple<DateTime, Strings> rows[] = {
        {{2020, 7, 20, 0, 4, 59}, {"12", "4"}},  // 23.05 is 59 minutes old: still counted
        {{2020, 7, 20, 0, 5, 0}, {"6", "3"}},    // 23.55 is 10 minutes old
        {{2020, 7, 20, 1, 0, 0}, {"0", "1"}},
        {{2020, 7, 19, 23, 52, 0}, {"6", "2"}},  // the clock set back: later QSOs not counted
        {{2020, 7, 18, 23, 55, 0}, {"0", "0"}},  // a day back
        {{2021, 7, 20, 0, 1, 0}, {"0", "0"}},    // a year on
    };
    for (const auto& [now, rates] : rows) {
        fake.clock.utc = now;
        main().aids.RefreshRate();
        EXPECT_EQ(texts({&aids.Rate10, &aids.Rate60}), rates) << now.hour << "." << now.minute;
    }
}

TEST_F(Aids, ARestoredContestIsCheckedAndCounted) {
    at(19, 7, 20);
    log("ZZ9XA");
    main().SavePartialState();
    windows.close(WindowId::main_log);
    at(19, 7, 25);
    start_program(windows);
    windows.get<StartScreen>().Command1_Click();  // "Continua Contest"
    EXPECT_EQ(shown("ZZ9XA"), (Strings{"DUPE 001 07.20", "ZZ9XA       JN61FV\n", ""}));
    EXPECT_EQ(texts({&main().aids.Rate10, &main().aids.Rate60}), (Strings{"6", "1"}));
}

TEST_F(Aids, MemberListsAreReadAtLoadAndAfterAnAdditionOnly) {
    EXPECT_EQ(shown("ZZ9XC")[2], "");
    fake.dir.write("iqrp.txt", "ZZ9XC#1\r\n");  // changed behind the window's back
    EXPECT_EQ(shown("ZZ9XC/P")[2], "");
    MemberListScreen& lists = windows.get<MemberListScreen>();
    lists.Combo1.set("MQC");
    lists.Text6.set("ZZ9XD");
    lists.Command3_Click();  // "Aggiungi": both files written, main window reads them again
    EXPECT_EQ(main().aids.MemberHint.text(), "I-QRP I001");
    EXPECT_EQ(shown("ZZ9XD")[2], "MQC M003");
}

TEST_F(Aids, MissingOrUnreadableListsGiveNoHintAndNoMessage) {
    for (bool unreadable : {false, true}) {
        windows.close(WindowId::main_log);
        std::filesystem::remove_all(fake.dir.file("iqrp.txt"));
        std::filesystem::remove_all(fake.dir.file("mqc.txt"));
        if (unreadable) {
            fake.dir.block("iqrp.txt");
            fake.dir.block("mqc.txt");
        }
        fake.messages.shown.clear();
        start_program(windows);
        EXPECT_EQ(shown("IK2ABC")[2], "");
        EXPECT_TRUE(fake.messages.shown.empty());
    }
}

}  // namespace
}  // namespace zelora
