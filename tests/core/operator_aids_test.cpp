// The operator aids of the main window: what the callsign box shows while it is typed is the
// rows of tests/data/tables/aids.txt; here the aids over the log's life.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/contest_session.h"
#include "windows/member_list_screen.h"

namespace zelora {
namespace {

using testing::Strings;
using testing::texts;

struct Aids : ::testing::Test, testing::ContestSession {
    Aids()
        : ContestSession(testing::kStationConfig,
                         {{"iqrp.txt", "IK2ABC#7\r\nZZ9XB#9\r\nIK2ABC#12\r\n"},
                          {"mqc.txt", "ZZ9XB#45\r\nOE3XYZ#3\r\n"}}) {}
    Strings shown(const std::string& typed) {
        main().Text6.set(typed);
        const OperatorAids& aids = main().aids;
        return {aids.DupeMark.text(), aids.PartialList.text(), aids.MemberHint.text()};
    }
};

TEST_F(Aids, PartialListHoldsTenCallsignsMostRecentFirst) {
    for (int n = 0; n < 14; ++n) log("ZZ" + std::to_string(10 + n));
    std::string expected;
    for (int n = 23; n > 13; --n) expected += "ZZ" + std::to_string(n) + "        JN61FV\n";
    EXPECT_EQ(shown("ZZ")[1], expected);
}

TEST_F(Aids, ARestoredContestIsCheckedAndCounted) {
    log("ZZ9XA");
    fake.clock.utc.minute = 25;
    continue_contest();
    EXPECT_EQ(shown("ZZ9XA"), (Strings{"DUPE 001 07.20", "ZZ9XA       JN61FV\n", ""}));
    EXPECT_EQ(texts({&main().aids.Rate10, &main().aids.Rate60}), (Strings{"6", "1"}));
}

TEST_F(Aids, MemberListsAreReadAtLoadAndAfterAnAdditionOnly) {
    EXPECT_EQ(shown("ZZ9XC")[2], "");
    fake.dir.write("iqrp.txt", "ZZ9XC#1\r\n");  // changed behind the window's back
    EXPECT_EQ(shown("ZZ9XC/P")[2], "");
    MemberListScreen& lists = get<MemberListScreen>();
    lists.Combo1.set("MQC");
    lists.Text6.set("ZZ9XD");
    lists.Command3_Click();  // "Aggiungi": both files written, main window reads them again
    EXPECT_EQ(main().aids.MemberHint.text(), "I-QRP I001");
    EXPECT_EQ(shown("ZZ9XD")[2], "MQC M003");
}

TEST_F(Aids, MissingOrUnreadableListsGiveNoHintAndNoMessage) {
    for (bool unreadable : {false, true}) {
        std::filesystem::remove_all(fake.dir.file("iqrp.txt"));
        std::filesystem::remove_all(fake.dir.file("mqc.txt"));
        if (unreadable) {
            fake.dir.block("iqrp.txt");
            fake.dir.block("mqc.txt");
        }
        restart();
        EXPECT_EQ(shown("IK2ABC")[2], "");
        EXPECT_EQ(told(), Strings{});
    }
}

}  // namespace
}  // namespace zelora
