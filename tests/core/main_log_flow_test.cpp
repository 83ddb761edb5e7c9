// The main window worked as the operator works it: typing, "OK", totals, award, crash safety.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/contest_session.h"
#include "windows/award_screen.h"
#include "windows/bearing_calculator_screen.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"
#include "windows/station_screen.h"

namespace zelora {
namespace {

using M = MainLogScreen;
using testing::texts;
using Strings = std::vector<std::string>;

// From JN81GD: JN61FV 350 km, JN45LL 778, KN01AA 293, JN71AA 210, JN60AA 400.
struct Qso {
    std::string callsign, locator, member, serial = "005";
};

// One run of the program, own locator JN81GD, on-line.
struct Session : testing::ContestSession {
    explicit Session(const std::string& own_locator = "JN81GD")
        : ContestSession("Call = ZZ9QX\r\nLocator = " + own_locator + "\r\n") {
        fake.messages.shown.clear();
    }
    void type(const Qso& q) {
        testing::type_qso(main(), q.callsign, q.serial, q.locator, q.member);
    }
    void log(const Qso& q) {
        type(q);
        main().Command1_Click();
    }
};

class MainLogFlow : public ::testing::Test, protected Session {
  protected:
    // The messages since the last call were these texts, as information boxes.
    void expect_told(const std::vector<std::string>& texts) {
        std::vector<testing::ShownMessage> boxes;
        for (const std::string& text : texts) boxes.push_back(testing::information(text));
        EXPECT_EQ(fake.messages.shown, boxes);
        fake.messages.shown.clear();
    }
};

TEST_F(MainLogFlow, BoxesCompleteTheirTextOnChangeOrWhenLeft) {
    using Typed = std::vector<std::pair<std::string, std::string>>;  // typed, then shown
    const std::pair<Control M::*, Typed> rows[] = {
        {&M::Text1, {{"1", "001"}, {"12", "012"}, {"1000", "1000"}}},
        {&M::Text2, {{"19/07/2020", "19/07/20"}, {"1/7/2020", "1/7/2020"}}},
        {&M::Text3, {{"9:20", "9.20"}}},
        {&M::Text9, {{"5", "005"}, {"12", "012"}, {"1234", "1234"}}},
        // A ";" would shift the EDI fields, a line break split the log.
        {&M::Text6, {{"zz9xa/p", "ZZ9XA/P"}, {"ZZ9;XA\r\n", "ZZ9XA"}}},
        {&M::Text10, {{"jn61fv", "JN61FV"}, {"JN6\t1F\x7FV", "JN61FV"}}},
        {&M::Text11, {{"i\xE0z", "I\xC0Z"}, {"I0;0\n3", "I003"}}},
    };
    for (const auto& [member, typed_shown] : rows) {
        for (const auto& [typed, shown] : typed_shown) {
            SCOPED_TRACE(typed);
            Control& box = main().*member;
            main().focus(box);
            box.set(typed);
            main().focus(main().Text4);
            EXPECT_EQ(box.text(), shown);
            if (member == &M::Text6) {
                EXPECT_EQ(box.caret(), box.text().size());
            }
        }
    }
}

TEST_F(MainLogFlow, UpAndDownSwitchModeAndReports) {
    // Mode, key, then mode, both reports and the caret after the key.
    const std::tuple<std::string, int, std::string, std::string, std::size_t> rows[] = {
        {"SSB", kKeyDown, "CW", "599", 2},
        {"CW", kKeyUp, "SSB", "59", 3},
        {"SSB", kKeyUp, "SSB", "59", 3},
        {"CW", 37, "CW", "57", 0},
        {"FM", kKeyDown, "FM", "57", 0}};
    M& m = main();
    for (const auto& [mode, key, new_mode, rst, caret] : rows) {
        m.Text5.set(mode);
        m.Text5.set_caret(0);
        m.Text7.set("57");
        m.Text8.set("57");
        m.Text5_KeyDown(key);
        EXPECT_EQ(texts({&m.Text5, &m.Text7, &m.Text8}), (Strings{new_mode, rst, rst}));
        EXPECT_EQ(m.Text5.caret(), caret);
    }
}

// The lookup's rules are the member lists' own; here: it runs as the serial box is entered.
TEST_F(MainLogFlow, SerialBoxLooksTheCallsignUp) {
    fake.dir.write("iqrp.txt", "ZZ9XA#3\r\n");
    for (const auto& [callsign, member] : {std::pair{"zz9xa/p", "I003"}, {"ZZ9XB", "M999"}}) {
        main().Text11.set("M999");
        main().focus(main().Text6);
        main().Text6.set(callsign);
        EXPECT_EQ(main().Text11.text(), "M999");
        main().focus(main().Text9);
        EXPECT_EQ(main().Text11.text(), member) << callsign;
    }
}

TEST_F(MainLogFlow, SixCharacterLocatorShowsDistanceAndHeading) {
    M& m = main();
    const Control* labels[] = {&m.Label12, &m.Label13, &m.Label14,
                               &m.Label15, &m.Label16, &m.Label17};
    m.focus(m.Text10);
    m.Text10.set("jn61fv");
    EXPECT_EQ(m.Label13.text(), " 350");
    EXPECT_EQ(m.Label15.text(), " 285");
    for (const Control* label : labels) EXPECT_TRUE(label->visible());
    EXPECT_TRUE(m.Line2.visible);
    for (const char* other : {"JN61F", "JN61FVA", ""}) {
        m.Text10.set(other);
        for (const Control* label : labels) EXPECT_FALSE(label->visible());
        EXPECT_EQ(m.Label13.text(), " 350");
    }
}

TEST_F(MainLogFlow, LocatorBoxTakesUtcOnLineOnlyTheClockButtonLocalTimeOffLine) {
    const std::tuple<DateTime, DateTime, std::string, std::string> rows[] = {
        {{2020, 7, 20, 1, 30}, {2020, 7, 19, 23, 30}, "19/07/20", "23.30"},   // across midnight
        {{2020, 10, 25, 2, 30}, {2020, 10, 25, 1, 30}, "25/10/20", "01.30"},  // summer time ends
        {{2020, 10, 25, 3, 5}, {2020, 10, 25, 2, 5}, "25/10/20", "02.05"}};
    M& m = main();
    for (const auto& [local, utc, date, time] : rows) {
        fake.clock.local = local;
        fake.clock.utc = utc;
        m.focus(m.Text6);
        m.focus(m.Text10);
        EXPECT_EQ(texts({&m.Text2, &m.Text3}), (Strings{date, time}));
    }
    m.Command7_Click();
    m.Text2.set("18/07/20");
    m.Text3.set("10.00");
    m.focus(m.Text6);
    m.focus(m.Text10);
    EXPECT_EQ(texts({&m.Text2, &m.Text3}), (Strings{"18/07/20", "10.00"}));
    fake.clock.local = {2020, 7, 20, 1, 30};
    m.Command9_Click();
    EXPECT_EQ(texts({&m.Text2, &m.Text3}), (Strings{"20/07/20", "01.30"}));
    EXPECT_EQ(m.focused(), &m.Text2);
}

TEST_F(MainLogFlow, AcceptRefusesInTheOrderOfItsChecks) {
    const std::string date_format = "Inserire la data del QSO nel formato DD/MM/YY";
    const std::string time_format = "Inserire l'ora del QSO nel formato HH:MM";
    const std::string wrong = "Locatore errato";
    const std::string d = "19/07/20";
    const Qso good{"ZZ9XA", "JN61FV", ""};
    const auto with = [](std::string locator, std::string member) {
        return Qso{"ZZ9XA", std::move(locator), std::move(member)};
    };
    // Date, time, QSO, message (none: refused without a word), focus after, time after.
    using Row = std::tuple<std::string, std::string, Qso, std::string, Control M::*, std::string>;
    const Row rows[] = {
        {"19/07/2", "7.20", good, date_format, &M::Text2, "07.20"},
        {"32/07/20", "7.20", good, date_format, &M::Text2, "07.20"},
        {"31/04/20", "7.20", good, date_format, &M::Text2, "07.20"},
        {"29/02/21", "7.20", good, date_format, &M::Text2, "07.20"},
        {"00/07/20", "7.20", good, date_format, &M::Text2, "07.20"},
        {"19/13/20", "7.20", good, date_format, &M::Text2, "07.20"},
        {"0/12/267", "7.20", good, date_format, &M::Text2, "07.20"},
        {"19-07-20", "7.20", good, date_format, &M::Text2, "07.20"},
        {d, "25.70", good, time_format, &M::Text3, "25.70"},
        {d, "24.00", good, time_format, &M::Text3, "24.00"},
        {d, "07.60", good, time_format, &M::Text3, "07.60"},
        {d, "0a.20", good, time_format, &M::Text3, "0a.20"},
        {d, "07,20", good, time_format, &M::Text3, "07,20"},
        {d, "7.2", good, time_format, &M::Text3, "07.2"},
        {d, "072", good, time_format, &M::Text3, "072"},
        {d, "7.20", with("JN61", "X123"), "Es. di formato corretto: I003 o M123", &M::Text11,
         "07.20"},
        {d, "07.20", with("JN61FV", "I1101"), "Membro IQRP errato", &M::Text11, "07.20"},
        {d, "07.20", with("JN61FV", "I12345"), "Membro IQRP errato", &M::Text11, "07.20"},
        {d, "07.20", with("JN61FV", "M601"), "Membro MQC errato", &M::Text11, "07.20"},
        {d, "07.20", with("JN61", ""), wrong, &M::Text10, "07.20"},
        {d, "07.20", with("JNA1GD", ""), wrong, &M::Text10, "07.20"},
        {d, "07.20", Qso{"ZZ9", "JN61FV", "", "12"}, "", &M::Text6, "07.20"},
        {d, "07.20", Qso{"ZZ9XA", "JN61FV", "", "1234"}, "", &M::Text9, "07.20"},
        {d, "07.20", with("JN61FVA", ""), "", &M::Text10, "07.20"},
    };
    M& m = main();
    m.Command7_Click();  // off-line keeps the typed date and time
    for (const auto& [date, time, qso, message, focus, time_after] : rows) {
        SCOPED_TRACE(qso.locator + " " + qso.member + " " + time);
        m.Text2.set(date);
        m.Text3.set(time);
        m.Text10.set("JN45LL");  // shows the distance bar
        type(qso);
        m.leave_focus();
        ASSERT_TRUE(m.Line2.visible);
        const QsoRecord before = m.entry();
        m.Command1_Click();
        expect_told(message.empty() ? std::vector<std::string>{}
                                    : std::vector<std::string>{message});
        EXPECT_EQ(m.focused(), &(m.*focus));
        EXPECT_EQ(texts({&m.Text3, &m.Text6, &m.Text10, &m.Text11}),
                  (Strings{time_after, before.callsign, before.locator, before.member}));
        EXPECT_TRUE(m.Text12.empty());
        EXPECT_EQ(m.Line2.visible, !message.empty());  // only the silent refusal hides it
        EXPECT_EQ(m.Label19.text(), "0");
    }
    // The limits of every check are accepted.
    const std::tuple<std::string, std::string, std::string> accepted[] = {
        {"29/02/20", "00.00", "I1100"}, {"31/12/99", "23.59", "M600"}, {"01/01/00", "9.05", "I"}};
    for (const auto& [date, time, member] : accepted) {
        m.Text2.set(date);
        m.Text3.set(time);
        log({"ZZ9X" + member, "JN61FV", member});
        expect_told({});
    }
    EXPECT_EQ(m.Text12.size(), 3u);
}

TEST_F(MainLogFlow, ReportsOfTheModesLengthAreNeededReceivedFirst) {
    const std::string received = "Inserire il rapporto RST ricevuto";
    const std::string sent = "Inserire il rapporto RST inviato";
    // Key that sets the mode, sent and received reports, then the refusal and its box.
    using Row = std::tuple<int, std::string, std::string, std::string, Control M::*>;
    const Row rows[] = {
        {kKeyUp, "59", "", received, &M::Text8},
        {kKeyUp, "59", "5", received, &M::Text8},
        {kKeyUp, "59", "599", received, &M::Text8},
        {kKeyUp, "59", "5a", received, &M::Text8},
        {kKeyUp, "", "", received, &M::Text8},
        {kKeyUp, "5", "59", sent, &M::Text7},
        {kKeyDown, "599", "59", received, &M::Text8},
        {kKeyDown, "59", "599", sent, &M::Text7},
        {kKeyUp, "57", "55", "", nullptr},
        {kKeyDown, "579", "559", "", nullptr},
    };
    M& m = main();
    for (const auto& [key, rst_sent, rst_received, message, box] : rows) {
        SCOPED_TRACE(rst_sent + "-" + rst_received);
        m.Text5_KeyDown(key);
        m.Text7.set(rst_sent);
        m.Text8.set(rst_received);
        log({"ZZ9X" + std::to_string(m.Text12.size() + 10), "JN61FV", ""});
        expect_told(message.empty() ? Strings{} : Strings{message});
        if (box) {
            EXPECT_EQ(m.focused(), &(m.*box));
        }
    }
    EXPECT_EQ(m.Text12.text(),
              "001   19/07/20   07.20   144Mhz   SSB   ZZ9X10      55-005   JN61FV   \r\n"
              "002   19/07/20   07.20   144Mhz    CW   ZZ9X11      559-005  JN61FV   \r\n");
}

TEST_F(MainLogFlow, OwnLocatorTheCalculatorRejectsStopsEveryQso) {
    const std::pair<std::string, std::string> rows[] = {
        {"JNA1GD", "Locatore della stazione errato: correggere i dati della stazione"},
        {"", "Locatore della stazione errato: correggere i dati della stazione"},
    };
    for (const auto& [own, message] : rows) {
        SCOPED_TRACE(own);
        Session run(own);
        run.type({"ZZ9XA", "JN61FV", ""});
        run.fake.messages.shown.clear();
        run.main().Command1_Click();
        EXPECT_EQ(run.fake.messages.texts(), message.empty() ? Strings{} : Strings{message});
        EXPECT_EQ(run.main().Text12.size(), message.empty() ? 1u : 0u);
    }
}

TEST_F(MainLogFlow, OnlyTheSameCallsignIsAlreadyWorked) {
    log({"ZZ9XAB", "JN61FV", ""});
    log({"ZZ9XA", "JN61FV", ""});  // part of a logged call, still a new station
    expect_told({});
    M& m = main();
    m.Text5_KeyDown(kKeyDown);
    log({"ZZ9XAB", "JN45LL", "I003", "011"});
    expect_told({"QSO non valido, la stazione risulta gi\xE0 collegata"});
    EXPECT_EQ(m.Text12.size(), 2u);
    // The entry is cleared for the next QSO; date, time, mode and report stay.
    EXPECT_EQ(
        texts({&m.Text6, &m.Text9, &m.Text10, &m.Text11, &m.Text2, &m.Text3, &m.Text5, &m.Text7}),
        (Strings{"", "", "", "", "19/07/20", "07.20", "CW", "599"}));
    EXPECT_EQ(m.focused(), &m.Text6);
    EXPECT_FALSE(m.Label12.visible());

    // An empty callsign is nobody, not a station already worked.
    log({"", "", ""});
    expect_told({"Locatore errato"});
    log({"", "JN61FV", ""});
    expect_told({});
    EXPECT_EQ(m.Text12.size(), 2u);
}

TEST_F(MainLogFlow, AcceptedQsoGoesIntoAllThreeListsByteForByte) {
    M& m = main();
    log({"ZZ9XA", "JN81GD", "I003"});
    m.Text5_KeyDown(kKeyDown);
    log({"ZZ9XAB", "JN61FV", "", "11"});
    EXPECT_EQ(m.Text12.text(),
              "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN81GD   I003\r\n"
              "002   19/07/20   07.20   144Mhz    CW   ZZ9XAB      599-011  JN61FV   \r\n");
    const std::string edi =
        "200719;0720;ZZ9XA;1;59;001;59;005;I003;JN81GD;1;;;;\r\n"
        "200719;0720;ZZ9XAB;0;599;002;599;011;;JN61FV;350;;;;\r\n";
    EXPECT_EQ(m.Text14.text(), edi);
    EXPECT_EQ(windows.get<EdiHeaderScreen>().Text1.text(), edi);
    EXPECT_EQ(m.Text1.text(), "003");
    EXPECT_EQ(m.focused(), &m.Text6);
    EXPECT_FALSE(m.Line2.visible);
    for (int press = 0; press < 3; ++press) m.Command1_Click();
    EXPECT_EQ(m.Text12.size(), 2u);
    EXPECT_EQ(m.Text14.size(), 2u);
}

TEST_F(MainLogFlow, TotalsFollowTheScoringRule) {
    const std::pair<std::vector<Qso>, ContestTotals> rows[] = {
        {{{"ZZ9XA", "JN61FV", ""}, {"ZZ9XB", "JN71AA", "I003"}},
         {"2", "560", "1", "770", "280", "ZZ9XA", "JN61FV", " 350", "1", "0"}},
        // 693 / 2 = 346.5: ties go to the even number.
        {{{"ZZ9XA", "KN01AA", "M012"}, {"ZZ9XB", "JN60AA", ""}},
         {"2", "693", "1", "986", "346", "ZZ9XB", "JN60AA", " 400", "0", "1"}},
        // The equal distance keeps the first ODX.
        {{{"ZZ9XA", "JN61FV", ""}, {"ZZ9XB", "KN01AA", ""}, {"ZZ9XC", "JN61FV", "I1"}},
         {"3", "993", "1", "1343", "331", "ZZ9XA", "JN61FV", " 350", "1", "0"}},
    };
    for (const auto& [qsos, totals] : rows) {
        Session contest;
        for (const Qso& qso : qsos) contest.log(qso);
        const ContestTotals t = contest.main().totals();
        EXPECT_EQ(t, totals) << qsos.back().locator;
        EXPECT_EQ(std::stol(t.molt), std::stol(t.iqrp) + std::stol(t.mdc));
    }
}

TEST_F(MainLogFlow, LoggedDistanceIsThatOfTheQsosOwnLocator) {
    M& m = main();
    type({"ZZ9XA", "JN61FV", ""});
    windows.get<BearingCalculatorScreen>().SetLocator2("JN45LL");  // another calculation meanwhile
    EXPECT_EQ(m.Label13.text(), " 778");
    m.Command1_Click();
    EXPECT_EQ(m.Text14.text(), "200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\n");
    EXPECT_EQ(m.Label21.text(), "350");

    // New own station data saved after the locator was typed: the QSO is now in the own square.
    type({"ZZ9XB", "JN45LL", ""});
    EXPECT_EQ(m.Label13.text(), " 778");
    StationScreen& station = windows.get<StationScreen>();
    station.Text1.set("ZZ9QX");
    station.Text2.set("JN45LL");
    station.Command1_Click();
    m.Command1_Click();
    EXPECT_EQ(m.Text14.lines().back(), "200719;0720;ZZ9XB;1;59;002;59;005;;JN45LL;1;;;;");
    EXPECT_EQ(m.Label21.text(), "351");
}

TEST_F(MainLogFlow, EnterLeavesTheBoxThenLogsAndShowsTheBoxAtFaultOnARefusal) {
    M& m = main();
    type({"ZZ9", "JN61FV", ""});
    m.focus(m.Text10);
    fake.clock.utc = {2020, 7, 19, 8, 45};
    m.EnterPressed();  // refused: the locator box's arrival reaction does not run again
    EXPECT_EQ(m.Text3.text(), "07.20");
    EXPECT_EQ(m.focused(), &m.Text6);
    EXPECT_TRUE(m.Text12.empty());

    m.Command7_Click();
    m.focus(m.Text3);
    m.Text3.set("9:20");
    type({"ZZ9XA", "JN61FV", ""});
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
    M& m = main();
    for (int n = 1; n <= 25; ++n) {
        EXPECT_FALSE(m.Picture3.visible());
        EXPECT_FALSE(m.Label54.visible());
        m.Picture3_Click();
        EXPECT_FALSE(windows.is_open(WindowId::award));
        log({"ZZ9A" + std::to_string(100 + n), "JN61FV", "I" + std::to_string(n)});
    }
    EXPECT_EQ(m.Label51.text(), "25");
    EXPECT_TRUE(m.Picture3.visible());
    EXPECT_TRUE(m.Label54.visible());
    m.Picture3_Click();
    EXPECT_TRUE(windows.get<AwardScreen>().visible());
}

TEST_F(MainLogFlow, PartialStateIsWrittenAfterEveryQso) {
    main().Command1_Click();
    EXPECT_FALSE(fake.dir.exists("parziale.db"));
    log({"ZZ9XA", "JN61FV", ""});
    EXPECT_EQ(fake.dir.read("parziale.db"),
              "QSO# 002\r\nCONTEST_QSO 1\r\nCONTEST_QRB 350\r\nCONTEST_MOLT 0\r\n"
              "CONTEST_PUNTI 350\r\nCONTEST_MEDIA 350\r\nCONTEST_ODX_CALL ZZ9XA\r\n"
              "CONTEST_ODX_LOC JN61FV\r\nCONTEST_ODX_QRB  350\r\nCONTEST_IQRP 0\r\n"
              "CONTEST_MDC 0\r\n"
              "LISTA_QSO 001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   "
              "\r\nLISTA_QSO \r\n"
              "QSO_EDI 200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;\r\nQSO_EDI \r\n");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(fake.dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"config.txt", "parziale.db"}));
}

