// Wrong data the operator could not see: a station locator that is no place, a QSO number that
// is no number or repeats, statistics that disagree with the log shown, ";" in the EDI header.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/text.h"
#include "core/station_profile.h"
#include "support/contest_session.h"
#include "windows/edi_header_screen.h"
#include "windows/edi_save_screen.h"
#include "windows/start_screen.h"
#include "windows/station_screen.h"
#include "windows/statistics_screen.h"

namespace zelora {
namespace {

using namespace std::string_literals;
using testing::ContestSession;
using testing::information;
using Messages = std::vector<testing::ShownMessage>;

constexpr const char* kOwnLocatorRefusal =
    "Locatore della stazione errato: correggere i dati della stazione";

TEST(OperatorFixes, OwnLocatorIsCheckedAsAQsoLocatorIs) {
    const std::pair<std::string, bool> rows[] = {
        {"jn61fa", true},  {"AA00AA", true},  {"RR99XX", true},  {"jn61f", false},
        {"ZZ99ZZ", false}, {"SN61FA", false}, {"JS61FA", false}, {"JN61FY", false},
        {"JN6AFA", false}, {"JN61F1", false}, {"JN81", false},   {"", false}};
    for (const auto& [locator, valid] : rows) {
        SCOPED_TRACE(locator);
        {  // typed into the station window
            ContestSession s;
            StationScreen& station = s.get<StationScreen>();
            station.Text1.set("ZZ9QX");
            station.Text2.set(locator);
            s.fake.messages.shown.clear();
            station.Command1_Click();
            EXPECT_EQ(s.open(WindowId::station), !valid);
            EXPECT_EQ(s.fake.dir.read("config.txt"),
                      valid ? station_profile_text("ZZ9QX", to_upper(locator), "", "")
                            : testing::kStationConfig);
            EXPECT_EQ(s.fake.messages.shown,
                      valid ? Messages{} : Messages{information("Locatore errato")});
            if (!valid) {
                EXPECT_EQ(station.focused(), &station.Text2);
            }
        }
        {  // a config.txt edited by hand
            ContestSession s("Call = ZZ9QX\r\nLocator = " + locator + "\r\n");
            s.fake.messages.shown.clear();
            testing::log_qso(s.main(), "ZZ9XA", "005", "JN61FV");
            EXPECT_EQ(s.main().Text12.size(), valid ? 1u : 0u);
            EXPECT_EQ(s.fake.messages.shown,
                      valid ? Messages{} : Messages{information(kOwnLocatorRefusal)});
        }
        {  // a QSO's locator, by the same rule
            ContestSession s;
            testing::log_qso(s.main(), "ZZ9XA", "005", locator);
            EXPECT_EQ(s.main().Text12.size(), valid ? 1u : 0u);
            EXPECT_EQ(s.fake.messages.shown,
                      valid ? Messages{} : Messages{information("Locatore errato")});
        }
    }
}

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

TEST(OperatorFixes, RestoredQsoNumberFollowsTheHighestLogged) {
    const std::string log =
        "LISTA_QSO 001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   \r\n"
        "LISTA_QSO 007   19/07/20   07.21   144Mhz   SSB   ZZ9XB       59-005   JN61FV   \r\n"
        "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n"
        "QSO_EDI 200719;0721;ZZ9XB;1;59;007;59;005;;JN61FV;350;;;;\r\n";
    const std::pair<std::string, std::string> rows[] = {
        {"QSO# 012", "012"}, {"QSO# AB", "008"}, {"QSO# 005", "008"}, {"QSO# 0\0"s, "008"}};
    for (const auto& [line, next] : rows) {
        SCOPED_TRACE(line);
        ContestSession s(testing::kStationConfig, {{"parziale.db", line + "\r\n" + log}});
        s.get<StartScreen>().Command1_Click();  // "Continua Contest"
        EXPECT_EQ(s.main().Text1.text(), next);
        testing::log_qso(s.main(), "ZZ9XC", "005", "JN61FV");
        EXPECT_EQ(s.main().Text14.lines().back().substr(0, 26), "200719;0720;ZZ9XC;1;59;" + next);
    }
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

TEST(OperatorFixes, EdiHeaderBoxesDropTheFieldSeparator) {
    ContestSession s;
    EdiHeaderScreen& h = s.get<EdiHeaderScreen>();
    for (Control* box :
         {&h.Text2,  &h.Text3,  &h.Text4,  &h.Combo1, &h.Text6,  &h.Text7,  &h.Text8,
          &h.Text9,  &h.Text10, &h.Text11, &h.Text12, &h.Text13, &h.Text14, &h.Text15,
          &h.Text16, &h.Text17, &h.Text18, &h.Text19, &h.Text20, &h.Text21}) {
        box->set("1;0");
        EXPECT_EQ(box->text(), "10");
    }
    h.Text22.set("a;b\r\nc");  // the remarks are free lines of their own
    h.Text2.set("IZ0TST;X");
    h.Command2_Click();  // "Crea EDI"
    const std::string log = s.get<EdiSaveScreen>().Text1.text();
    for (const char* line : {"\r\nPCall=IZ0TSTX\r\n", "\r\nSAntH=10;10\r\n", "\r\na;b\r\nc\r\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace zelora
