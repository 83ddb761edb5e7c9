// The correction window worked as the operator works it: search, change, "Modifica", and what
// the log lists, the totals and parziale.db hold afterwards.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "base/window_set.h"
#include "core/contest_totals.h"
#include "core/qso_lines.h"
#include "support/contest_session.h"
#include "windows/edi_header_screen.h"
#include "windows/main_log_screen.h"
#include "windows/qso_edit_screen.h"
#include "windows/start_screen.h"

namespace zelora {
namespace {

using E = QsoEditScreen;
using Edits = std::vector<std::pair<Control E::*, std::string>>;
using Strings = std::vector<std::string>;
using testing::information;

}  // namespace

void PrintTo(const ContestTotals& t, std::ostream* out) {
    *out << t.qso << '|' << t.qrb << '|' << t.molt << '|' << t.punti << '|' << t.media << '|'
         << t.odx_call << '|' << t.odx_loc << '|' << t.odx_qrb << '|' << t.iqrp << '|' << t.mdc;
}

namespace {

struct LoggedQso {
    bool cw;
    std::string callsign, serial, locator, member;
};
// From JN81GD: JN61FV 350 km, JN45LL 778, KN01AA 293, JN71AA 210, JN60AA 400.
const LoggedQso kLog[] = {{false, "ZZ9XA", "005", "JN61FV", "I003"},
                          {true, "ZZ9XAB", "011", "JN45LL", ""},
                          {false, "IK0AAA", "003", "KN01AA", "M123"},
                          {true, "ZZ9XA/P", "001", "JN71AA", ""}};

// One run of the program, own locator JN81GD, on-line, its log numbered from `first`.
struct Session : testing::ContestSession {
    explicit Session(const std::string& first = "001") {
        main().Text1.set(first);
        for (const LoggedQso& qso : kLog) log(qso);
        fake.messages.shown.clear();
    }
    E& edit() { return windows.get<QsoEditScreen>(); }
    LogList& buffer() { return windows.get<EdiHeaderScreen>().Text1; }
    Strings lists() { return {main().Text12.text(), main().Text14.text(), buffer().text()}; }