TEST_F(MainLogFlow, PartialStateWriteFailureIsToldOnceAndKeepsTheOldFile) {
    fake.dir.block("parziale.db");
    for (const char* call : {"ZZ9XA", "ZZ9XB", "ZZ9XC"}) log({call, "JN61FV", ""});
    const testing::ShownMessage failure =
        testing::critical("Impossibile scrivere il file " + fake.dir.file("parziale.db"));
    EXPECT_EQ(fake.messages.shown, std::vector<testing::ShownMessage>{failure});
    EXPECT_EQ(fake.dir.read("parziale.db/keep"), "x");
    EXPECT_EQ(main().Text12.size(), 3u);

    std::filesystem::remove_all(fake.dir.file("parziale.db"));
    log({"ZZ9XD", "JN61FV", ""});
    EXPECT_NE(fake.dir.read("parziale.db").find("CONTEST_QSO 4\r\n"), std::string::npos);
    const std::string kept = fake.dir.read("parziale.db");
    fake.dir.block("parziale.db.tmp");  // what an earlier crash may leave never blocks a save
    log({"ZZ9XE", "JN61FV", ""});
    EXPECT_NE(fake.dir.read("parziale.db").find("CONTEST_QSO 5\r\n"), std::string::npos);
    std::filesystem::remove(fake.dir.file("parziale.db"));
    fake.dir.block("parziale.db");
    log({"ZZ9XF", "JN61FV", ""});
    EXPECT_EQ(fake.messages.shown.size(), 2u);  // a new failure is told again
}

}  // namespace
}  // namespace zelora
