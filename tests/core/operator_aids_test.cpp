// The operator aids of the main window: what the callsign box shows while it is typed is the
// rows of tests/data/tables/aids.txt; here the aids over the log's life.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/log_search.h"
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

QsoRecord worked(std::string callsign) {
    QsoRecord qso;
    qso.callsign = std::move(callsign);
    return qso;
}

// The most recent QSOs of different callsigns containing `text`, the plain way.
std::vector<std::size_t> reference(const QsoIndex& index, const std::string& text,
                                   std::size_t limit) {
    std::vector<std::size_t> found;
    Strings listed;
    for (std::size_t qso = index.qsos().size(); qso-- > 0 && found.size() < limit;) {
        const std::string& callsign = index.qsos()[qso].callsign;
        if (callsign.find(text) == std::string::npos ||
            std::find(listed.begin(), listed.end(), callsign) != listed.end()) {
            continue;
        }
        listed.push_back(callsign);
        found.push_back(qso);
    }
    return found;
}

TEST(LogSearch, FindsAcrossBlocksOnceEachCallsignAfterCorrections) {
    QsoIndex index;
    for (int n = 0; n < 600; ++n) index.add(worked("ZZ" + std::to_string(1000 + n)));
    LogSearch search;
    for (const bool corrected : {false, true}) {
        if (corrected) index.replace(598, worked("ZZ1599"));  // listed once, at its latest QSO
        search.sync(index);
        for (const char* text : {"Z100", "Z1", "10", "99", "1599", "ZZ1000", "X1"}) {
            for (const std::size_t limit : {2u, 10u}) {
                EXPECT_EQ(search.containing(text, limit), reference(index, text, limit)) << text;
            }
        }
    }
    EXPECT_TRUE(search.containing("0\nZZ", 10).empty());
    EXPECT_EQ(search.last_qso_of("ZZ1598"), std::nullopt);
    index.add(worked("ZZ1599"));
    search.sync(index);
    EXPECT_EQ(search.last_qso_of("ZZ1599"), 600u);
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
