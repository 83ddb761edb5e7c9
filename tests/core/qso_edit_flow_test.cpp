// The correction window over a longer run: totals, award, the EDI buffer, a restored contest.
// Each field's correction and refusal are the rows of tests/data/tables/correction.txt.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/contest_totals.h"
#include "support/contest_session.h"
#include "windows/edi_header_screen.h"
#include "windows/qso_edit_screen.h"

namespace zelora {

namespace {

using E = QsoEditScreen;
using Strings = testing::Strings;

struct QsoEdit : ::testing::Test, testing::ContestSession {
    QsoEdit() { log_four_qsos(); }
    E& edit() { return get<QsoEditScreen>(); }
    void correct(const std::string& callsign, Control E::*box, const std::string& text) {
        edit().Text1.set(callsign);
        edit().Command3_Click();
        (edit().*box).set(text);
        edit().Command1_Click();
    }
};

// The totals after corrections are the rows of tests/data/tables/correction.txt.
TEST_F(QsoEdit, ACallsignCorrectedAwayMayBeLoggedAgainAndTheNewOneIsWorked) {
    correct("ZZ9XAB", &E::Text2, "ZZ9XAC");
    told();
    log("ZZ9XAB");
    log("ZZ9XAC");
    EXPECT_EQ(told(), Strings{"QSO non valido, la stazione risulta gi\xE0 collegata"});
    EXPECT_EQ(main().Text12.size(), 5u);
}

TEST_F(QsoEdit, AwardShowsWhenACorrectionMakesThe25thIqrpMember) {
    for (int n = 0; n < 23; ++n) log("IK" + std::to_string(100 + n), "JN61FV", "I010", "001");
    EXPECT_EQ(main().Label51.text(), "24");
    EXPECT_FALSE(main().Picture3.visible());
    correct("ZZ9XAB", &E::Text9, "I011");
    EXPECT_EQ(main().Label51.text(), "25");
    EXPECT_TRUE(main().Picture3.visible());
}

TEST_F(QsoEdit, BufferOfALaterHeaderWindowAndARestoredContestFollowTheCorrection) {
    // The header window closed and opened again holds only the QSOs logged since.
    windows->close(WindowId::edi_header);
    log("IK0CCC", "JN60AA", "", "002");
    LogList& buffer = get<EdiHeaderScreen>().Text1;
    ASSERT_EQ(buffer.size(), 1u);
    correct("ZZ9XA", &E::Text4, "0800");
    correct("IK0CCC", &E::Text4, "0810");
    EXPECT_EQ(buffer.lines(), Strings{main().Text14.lines()[4]});
    EXPECT_EQ(main().Text14.lines()[0].substr(0, 11), "200719;0800");
    EXPECT_EQ(main().Text14.lines()[4].substr(0, 11), "200719;0810");

    // The correction survives parziale.db and a restart; a restored QSO, which has only its
    // EDI line, is corrected as well, and the ODX it passes on keeps its leading blank.
    const Strings lists{main().Text12.text(), main().Text14.text()};
    const ContestTotals totals = main().totals();
    MainLogScreen& m = continue_contest();
    EXPECT_EQ((Strings{m.Text12.text(), m.Text14.text()}), lists);
    EXPECT_EQ(get<EdiHeaderScreen>().Text1.text(), lists[1]);
    EXPECT_EQ(m.totals(), totals);
    correct("ZZ9XAB", &E::Text5, "JN71AA");
    EXPECT_EQ(m.Text12.lines()[1],
              "002   19/07/20   07.20   144Mhz    CW   ZZ9XAB      599-011  JN71AA   ");
    EXPECT_EQ(get<EdiHeaderScreen>().Text1.lines()[1],
              "200719;0720;ZZ9XAB;0;599;002;599;011;;JN71AA;210;;;;");
    EXPECT_EQ(m.totals().odx_call + m.totals().odx_qrb, "IK0CCC 400");
}

TEST_F(QsoEdit, HandEditedLogWithACallsignTwiceCorrectsTheFirst) {
    std::string file = fake.dir.read("parziale.db");
    const std::string first = "QSO_EDI 200719;0720;ZZ9XA;";
    file.replace(file.find("QSO_EDI 200719;0720;ZZ9XA/P;"), first.size() + 2, first);
    fake.dir.write("parziale.db", file);
    continue_contest();
    edit().Text1.set("ZZ9XA");
    edit().Command3_Click();
    EXPECT_EQ(edit().Text5.text(), "JN61FV");
    edit().Text2.set("ZZ9XD");
    edit().Command1_Click();
    const Strings& edi = main().Text14.lines();
    EXPECT_EQ(edi[0].substr(0, 18), "200719;0720;ZZ9XD;");
    EXPECT_EQ(edi[3].substr(0, 18), "200719;0720;ZZ9XA;");
}

TEST_F(QsoEdit, TypingAidsOneWriteASearchAndLeavingTheContestCloseTheWindow) {
    E& e = edit();
    for (Control* box : {&e.Text1, &e.Text2, &e.Text5, &e.Text9}) {
        box->set("iz0;a\tb");
        EXPECT_EQ(box->text(), "IZ0AB");
        EXPECT_EQ(box->caret(), 5u);
    }
    correct("ZZ9XA/P", &E::Text7, "579");
    e.Text1.set("ZZ9XA/P");
    e.Command3_Click();  // the mode sets its report before the logged one is shown
    EXPECT_EQ(e.Text7.text() + e.Label14.text(), "579579");
    e.Command1_Click();
    e.Command1_Click();  // the search is gone with the correction
    EXPECT_EQ(told(), (Strings{"I dati del QSO sono stati modificati",
                               "I dati del QSO sono stati modificati",
                               "Cercare prima il QSO da modificare"}));
    windows->close(WindowId::qso_edit);
    main().Command5_Click();
    EXPECT_TRUE(edit().visible());
    EXPECT_EQ(edit().focused(), &edit().Text1);
    main().Command10_Click();  // back to start: nothing of this contest stays
    EXPECT_FALSE(open(WindowId::qso_edit));
}

}  // namespace
}  // namespace zelora
