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
        qso.locator = "JN81GD";
        index.add(qso);
    }
    return index;
}

TEST(QsoIndex, WorkedMeansExactlyTheSameCallsign) {
    struct Case {
        std::vector<std::string> logged;
        const char* callsign;
        bool worked;
    };
    const Case cases[] = {
        {{}, "ZZ9XA", false},
        {{"ZZ9XA"}, "ZZ9XA", true},
        {{"ZZ9XAB"}, "ZZ9XA", false},
        {{"ZZ9XA"}, "ZZ9XAB", false},
        {{"ZZ9XA/P"}, "ZZ9XA", false},
        {{"ZZ9XA"}, "zz9xa", false},
        {{"ZZ9XA"}, "ZZ9XA ", false},
        {{"ZZ9XA", "IK0AAA"}, "", false},
        {{"IK0AAA", "ZZ9XA", "IK0AAA"}, "IK0AAA", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(index_of(c.logged).worked(c.callsign), c.worked) << c.callsign;
    }
}

TEST(QsoIndex, RenameMovesTheCallsign) {
    QsoIndex index = index_of({"ZZ9XA", "IK0AAA", "ZZ9XA"});
    index.rename(0, "ZZ9XB");
    EXPECT_TRUE(index.worked("ZZ9XA")) << "the third QSO still has it";
    EXPECT_TRUE(index.worked("ZZ9XB"));
    EXPECT_EQ(index.qsos()[0].callsign, "ZZ9XB");

    index.rename(2, "ZZ9XC");
    EXPECT_FALSE(index.worked("ZZ9XA"));
    EXPECT_TRUE(index.worked("ZZ9XC"));

    index.rename(1, "IK0AAA");  // unchanged
    EXPECT_TRUE(index.worked("IK0AAA"));

    index.rename(3, "OUTSIDE");  // no such QSO
    EXPECT_FALSE(index.worked("OUTSIDE"));
    ASSERT_EQ(index.qsos().size(), 3u);
    EXPECT_EQ(index.qsos()[1].callsign, "IK0AAA");
    EXPECT_EQ(index.qsos()[2].callsign, "ZZ9XC");
}

TEST(QsoIndex, ClearForgetsEverything) {
    QsoIndex index = index_of({"ZZ9XA"});
    index.clear();
    EXPECT_TRUE(index.qsos().empty());
    EXPECT_FALSE(index.worked("ZZ9XA"));
}

}  // namespace
}  // namespace zelora
