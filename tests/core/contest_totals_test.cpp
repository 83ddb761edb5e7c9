#include "core/contest_totals.h"

#include <gtest/gtest.h>

#include <string>

namespace zelora {
namespace {

// Fields in the order qso, qrb, molt, punti, media, odx_call, odx_loc, odx_qrb, iqrp, mdc.
TEST(ContestTotals, NonMemberThenIqrpMemberAsInTheScoringExample) {
    ContestTotals totals = add_qso({}, " 523", "", "ZZ9XA", "JN81GD");
    EXPECT_EQ(totals,
              (ContestTotals{"1", "523", "0", "523", "523", "ZZ9XA", "JN81GD", " 523", "0", "0"}));
    totals = add_qso(totals, " 100", "I003", "IK0AAA", "JN61FV");
    EXPECT_EQ(totals,
              (ContestTotals{"2", "623", "1", "723", "312", "ZZ9XA", "JN81GD", " 523", "1", "0"}));
}

TEST(ContestTotals, MemberNumbersCountByTheirFirstLetter) {
    struct Case {
        const char* member;
        const char* molt;
        const char* punti;
        const char* iqrp;
        const char* mdc;
    };
    const Case cases[] = {
        {"", "0", "100", "0", "0"},
        {"I003", "1", "200", "1", "0"},
        {"M123", "1", "200", "0", "1"},
        {"i003", "1", "200", "0", "0"},  // the entry upper-cases it; the count is exact
        {"X1", "1", "200", "0", "0"},
    };
    for (const Case& c : cases) {
        const ContestTotals totals = add_qso({}, " 100", c.member, "ZZ9XA", "JN81GD");
        EXPECT_EQ(totals.molt, c.molt) << c.member;
        EXPECT_EQ(totals.punti, c.punti) << c.member;
        EXPECT_EQ(totals.iqrp, c.iqrp) << c.member;
        EXPECT_EQ(totals.mdc, c.mdc) << c.member;
        EXPECT_EQ(totals.qrb, "100") << c.member;
    }
}

TEST(ContestTotals, AverageRoundsHalfToEven) {
    struct Case {
        const char* qso;
        const char* qrb;
        const char* q;
        const char* media;
    };
    const Case cases[] = {
        {"1", "522", "523", "522"},  // 522.5
        {"1", "524", "523", "524"},  // 523.5
        {"1", "523", "100", "312"},  // 311.5
        {"2", "1", "1", "1"},        // 0.67
        {"3", "0", "1", "0"},        // 0.25
        {"1", "-6", "1", "-2"},      // -2.5
        {"1", "-8", "1", "-4"},      // -3.5
    };
    for (const Case& c : cases) {
        ContestTotals totals;
        totals.qso = c.qso;
        totals.qrb = c.qrb;
        EXPECT_EQ(add_qso(totals, c.q, "", "ZZ9XA", "JN81GD").media, c.media) << c.qrb;
    }
}

TEST(ContestTotals, OdxIsReplacedOnlyByALongerDistance) {
    struct Case {
        const char* odx_qrb;
        const char* qrb;
        bool replaced;
    };
    const Case cases[] = {
        {" 523", " 523", false}, {" 523", "523", false},   {" 523", " 524", true},
        {" 524", " 523", false}, {"0", "1", true},         {"...", "1", true},
        {"0", "??????", false},  {"1e400", " 999", false},
    };
    for (const Case& c : cases) {
        ContestTotals totals;
        totals.odx_call = "OLD";
        totals.odx_loc = "JN00AA";
        totals.odx_qrb = c.odx_qrb;
        const ContestTotals after = add_qso(totals, c.qrb, "", "NEW", "JN81GD");
        if (c.replaced) {
            EXPECT_EQ(after.odx_call, "NEW") << c.odx_qrb << " vs " << c.qrb;
            EXPECT_EQ(after.odx_loc, "JN81GD");
            EXPECT_EQ(after.odx_qrb, c.qrb);
        } else {
            EXPECT_EQ(after.odx_call, "OLD") << c.odx_qrb << " vs " << c.qrb;
            EXPECT_EQ(after.odx_loc, "JN00AA");
            EXPECT_EQ(after.odx_qrb, c.odx_qrb);
        }
    }
}

TEST(ContestTotals, HostileRestoredTotalsStayPlainNumbers) {
    struct Case {
        const char* name;
        ContestTotals totals;
        const char* qrb;
        ContestTotals expected;
    };
    const char* largest = "1000000000000000";
    const Case cases[] = {
        {"not numbers",
         {"abc", "\xE8\xFF", "", "...", "0", "...", "...", "0", "??????", "0"},
         "10",
         {"1", "10", "1", "20", "10", "ZZ9XA", "JN81GD", "10", "1", "0"}},
        {"count -1: no QSO to average over",
         {"-1", "500", "0", "0", "0", "...", "...", "900", "0", "0"},
         "10",
         {"0", "510", "1", "20", "0", "...", "...", "900", "1", "0"}},
        {"enormous totals",
         {"1e400", "1e400", "-1e400", "99999999999999999999999", "0", "...", "...", "1e400", "0",
          "0"},
         "10",
         {largest, largest, "-999999999999999", largest, "1", "...", "...", "1e400", "1", "0"}},
        {"enormous QRB",
         {},
         "1e400",
         {"1", largest, "1", largest, largest, "ZZ9XA", "JN81GD", "1e400", "1", "0"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(add_qso(c.totals, c.qrb, "I001", "ZZ9XA", "JN81GD"), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zelora