    void log(const LoggedQso& qso) {
        main().Text5_KeyDown(qso.cw ? kKeyDown : kKeyUp);
        testing::log_qso(main(), qso.callsign, qso.serial, qso.locator, qso.member);
    }
    void search(const std::string& callsign) {
        edit().Text1.set(callsign);
        edit().Command3_Click();
    }
    void correct(const std::string& callsign, const Edits& edits) {
        search(callsign);
        for (const auto& [box, text] : edits) (edit().*box).set(text);
        edit().Command1_Click();
    }
    // The totals as the entry row would have added up the QSOs of the EDI log.
    ContestTotals recomputed() {
        ContestTotals totals;
        for (const std::string& line : main().Text14.lines()) {
            const QsoRecord q = qso_from_edi_line(line);
            totals = add_qso(totals, q.qrb, q.member, q.callsign, q.locator);
        }
        return totals;
    }
    Strings fields() {
        E& e = edit();
        return testing::texts(
            {&e.Text2, &e.Text3, &e.Text4, &e.Text5, &e.Text6, &e.Text7, &e.Text8, &e.Text9});
    }
};

TEST(QsoEdit, EachFieldIsRewrittenInBothLinesOfItsQsoInEveryList) {
    struct Correction {
        const char* name;
        std::string first;  // number of the log's first QSO
        std::size_t index;
        Edits edits;
    };
    const struct {
        Correction correction;
        std::string readable, edi;
    } cases[] = {
        {{"date", "001", 0, {{&E::Text3, "200720"}}},
         "001   20/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   I003",
         "200720;0720;ZZ9XA;1;59;001;59;005;I003;JN61FV;350;;;;"},
        {{"time, CW", "001", 1, {{&E::Text4, "0935"}}},
         "002   19/07/20   09.35   144Mhz    CW   ZZ9XAB      599-011  JN45LL   ",
         "200719;0935;ZZ9XAB;0;599;002;599;011;;JN45LL;778;;;;"},
        {{"callsign grows past its column", "001", 0, {{&E::Text2, "iz9abcd/qrp"}}},
         "001   19/07/20   07.20   144Mhz   SSB   IZ9ABCD/QRP59-005   JN61FV   I003",
         "200719;0720;IZ9ABCD/QRP;1;59;001;59;005;I003;JN61FV;350;;;;"},
        {{"callsign shrinks, QSO 1000", "999", 1, {{&E::Text2, "ZZ9X"}}},
         "1000   19/07/20   07.20   144Mhz    CW   ZZ9X        599-011  JN45LL   ",
         "200719;0720;ZZ9X;0;599;1000;599;011;;JN45LL;778;;;;"},
        {{"locator and distance", "001", 2, {{&E::Text5, "jn45ll"}}},
         "003   19/07/20   07.20   144Mhz   SSB   IK0AAA      59-003   JN45LL   M123",
         "200719;0720;IK0AAA;1;59;003;59;003;M123;JN45LL;778;;;;"},
        {{"SSB to CW: both reports follow", "001", 0, {{&E::Text6, "0"}}},
         "001   19/07/20   07.20   144Mhz    CW   ZZ9XA       599-005  JN61FV   I003",
         "200719;0720;ZZ9XA;0;599;001;599;005;I003;JN61FV;350;;;;"},
        {{"CW to SSB, report 57, QSO 1002", "999", 3, {{&E::Text6, "1"}, {&E::Text7, "57"}}},
         "1002   19/07/20   07.20   144Mhz   SSB   ZZ9XA/P     57-001   JN71AA   ",
         "200719;0720;ZZ9XA/P;1;59;1002;57;001;;JN71AA;210;;;;"},
        {{"report", "001", 1, {{&E::Text7, "579"}}},
         "002   19/07/20   07.20   144Mhz    CW   ZZ9XAB      579-011  JN45LL   ",
         "200719;0720;ZZ9XAB;0;599;002;579;011;;JN45LL;778;;;;"},
        {{"serial equal to the sent one", "001", 2, {{&E::Text8, "007"}}},
         "003   19/07/20   07.20   144Mhz   SSB   IK0AAA      59-007   KN01AA   M123",
         "200719;0720;IK0AAA;1;59;003;59;007;M123;KN01AA;293;;;;"},
        {{"member added, QSO 1000", "999", 1, {{&E::Text9, "i0;03"}}},
         "1000   19/07/20   07.20   144Mhz    CW   ZZ9XAB      599-011  JN45LL   I003",
         "200719;0720;ZZ9XAB;0;599;1000;599;011;I003;JN45LL;778;;;;"},
        {{"member removed", "001", 0, {{&E::Text9, ""}}},
         "001   19/07/20   07.20   144Mhz   SSB   ZZ9XA       59-005   JN61FV   ",
         "200719;0720;ZZ9XA;1;59;001;59;005;;JN61FV;350;;;;"},
        {{"member changed", "001", 2, {{&E::Text9, "M045"}}},
         "003   19/07/20   07.20   144Mhz   SSB   IK0AAA      59-003   KN01AA   M045",
         "200719;0720;IK0AAA;1;59;003;59;003;M045;KN01AA;293;;;;"},
        {{"every field, QSO 999",
          "999",
          0,
          {{&E::Text2, "IK0BBB"},
           {&E::Text3, "200229"},
           {&E::Text4, "2359"},
           {&E::Text5, "JN60AA"},
           {&E::Text6, "0"},
           {&E::Text7, "559"},
           {&E::Text8, "123"},
           {&E::Text9, ""}}},
         "999   29/02/20   23.59   144Mhz    CW   IK0BBB      559-123  JN60AA   ",
         "200229;2359;IK0BBB;0;599;999;559;123;;JN60AA;400;;;;"},
        {{"nothing changed", "001", 3, {}},
         "004   19/07/20   07.20   144Mhz    CW   ZZ9XA/P     599-001  JN71AA   ",
         "200719;0720;ZZ9XA/P;0;599;004;599;001;;JN71AA;210;;;;"},
    };
    for (const auto& [c, readable_line, edi_line] : cases) {
        SCOPED_TRACE(c.name);
        Session s(c.first);
        Strings readable = s.main().Text12.lines();
        Strings edi = s.main().Text14.lines();
        ASSERT_EQ(s.buffer().lines(), edi);
        s.correct(kLog[c.index].callsign, c.edits);
        EXPECT_EQ(s.fake.messages.shown,
                  std::vector{information("I dati del QSO sono stati modificati")});
        readable[c.index] = readable_line;
        edi[c.index] = edi_line;
        EXPECT_EQ(s.main().Text12.lines(), readable);
        EXPECT_EQ(s.main().Text14.lines(), edi);
        EXPECT_EQ(s.buffer().lines(), edi);
        EXPECT_EQ(s.main().totals(), s.recomputed());
        EXPECT_NE(s.fake.dir.read("parziale.db").find("QSO_EDI " + edi_line + "\r\n"),
                  std::string::npos);
        EXPECT_EQ(s.fields(), Strings(8));
        EXPECT_EQ(s.edit().Text1.text(), "");
        EXPECT_EQ(s.edit().Label9.text() + s.edit().Label18.text(), "");
    }
}

TEST(QsoEdit, SearchShowsTheQsoOwnFieldsOrTellsItIsNotThere) {
    Session s("999");
    s.correct("ZZ9XA/P", {{&E::Text7, "579"}});  // the report is shown after the mode sets one
    s.fake.messages.shown.clear();
    const struct {
        const char* typed;
        Strings fields;  // callsign, date, time, locator, mode, report, serial, member
    } cases[] = {
        {"ZZ9XA", {"ZZ9XA", "200719", "0720", "JN61FV", "1", "59", "005", "I003"}},
        {"zz9xab", {"ZZ9XAB", "200719", "0720", "JN45LL", "0", "599", "011", ""}},
        {"ZZ9XA/P", {"ZZ9XA/P", "200719", "0720", "JN71AA", "0", "579", "001", ""}},
        {"ZZ9X", Strings(8)},
        {"ZZ9XA/", Strings(8)},
        {"", Strings(8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        s.search(c.typed);
        EXPECT_EQ(s.fields(), c.fields);
        const E& e = s.edit();
        EXPECT_EQ(testing::texts({&e.Label9, &e.Label10, &e.Label11, &e.Label12, &e.Label13,
                                  &e.Label14, &e.Label15, &e.Label18}),
                  c.fields);
        EXPECT_EQ(s.fake.messages.shown,
                  c.fields[0].empty() ? std::vector{testing::critical("Call non trovato nel LOG")}
                                      : std::vector<testing::ShownMessage>{});
        s.fake.messages.shown.clear();
        if (!c.fields[0].empty()) continue;
        // A failed search leaves nothing to write.
        s.edit().Command1_Click();
        EXPECT_EQ(s.fake.messages.texts(), Strings{"Cercare prima il QSO da modificare"});
        s.fake.messages.shown.clear();
    }
}

TEST(QsoEdit, RefusedCorrectionsWriteNothingAndKeepTheFields) {
    const struct {
        Edits edits;
        const char* message;  // nullptr: refused without a word, as the entry row does
        Control E::*focus;
    } cases[] = {
        {{{&E::Text6, "2"}}, "Inserire il modo: 1 = SSB 0 = CW", &E::Text6},
        {{{&E::Text6, ""}}, "Inserire il modo: 1 = SSB 0 = CW", &E::Text6},
        {{{&E::Text3, "200732"}}, "Inserire la data del QSO nel formato DD/MM/YY", &E::Text3},
        {{{&E::Text3, "210229"}}, "Inserire la data del QSO nel formato DD/MM/YY", &E::Text3},
        {{{&E::Text3, "2007190"}}, "Inserire la data del QSO nel formato DD/MM/YY", &E::Text3},
        {{{&E::Text3, "20-719"}}, "Inserire la data del QSO nel formato DD/MM/YY", &E::Text3},
        {{{&E::Text4, "2400"}}, "Inserire l'ora del QSO nel formato HH:MM", &E::Text4},
        {{{&E::Text4, "0760"}}, "Inserire l'ora del QSO nel formato HH:MM", &E::Text4},
        {{{&E::Text4, "720"}}, "Inserire l'ora del QSO nel formato HH:MM", &E::Text4},
        {{{&E::Text7, "5"}}, "Inserire il rapporto RST ricevuto", &E::Text7},
        {{{&E::Text7, "599"}}, "Inserire il rapporto RST ricevuto", &E::Text7},
        {{{&E::Text6, "0"}, {&E::Text7, "59"}}, "Inserire il rapporto RST ricevuto", &E::Text7},
        {{{&E::Text2, "ZZ9XAB"}},
         "QSO non valido, la stazione risulta gi\xE0 collegata",
         &E::Text2},
        {{{&E::Text9, "X123"}}, "Es. di formato corretto: I003 o M123", &E::Text9},
        {{{&E::Text9, "I1101"}}, "Membro IQRP errato", &E::Text9},
        {{{&E::Text9, "M601"}}, "Membro MQC errato", &E::Text9},
        {{{&E::Text5, "JN61F"}}, "Locatore errato", &E::Text5},
        {{{&E::Text5, "JNA1FV"}}, "Locatore errato", &E::Text5},
        {{{&E::Text5, "JN61FVX"}}, "Locatore errato", &E::Text5},
        {{{&E::Text2, "ZZ9"}}, nullptr, &E::Text2},
        {{{&E::Text8, "05"}}, nullptr, &E::Text8},
        {{{&E::Text8, "0a5"}}, nullptr, &E::Text8},
    };
    Session s;
    const Strings lists = s.lists();
    const ContestTotals totals = s.main().totals();
    const std::string saved = s.fake.dir.read("parziale.db");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edits.front().second);
        s.correct("ZZ9XA", c.edits);
        EXPECT_EQ(s.fake.messages.texts(), c.message ? Strings{c.message} : Strings{});
        s.fake.messages.shown.clear();
        EXPECT_EQ(s.edit().focused(), &(s.edit().*c.focus));
        for (const auto& [box, text] : c.edits) EXPECT_EQ((s.edit().*box).text(), text);
        EXPECT_EQ(s.edit().Text1.text(), "ZZ9XA");
        EXPECT_EQ(s.lists(), lists);
        EXPECT_EQ(s.main().totals(), totals);
        EXPECT_EQ(s.fake.dir.read("parziale.db"), saved);
    }
    // Written once; pressed again, the search is gone.
    s.search("ZZ9XA");
    s.edit().Command1_Click();
    s.edit().Command1_Click();
    EXPECT_EQ(s.fake.messages.texts(), (Strings{"I dati del QSO sono stati modificati",
                                                "Cercare prima il QSO da modificare"}));
}

TEST(QsoEdit, TotalsFollowAsIfTheQsoHadBeenLoggedSo) {
    Session s;
    // QSOs, distance sum, multipliers, points, average, ODX call, locator, QRB, I-QRP, MQC.
    const struct {
        const char* callsign;
        Edits edits;
        ContestTotals totals;
    } steps[] = {
        {"ZZ9XA/P",
         {{&E::Text9, "I003"}},  // 210 km: one multiplier and 210 points more
         {"4", "1631", "3", "2484", "408", "ZZ9XAB", "JN45LL", " 778", "2", "1"}},
        {"IK0AAA",
         {{&E::Text9, ""}},
         {"4", "1631", "2", "2191", "408", "ZZ9XAB", "JN45LL", " 778", "2", "0"}},
        {"ZZ9XAB",
         {{&E::Text2, "ZZ9XAC"}},
         {"4", "1631", "2", "2191", "408", "ZZ9XAC", "JN45LL", " 778", "2", "0"}},
        {"ZZ9XAC",
         {{&E::Text5, "JN71AA"}},  // the ODX falls back to the next best
         {"4", "1063", "2", "1623", "266", "ZZ9XA", "JN61FV", " 350", "2", "0"}},
        {"ZZ9XA/P",
         {{&E::Text5, "JN61FV"}},  // a tie leaves the earlier ODX
         {"4", "1203", "2", "1903", "301", "ZZ9XA", "JN61FV", " 350", "2", "0"}},
        {"IK0AAA",
         {{&E::Text5, "JN81GD"}},  // own sub-square: 1 km
         {"4", "911", "2", "1611", "228", "ZZ9XA", "JN61FV", " 350", "2", "0"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.callsign);
        s.correct(step.callsign, step.edits);
        EXPECT_EQ(s.main().totals(), step.totals);
        EXPECT_EQ(s.main().totals(), s.recomputed());
    }
    EXPECT_EQ(s.main().Text14.lines()[2], "200719;0720;IK0AAA;1;59;003;59;003;;JN81GD;1;;;;");
}

TEST(QsoEdit, AwardShowsWhenACorrectionMakesThe25thIqrpMember) {
    Session s;
    for (int n = 0; n < 23; ++n)
        s.log({false, "IK" + std::to_string(100 + n), "001", "JN61FV", "I010"});
    EXPECT_EQ(s.main().Label51.text(), "24");
    EXPECT_FALSE(s.main().Picture3.visible());
    s.correct("ZZ9XAB", {{&E::Text9, "I011"}});
    EXPECT_EQ(s.main().Label51.text(), "25");
    EXPECT_TRUE(s.main().Picture3.visible());
}

TEST(QsoEdit, BufferOfALaterHeaderWindowAndARestoredContestFollowTheCorrection) {
    // The header window closed and opened again holds only the QSOs logged since.
    Session s;
    s.windows.close(WindowId::edi_header);
    s.log({false, "IK0CCC", "002", "JN60AA", ""});
    ASSERT_EQ(s.buffer().size(), 1u);
    s.correct("ZZ9XA", {{&E::Text4, "0800"}});
    s.correct("IK0CCC", {{&E::Text4, "0810"}});
    EXPECT_EQ(s.buffer().lines(), Strings{s.main().Text14.lines()[4]});
    EXPECT_EQ(s.main().Text14.lines()[0].substr(0, 11), "200719;0800");
    EXPECT_EQ(s.main().Text14.lines()[4].substr(0, 11), "200719;0810");

    // The correction survives parziale.db and a restart; a restored QSO, which has only its
    // EDI line, is corrected as well, and the ODX it passes on keeps its leading blank.
    WindowSet restored(s.fake.platform());
    start_program(restored);
    restored.get<StartScreen>().Command1_Click();
    MainLogScreen& m = restored.get<MainLogScreen>();
    EXPECT_EQ(m.Text12.text(), s.main().Text12.text());
    EXPECT_EQ(m.Text14.text(), s.main().Text14.text());
    EXPECT_EQ(restored.get<EdiHeaderScreen>().Text1.text(), s.main().Text14.text());
    EXPECT_EQ(m.totals(), s.main().totals());
    QsoEditScreen& e = restored.get<QsoEditScreen>();
    e.Text1.set("ZZ9XAB");
    e.Command3_Click();
    e.Text5.set("JN71AA");
    e.Command1_Click();
    EXPECT_EQ(m.Text12.lines()[1],
              "002   19/07/20   07.20   144Mhz    CW   ZZ9XAB      599-011  JN71AA   ");
    EXPECT_EQ(restored.get<EdiHeaderScreen>().Text1.lines()[1],
              "200719;0720;ZZ9XAB;0;599;002;599;011;;JN71AA;210;;;;");
    EXPECT_EQ(m.totals().odx_call + m.totals().odx_qrb, "IK0CCC 400");
}

TEST(QsoEdit, HandEditedLogWithACallsignTwiceCorrectsTheFirst) {
    Session s;
    std::string file = s.fake.dir.read("parziale.db");
    const std::string first = "QSO_EDI 200719;0720;ZZ9XA;";
    file.replace(file.find("QSO_EDI 200719;0720;ZZ9XA/P;"), first.size() + 2, first);
    s.fake.dir.write("parziale.db", file);
    WindowSet restored(s.fake.platform());
    start_program(restored);
    restored.get<StartScreen>().Command1_Click();
    QsoEditScreen& e = restored.get<QsoEditScreen>();
    e.Text1.set("ZZ9XA");
    e.Command3_Click();
    EXPECT_EQ(e.Text5.text(), "JN61FV");
    e.Text2.set("ZZ9XD");
    e.Command1_Click();
    const Strings& edi = restored.get<MainLogScreen>().Text14.lines();
    EXPECT_EQ(edi[0].substr(0, 18), "200719;0720;ZZ9XD;");
    EXPECT_EQ(edi[3].substr(0, 18), "200719;0720;ZZ9XA;");
}

TEST(QsoEdit, TypingAidsAndLeavingTheContestCloseTheWindow) {
    Session s;
    E& e = s.edit();
    for (Control* box : {&e.Text1, &e.Text2, &e.Text5, &e.Text9}) {
        box->set("iz0;a\tb");
        EXPECT_EQ(box->text(), "IZ0AB");
        EXPECT_EQ(box->caret(), 5u);
    }
    e.Text6.set("0");
    EXPECT_EQ(e.Text7.text(), "599");
    e.Text6.set("1");
    EXPECT_EQ(e.Text7.text(), "59");
    s.windows.close(WindowId::qso_edit);
    s.main().Command5_Click();
    EXPECT_TRUE(s.edit().visible());
    EXPECT_EQ(s.edit().focused(), &s.edit().Text1);
    s.main().Command10_Click();  // back to start: nothing of this contest stays
    EXPECT_FALSE(s.windows.is_open(WindowId::qso_edit));
}

}  // namespace
}  // namespace zelora
