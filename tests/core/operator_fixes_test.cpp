// Wrong data the operator could not see: a QSO number that is no number or repeats, statistics
// that disagree with the log shown.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/contest_session.h"
#include "windows/start_screen.h"
#include "windows/statistics_screen.h"

namespace zelora {
namespace {

using testing::ContestSession;
using testing::information;
using Messages = std::vector<testing::ShownMessage>;

TEST(OperatorFixes, QsoNumberIsDigitsAndTheNextFollowsTheHighestLogged) {
    ContestSession s;
    MainLogScreen& m = s.main();
    for (const char* typed : {"", "AB", "1A", "0x1"}) {
        SCOPED_TRACE(typed);
        m.Text1.set(typed);
        testing::log_qso(m, "ZZ9XA", "005", "JN61FV");
        EXPECT_EQ(s.fake.messages.shown, Messages{information("Numero QSO errato")});
        EXPECT_EQ(m.focused(), &m.Text1);
        EXPECT_TRUE(m.Text12.empty());
        s.fake.messages.shown.clear();
    }
    const std::array<std::string, 3> rows[] = {
        {"7", "007", "008"}, {"010", "010", "011"}, {"005", "005", "011"}};
    for (const auto& [typed, logged, next] : rows) {
        m.Text1.set(typed);
        testing::log_qso(m, "ZZ9X" + typed, "005", "JN61FV");
        EXPECT_EQ(m.Text12.lines().back().substr(0, 3), logged);
        EXPECT_EQ(m.Text1.text(), next);
    }
    EXPECT_TRUE(s.fake.messages.shown.empty());
}

TEST(OperatorFixes, StatisticsFollowTheReadableLogOfARestoredContest) {
    const std::string edited =
        "LISTA_QSO 001   19/07/20   08.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\n"
        "LISTA_QSO 002   19/07/20   09.21   144Mhz    CW   IK0ABCDEF/P599-011  JN45LL   I003\r\n"
        "QSO_EDI 200719;0720;ZZ9XB;1;59;001;59;005;;KN01AA;293;;;;\r\n"
        "QSO_EDI 200719;0721;ZZ9XC;0;599;002;599;011;I003;JN71AA;210;;;;\r\n";
    ContestSession s(testing::kStationConfig, {{"parziale.db", "QSO# 003\r\n" + edited}});
    s.get<StartScreen>().Command1_Click();
    s.main().Command6_Click();  // "STAT"
    const StatisticsScreen& statistics = s.get<StatisticsScreen>();
    EXPECT_EQ(statistics.List1,
              (std::vector<std::string>{"778Km - IK0ABCDEF/P - JN45LL", "350Km - ZZ9XA - JN61FV"}));
    EXPECT_EQ(statistics.Text2.text(), "JN61 - JN45 - ");
    EXPECT_EQ(statistics.hour_qsos, (std::array<int, kContestHours>{0, 1, 1, 0, 0, 0}));
}

}  // namespace
}  // namespace zelora
