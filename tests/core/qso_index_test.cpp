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

TEST(QsoIndex, RenameMovesTheCallsignAndClearForgetsEverything) {
    QsoIndex index = index_of({"ZZ9XA", "IK0AAA", "ZZ9XA"});
    index.rename(0, "ZZ9XB");
    EXPECT_TRUE(index.worked("ZZ9XA")) << "the third QSO still has it";
    EXPECT_TRUE(index.worked("ZZ9XB"));
    index.rename(2, "ZZ9XC");
    EXPECT_FALSE(index.worked("ZZ9XA"));
    index.rename(1, "IK0AAA");  // unchanged
    EXPECT_TRUE(index.worked("IK0AAA"));
    index.rename(3, "OUTSIDE");  // no such QSO
    EXPECT_FALSE(index.worked("OUTSIDE"));
    ASSERT_EQ(index.qsos().size(), 3u);
    EXPECT_EQ(index.qsos()[0].callsign + index.qsos()[1].callsign + index.qsos()[2].callsign,
              "ZZ9XBIK0AAAZZ9XC");
    EXPECT_TRUE(index.worked("ZZ9XC"));

    index.clear();
    EXPECT_TRUE(index.qsos().empty());
    EXPECT_FALSE(index.worked("ZZ9XC"));
}

}  // namespace
}  // namespace zelora
