// The statistics and report windows worked through the main window: countries, ranking order,
// hours, sectors, squares, the report's bytes and its file.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/window_set.h"
#include "stats/contest_statistics.h"
#include "stats/country_prefixes.h"
#include "stats/ranking_order.h"
#include "support/contest_session.h"
#include "windows/main_log_screen.h"
#include "windows/report_screen.h"
#include "windows/start_screen.h"
#include "windows/statistics_screen.h"

namespace zelora {
namespace {

using Strings = std::vector<std::string>;
using testing::texts;

TEST(CountryPrefixTable, EveryRowAndTheLastMatchWins) {
    // callsign=country|...; no country: not in the table.
    const std::string rows =
        "3A2AA=Monaco|4X1AA=Israel|4Z5AA=Israel|5A1A=Lybia|5B4AA=Cyprus|C4A=Cyprus|"
        "P3A=Cyprus|7T1A=Algeria|7Y1A=Algeria|4O3A=Montenegro|7S2A=Sweden|8S2A=Sweden|"
        "9H1A=Malta|9A2AA=Croatia|CT1AA=Portugal|E71A=Bosnia-Herzegovina|EA3AA=Spain|"
        "EH1A=Spain|EA6AA=Balearic Is.|EA8AA=Canary Is.|EA9AA=Ceuta & Melilla|EAXAA=|"
        "EI2A=Ireland|EJ2A=Ireland|ES1AA=Estonia|EW1AA=Belarus|EU1A=Belarus|F5AA=France|"
        "FA5AA=|G4AA=England|GX4AA=England|M0AAA=England|GI4AA=Northen Ireland|"
        "GN4A=Northen Ireland|GM4AA=Scotland|GS4A=Scotland|GW4AA=Wales|GC4A=Wales|"
        "HA5AA=Hungary|HG5A=Hungary|HB9AA=Switzerland|HV1A=Vatican|IK0AA=Italy|"
        "IS0AA=Sardinia|IM0AA=Sardinia|IS1AA=Italy|JY1A=Jordan|LA1A=Norway|LN1A=Norway|"
        "J41A=Greece|LX1A=Luxembourg|LY1A=Lithuania|LZ1A=Bulgaria|OH1A=Finland|"
        "OK1AA=Czech Republic|OL1A=Czech Republic|OD5A=Lebanon|OE1A=Austria|"
        "OM3A=Slovak Republic|ON4A=Belgium|OT4A=Belgium|PA3A=Netherlands|S51A=Slovenia|"
        "SP1A=Poland|SM1A=Sweden|OU1A=Denmark|OZ1A=Denmark|SV1AA=Greece|SV2ASP/A=Mount Athos|"
        "SV5AA/A=Dodecanese|J45A=Dodecanese|SV9AA=Crete|J49A=Crete|TA1A=Turkey|"
        "T77A=San Marino|TK5A=Corsica|UA3A=European Russia|RA3AA=European Russia|"
        "UA9AA=Asiatic Russia|RA0AA=Asiatic Russia|UA2F=Kaliningrad|RA2F=Kaliningrad|"
        "YU1A=Serbia|YT1A=Serbia|ZA1A=Albania|Z31A=Macedonia|Z61A=Republic of Kosovo|"
        "YO3A=Romania|UR5A=Ukraine|EO5A=Ukraine|EM5A=Ukraine|DL1AA=Germany|DA1A=Germany|"
        "DS1AA=|ik0aa=|Q=|=";
    std::istringstream table(rows);
    for (std::string row; std::getline(table, row, '|');) {
        const std::string callsign = row.substr(0, row.find('='));
        const char* found = country_of(callsign);
        EXPECT_EQ(found ? found : "", row.substr(callsign.size() + 1)) << callsign;
    }
}

TEST(RankingOrder, TiesEndAsTheExchangeSortLeavesThem) {
    const std::pair<std::vector<std::int64_t>, std::vector<std::size_t>> rows[] = {
        {{}, {}},
        {{120, 350, 120, 540}, {3, 1, 2, 0}},
        {{100, 100, 200}, {2, 1, 0}},
        {{2, 1, 1, 1, 0, 3}, {5, 0, 2, 3, 1, 4}},
        {{3, 3, 3, 1, 3}, {0, 1, 2, 4, 3}},
        {{0, 1, 0}, {1, 0, 2}},
    };
    for (const auto& [distances, order] : rows) EXPECT_EQ(ranking_order(distances), order);
}

TEST(Sectors, EveryBearingInExactlyOneSector) {
    const std::pair<double, int> rows[] = {{0, 0},    {29, 0},   {30, 1},   {60, 2},  {329, 10},
                                           {330, 11}, {359, 11}, {360, 11}, {-1, -1}, {361, -1}};
    for (const auto& [bearing, sector] : rows) EXPECT_EQ(sector_of(bearing), sector) << bearing;
}

// One run of the program at JN81GD, on-line, logging through the main window.
struct Statistics : ::testing::Test, testing::ContestSession {
    StatisticsScreen& statistics() { return windows.get<StatisticsScreen>(); }
    ReportScreen& report() { return windows.get<ReportScreen>(); }
    void log(int hour, int minute, const std::string& callsign, const std::string& locator) {
        fake.clock.utc = {2020, 7, 19, hour, minute, 0};
        testing::log_qso(main(), callsign, "001", locator);
    }
};

const std::string kGrid =
    "JO14JO24JO34JO44JO54JO64JO74JO84JO94KO04KO14KO24KO34\r\n"
    "JO13JO23JO33JO43JO53JO63JO73JO83JO93KO03KO13KO23KO33\r\n"
    "JO12JO22JO32JO42JO52JO62JO72JO82JO92KO02KO12KO22KO32\r\n"
    "JO11JO21JO31JO41JO51JO61JO71JO81JO91KO01KO11KO21KO31\r\n"
    "JO10JO20JO30JO40JO50JO60JO70JO80JO90KO00KO10KO20KO30\r\n"
    "JN19JN29JN39JN49JN59JN69JN79JN89JN99KN09KN19KN29KN39\r\n"
    "JN18JN28JN38JN48JN58JN68JN78JN88JN98KN08KN18KN28KN38\r\n"
    "JN17JN27JN37JN47JN57JN67JN77JN87JN97KN07KN17KN27KN37\r\n"
    "JN16JN26JN36JN46JN56JN66JN76JN86JN96KN06KN16KN26KN36\r\n"
    "JN15JN25JN35JN45JN55JN65JN75JN85JN95KN05KN15KN25KN35\r\n"
    "JN14JN24JN34JN44JN54JN64JN74JN84JN94KN04KN14KN24KN34\r\n"
    "JN13JN23JN33JN43JN53JN63JN73JN83JN93KN03KN13KN23KN33\r\n"
    "JN12JN22JN32JN42JN52JN62JN72JN82JN92KN02KN12KN22KN32\r\n"
    "JN11JN21JN31JN41JN51JN61JN71JN81JN91KN01KN11KN21KN31\r\n"
    "JN10JN20JN30JN40JN50JN60JN70JN80JN90KN00KN10KN20KN30\r\n"
    "JM19JM29JM39JM49JM59JM69JM79JM89JM99KM09KM19KM29KM39\r\n"
    "JM18JM28JM38JM48JM58JM68JM78JM88JM98KM08KM18KM28KM38\r\n"
    "JM17JM27JM37JM47JM57JM67JM77JM87JM97KM07KM17KM27KM37\r\n"
    "JM16JM26JM36JM46JM56JM66JM76JM86JM96KM06KM16KM26KM36";

// The grid with the given squares blanked.
std::string grid_without(const Strings& squares) {
    std::string map = kGrid;
    for (const std::string& square : squares) map.replace(map.find(square), 4, "    ");
    return map;
}

std::string hours(const Strings& counts) {
    const char* labels[] = {"07-08", "08-09", "09-10", "10-11", "11-12", "12-13"};
    std::string text;
    for (int i = 0; i < 6; ++i) text += std::string(labels[i]) + " =    " + counts[i] + "\r\n";
    return text;
}

std::string sectors(const std::vector<int>& counts) {
    const char* labels[] = {"   0-30", "  30-60", "  60-90", " 90-120", "120-150", "150-180",
                            "180-210", "210-240", "240-270", "270-300", "300-330", "330-359"};
    std::string text;
    for (int i = 0; i < 12; ++i) {
        text += std::string(labels[i]) + "\xB0  - " + std::to_string(counts[i]) + "\r\n";
    }
    return text;
}

std::string report_text(const Strings& ranking, const std::string& countries,
                        const std::string& squares, const std::string& hour_table,
                        const std::string& sector_table, const std::string& map) {
    std::string text =
        "###############################################\r\n"
        "######### STATISTICHE CONTEST ZELORA QRP  #####\r\n"
        "####################19/07/2020#################\r\n\r\n\r\n\r\n"
        "----------------------------------------\r\n"
        "                   TOP DX               \r\n"
        "----------------------------------------\r\n\r\n"
        "QRB     Call      SQR\r\n\r\n";
    for (const std::string& item : ranking) text += item + "\r\n";
    return text + "\r\n\r\n####  DXCC  LAVORATI  ######\r\n\r\n" + countries +
           "\r\n\r\n\r\n####  SQR   LAVORATI  ######\r\n\r\n" + squares +
           "\r\n\r\n\r\n####  QSO per ORA  ######\r\n\r\n" + hour_table +
           "\r\n\r\n\r\n####  QSO per QTF     ######\r\n\r\n" + sector_table +
           "\r\n\r\n\r\n####  MAPPA dei QSO   ######\r\n\r\n" + map +
           "\r\n\r\n\r\n---- Zelora qrp Test - by ZZ9AAA ----\r\n";
}

TEST_F(Statistics, EmptyLogReportSavedTwice) {
    main().Command6_Click();
    StatisticsScreen& s = statistics();
    EXPECT_TRUE(s.visible());
    const Strings zero(6, "0 - 0");
    const std::string empty_report =
        report_text({}, "", "", hours(zero), sectors(std::vector(12, 0)), kGrid);
    const Strings lines = split_lines(empty_report);
    for (int banner = 0; banner < 3; ++banner) EXPECT_EQ(lines[banner].size(), 47u);
    EXPECT_EQ(texts({&s.Text1, &s.Text2, &s.Text3, &s.Text4, &s.Text5}),
              (Strings{kGrid, "", "", hours(zero), sectors(std::vector(12, 0))}));
    EXPECT_TRUE(s.List1.empty());

    report().Command1_Click();  // nothing to save yet
    EXPECT_FALSE(fake.dir.exists(kReportFileName));
    s.Command2_Click();
    s.Command2_Click();
    EXPECT_TRUE(report().visible());
    EXPECT_EQ(report().Text1.text(), empty_report + empty_report);
    s.Command1_Click();  // the report window stays
    EXPECT_FALSE(windows.is_open(WindowId::statistics));
    report().Command1_Click();
    EXPECT_EQ(fake.dir.read(kReportFileName), empty_report + empty_report + "\r\n");
    EXPECT_EQ(fake.messages.texts(), Strings{"Log salvato in " + fake.dir.file(kReportFileName)});
    main().Command3_Click();  // "Esci" closes the report window too
    EXPECT_TRUE(windows.finished());
}

TEST_F(Statistics, SmallContest) {
    log(7, 5, "IK0AAA", "JN61FV");     // 350 km, 285 degrees
    log(8, 10, "9A1AA", "JN81II");     // 27 km, 30 degrees
    log(9, 59, "GI4AAA", "JN81GD");    // the own sub-square: 0 km, 0 degrees
    log(9, 0, "EI2AAA", "JO81GD");     // 1109 km, 360 degrees
    log(12, 59, "S51AA", "JN48QX");    // 1034 km, 330 degrees
    log(13, 0, "SV2AAA/A", "JN81GH");  // 18 km, 359 degrees, after the contest hours
    log(10, 30, "IK0BBB", "JN61FV");   // the same square again
    main().Command6_Click();
    StatisticsScreen& s = statistics();
    const Strings ranking = {"1109Km - EI2AAA - JO81GD", "1034Km - S51AA - JN48QX",
                             "350Km - IK0AAA - JN61FV",  "350Km - IK0BBB - JN61FV",
                             "27Km - 9A1AA - JN81II",    "18Km - SV2AAA/A - JN81GH",
                             "0Km - GI4AAA - JN81GD"};
    const std::string countries =
        "Italy - Croatia - Northen Ireland - Ireland - Slovenia - Mount Athos";
    const std::string squares = "JN61 - JN81 - JO81 - JN48 - ";
    const std::string hour_table =
        hours({"1 - 350", "1 - 27", "2 - 1109", "1 - 350", "0 - 0", "1 - 1034"});
    const std::string sector_table = sectors({1, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 3});
    const std::string map = grid_without({"JN61", "JN81", "JO81", "JN48"});
    EXPECT_EQ(s.List1, ranking);
    EXPECT_EQ(texts({&s.Text1, &s.Text2, &s.Text3, &s.Text4, &s.Text5}),
              (Strings{map, squares, countries, hour_table, sector_table}));

    main().Command6_Click();  // shown again, not computed again
    EXPECT_EQ(&statistics(), &s);
    s.Command2_Click();
    const std::string report =
        report_text(ranking, countries, squares, hour_table, sector_table, map);
    EXPECT_EQ(this->report().Text1.text(), report);
    fake.dir.block(kReportFileName);  // a directory in the way: cannot be replaced
    this->report().Command1_Click();
    EXPECT_EQ(fake.messages.shown, std::vector{testing::critical("Impossibile scrivere il file " +
                                                                 fake.dir.file(kReportFileName))});
    EXPECT_EQ(this->report().Text1.text(), report);

    s.Command1_Click();  // "Chiudi": the next "STAT" computes afresh
    log(11, 0, "IK0CCC", "JN45LL");
    main().Command6_Click();
    EXPECT_EQ(statistics().List1.front(), "1109Km - EI2AAA - JO81GD");
    EXPECT_EQ(statistics().List1.size(), 8u);
    main().Command10_Click();  // back to start: the next contest's "STAT" computes its own
    EXPECT_FALSE(windows.is_open(WindowId::statistics));
}

TEST_F(Statistics, FieldsComeFromEachQsoNotFromColumns) {
    main().Text1.set("1000");
    log(12, 59, "IK0ABCDEF/P", "JN61FV");  // 11 characters
    main().Command6_Click();
    StatisticsScreen& s = statistics();
    EXPECT_EQ(s.List1, Strings{"350Km - IK0ABCDEF/P - JN61FV"});
    EXPECT_EQ(texts({&s.Text2, &s.Text3, &s.Text4}),
              (Strings{"JN61 - ", "Italy",
                       hours({"0 - 0", "0 - 0", "0 - 0", "0 - 0", "0 - 0", "1 - 350"})}));
}

TEST_F(Statistics, RestoredLogWithOddLocators) {
    const std::string edi = "200719;0720;ZZ9XA;1;59;001;59;005;;";
    fake.dir.write("parziale.db", "QSO# 006\r\nQSO_EDI " + edi + "14JO;1;;;;\r\nQSO_EDI " + edi +
                                      "JNA1GD;1;;;;\r\nQSO_EDI " + edi +
                                      "JN61FV;1;;;;\r\nQSO_EDI " + edi + ";1;;;;\r\nQSO_EDI " +
                                      edi + "...;1;;;;\r\n");
    WindowSet again{fake.platform()};
    start_program(again);
    again.get<StartScreen>().Command1_Click();  // "Continua Contest"
    again.get<MainLogScreen>().Command6_Click();
    StatisticsScreen& s = again.get<StatisticsScreen>();
    // A rejected locator gives nothing for its QSO only; the junk square blanks no cell.
    EXPECT_EQ(s.List1, (Strings{"350Km - ZZ9XA - JN61FV", "0Km - ZZ9XA - JNA1GD",
                                "0Km - ZZ9XA - 14JO", "0Km - ZZ9XA - ", "0Km - ZZ9XA - ..."}));
    EXPECT_EQ(texts({&s.Text1, &s.Text2}),
              (Strings{grid_without({"JN61"}), "14JO - JNA1 - JN61 - ... - "}));
}

}  // namespace
}  // namespace zelora
