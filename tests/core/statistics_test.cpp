// The statistics and report windows worked through the main window. What the statistics hold
// is the rows of tests/data/tables/scores.txt; the report's layout is pinned by the
// whole-contest test.
#include <gtest/gtest.h>

#include <string>

#include "base/files.h"
#include "support/contest_session.h"
#include "windows/report_screen.h"
#include "windows/statistics_screen.h"

namespace zelora {
namespace {

using testing::Strings;

struct Statistics : ::testing::Test, testing::ContestSession {
    StatisticsScreen& statistics() { return get<StatisticsScreen>(); }
    ReportScreen& report() { return get<ReportScreen>(); }
};

TEST_F(Statistics, EmptyLogReportSavedTwice) {
    main().Command6_Click();
    StatisticsScreen& s = statistics();
    EXPECT_TRUE(s.visible());
    report().Command1_Click();  // nothing to save yet
    EXPECT_FALSE(fake.dir.exists(kReportFileName));
    s.Command2_Click();
    const std::string once = report().Text1.text();
    EXPECT_EQ(split_lines(once)[2], "####################19/07/2020#################");
    s.Command2_Click();
    EXPECT_TRUE(report().visible());
    EXPECT_EQ(report().Text1.text(), once + once);
    s.Command1_Click();  // the report window stays
    EXPECT_FALSE(open(WindowId::statistics));
    report().Command1_Click();
    EXPECT_EQ(fake.dir.read(kReportFileName), once + once + "\r\n");
    EXPECT_EQ(told(), Strings{"Log salvato in <dir>/zelora_qrp_statistiche.txt"});
    main().Command3_Click();  // "Esci" closes the report window too
    EXPECT_TRUE(windows->finished());
}

TEST_F(Statistics, ShownAgainUntilChiudiAndAReportThatCannotBeSavedStays) {
    log("IK0AAA");
    main().Command6_Click();
    StatisticsScreen& s = statistics();
    log("EI2AAA", "JO81GD");
    main().Command6_Click();  // shown again, not computed again
    EXPECT_EQ(&statistics(), &s);
    EXPECT_EQ(s.List1, Strings{"350Km - IK0AAA - JN61FV"});
    s.Command2_Click();
    const std::string text = report().Text1.text();
    EXPECT_NE(text.find("QRB     Call      SQR\r\n\r\n350Km - IK0AAA - JN61FV\r\n\r\n\r\n"),
              std::string::npos);
    fake.dir.block(kReportFileName);  // a directory in the way: cannot be replaced
    report().Command1_Click();
    EXPECT_EQ(told(), Strings{"!Impossibile scrivere il file <dir>/zelora_qrp_statistiche.txt"});
    EXPECT_EQ(report().Text1.text(), text);

    s.Command1_Click();  // "Chiudi": the next "STAT" computes afresh
    main().Command6_Click();
    EXPECT_EQ(statistics().List1.size(), 2u);
    main().Command10_Click();  // back to start: the next contest's "STAT" computes its own
    EXPECT_FALSE(open(WindowId::statistics));
}

}  // namespace
}  // namespace zelora
