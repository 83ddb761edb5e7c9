#include "core/contest_totals.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace zelora {
namespace {

// Fields in the order qso, qrb, molt, punti, media, odx_call, odx_loc, odx_qrb, iqrp, mdc.
TEST(ContestTotals, MemberNumbersCountByTheirExactFirstLetter) {
    // The member number, then molt, punti, iqrp and mdc after one QSO of QRB 100.
    for (const auto& [member, expected] : {std::pair{"I003", "1 200 1 0"},
                                           {"M123", "1 200 0 1"},
                                           {"i003", "1 200 0 0"},
                                           {"X1", "1 200 0 0"}}) {
        const ContestTotals t = add_qso({}, " 100", member, "ZZ9XA", "JN81GD");
        EXPECT_EQ(t.molt + " " + t.punti + " " + t.iqrp + " " + t.mdc, expected) << member;
    }
}

TEST(ContestTotals, AverageRoundsHalfToEven) {
    // Count and sum so far, the QRB added, the average after it.
    for (const auto& [qso, qrb, q, media] : {std::tuple{"1", "522", "523", "522"},  // 522.5
                                             {"1", "524", "523", "524"},            // 523.5
                                             {"2", "1", "1", "1"},                  // 0.67
                                             {"3", "0", "1", "0"},                  // 0.25
                                             {"1", "-6", "1", "-2"},                // -2.5
                                             {"1", "-8", "1", "-4"}}) {             // -3.5
        const ContestTotals totals{.qso = qso, .qrb = qrb};
        EXPECT_EQ(add_qso(totals, q, "", "ZZ9XA", "JN81GD").media, media) << qrb;
    }
}

TEST(ContestTotals, OdxIsReplacedOnlyByALongerDistanceATieKeepsTheEarlier) {
    const struct {
        std::string odx_qrb;
        std::string qrb;
        bool replaced;
    } cases[] = {{" 523", " 523", false}, {" 523", "523", false},  {" 523", " 524", true},
                 {" 524", " 523", false}, {"0", "1", true},        {"...", "1", true},
                 {"0", "??????", false},  {"1e400", " 999", false}};
    for (const auto& c : cases) {
        const ContestTotals totals{.odx_call = "OLD", .odx_loc = "JN00AA", .odx_qrb = c.odx_qrb};
        const ContestTotals after = add_qso(totals, c.qrb, "", "NEW", "JN81GD");
        EXPECT_EQ(after.odx_call + "|" + after.odx_loc + "|" + after.odx_qrb,
                  c.replaced ? "NEW|JN81GD|" + c.qrb : "OLD|JN00AA|" + c.odx_qrb)
            << c.odx_qrb << " vs " << c.qrb;
    }
}

TEST(ContestTotals, HostileRestoredTotalsStayPlainNumbers) {
    const char* largest = "1000000000000000";
    const struct {
        const char* name;
        ContestTotals totals;
        const char* qrb;
        ContestTotals expected;
    } cases[] = {
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
    for (const auto& c : cases) {
        EXPECT_EQ(add_qso(c.totals, c.qrb, "I001", "ZZ9XA", "JN81GD"), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace zelora
