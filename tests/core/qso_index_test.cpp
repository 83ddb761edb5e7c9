#include "core/qso_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zelora {
namespace {

QsoIndex index_of(const std::vector<std::string>& callsigns) {
    QsoIndex index;
    for (const std::string& callsign : callsigns) {
        QsoRecord qso;
        qso.callsign = callsign;
        index.add(qso);
    }
    return index;
}

TEST(QsoIndex, WorkedMeansExactlyTheSameCallsign) {
    const QsoIndex index = index_of({"ZZ9XAB", "ZZ9XA/P", "IK0AAA", "IK0AAA"});
    for (const char* call : {"ZZ9XAB", "ZZ9XA/P", "IK0AAA"})
        EXPECT_TRUE(index.worked(call)) << call;
    for (const char* call : {"ZZ9XA", "ZZ9XABC", "zz9xab", "ZZ9XAB ", " ZZ9XAB", "ZZ9XA/", ""})
        EXPECT_FALSE(index.worked(call)) << call;
    EXPECT_FALSE(QsoIndex{}.worked("ZZ9XAB"));
}

TEST(QsoIndex, ReplaceMovesCallsignAndDistanceFindTakesTheFirstClearForgetsAll) {
    QsoIndex index = index_of({"ZZ9XA", "IK0AAA", "ZZ9XA"});
    EXPECT_EQ(index.find("ZZ9XA"), 0u);
    EXPECT_EQ(index.find("IK0AAA"), 1u);
    for (const char* call : {"ZZ9X", "zz9xa", "", "ZZ9XAB"})
        EXPECT_EQ(index.find(call), std::nullopt);

    QsoRecord corrected;
    corrected.callsign = "ZZ9XB";
    corrected.qrb = " 523";
    index.replace(0, corrected);
    EXPECT_TRUE(index.worked("ZZ9XA")) << "the third QSO still has it";
    EXPECT_EQ(index.find("ZZ9XA"), 2u);
    EXPECT_EQ(index.find("ZZ9XB"), 0u);
    EXPECT_EQ(index.distances(), (std::vector<double>{523, 0, 0}));
    corrected.callsign = "ZZ9XC";
    index.replace(2, corrected);
    EXPECT_FALSE(index.worked("ZZ9XA"));
    index.replace(1, index.qsos()[1]);  // unchanged
    EXPECT_TRUE(index.worked("IK0AAA"));
    index.replace(3, corrected);  // no such QSO
    ASSERT_EQ(index.qsos().size(), 3u);
    EXPECT_EQ(index.qsos()[0].callsign + index.qsos()[1].callsign + index.qsos()[2].callsign,
              "ZZ9XBIK0AAAZZ9XC");

    index.clear();
    EXPECT_TRUE(index.qsos().empty());
    EXPECT_TRUE(index.distances().empty());
    EXPECT_FALSE(index.worked("ZZ9XC"));
}

}  // namespace
}  // namespace zelora
