// The member lookup of the QSO entry: the number the serial box fills and the member hint shown
// while the callsign is typed come from one rule, and always agree.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/member_list.h"
#include "support/contest_session.h"

namespace zelora {
namespace {

using testing::ContestSession;

using Shown = std::vector<std::string>;  // the hint, the member box

// Types `callsign` (the hint), then enters the serial box with `current` in the member box.
Shown look_up(MainLogScreen& main, const std::string& callsign, const std::string& current) {
    main.focus(main.Text6);
    main.Text6.set(callsign);
    const std::string hint = main.aids.MemberHint.text();
    main.Text11.set(current);
    main.focus(main.Text9);
    return {hint, main.Text11.text()};
}

TEST(MemberLookup, HintEqualsFill) {
    const std::string long_junk(100000, 'Q');
    const struct {
        const char* name;
        std::optional<std::string> iqrp, mqc;  // nothing: no file
        std::string callsign;
        std::optional<std::string> member;  // nothing: the member box keeps what it held
    } cases[] = {
        {"no files", std::nullopt, std::nullopt, "ZZ9XA", std::nullopt},
        {"portable base call", std::nullopt, "ZZ9XA#45\r\n", "ZZ9XA/P", "M045"},
        {"only the first slash cuts", "ZZ9XA#7\r\nZZ9XA/P#8\r\n", std::nullopt, "ZZ9XA/P/M",
         "I007"},
        {"I-QRP over MQC", "ZZ9XA#3\r\n", "ZZ9XA#45\r\n", "ZZ9XA", "I003"},
        {"MQC when I-QRP lacks it", "ZZ9XB#3\r\n", "ZZ9XA#45\r\n", "ZZ9XA", "M045"},
        {"last match wins", "ZZ9XA#3\r\nAB1CD#4\r\nZZ9XA#17\r\n", std::nullopt, "ZZ9XA", "I017"},
        {"two digits padded", std::nullopt, "ZZ9XA#12\r\n", "ZZ9XA", "M012"},
        {"four digits whole", "ZZ9XA#1234\r\n", std::nullopt, "ZZ9XA", "I1234"},
        {"case-sensitive", "zz9xa#5\r\n", std::nullopt, "ZZ9XA", std::nullopt},
        {"listed call longer", "ZZ9XAB#5\r\n", std::nullopt, "ZZ9XA", std::nullopt},
        {"listed call shorter", "ZZ9XA#5\r\n", std::nullopt, "ZZ9XAB", std::nullopt},
        {"line without #", "ZZ9XA\r\nZZ9XA5\r\n", std::nullopt, "ZZ9XA", std::nullopt},
        {"nothing after # is passed over", "ZZ9XA#5\r\nZZ9XA#\r\n", std::nullopt, "ZZ9XA", "I005"},
        {"nothing after # in I-QRP", "ZZ9XA#\r\n", "ZZ9XA#45\r\n", "ZZ9XA", "M045"},
        {"nothing before # never matches an empty call", "#5\r\n", "#6\r\n", "/P", std::nullopt},
        {"several #", "ZZ9XA#12#3\r\n", std::nullopt, "ZZ9XA", "I12#3"},
        {"number as the member box keeps it", "ZZ9XA#a;\xFF\r\n", std::nullopt, "ZZ9XA", "IA\x9F"},
        {"empty lines", "\r\n\r\nZZ9XA#5\r\n\r\n", "\r\n", "ZZ9XA", "I005"},
        {"LF-only ends", "AB1CD#1\nZZ9XA#2\n", std::nullopt, "ZZ9XA", "I002"},
        {"CR-only ends, none at the end", std::nullopt, "AB1CD#1\rZZ9XA#22", "ZZ9XA", "M022"},
        {"byte-order mark", "\xEF\xBB\xBFZZ9XA#6\r\n", std::nullopt, "ZZ9XA", "I006"},
        {"non-ASCII callsign", "\xC0\xC9K#7\r\n", std::nullopt, "\xC0\xC9K", "I007"},
        {"embedded NUL", std::string("ZZ9XA\0#5\r\n", 10), std::nullopt, "ZZ9XA", std::nullopt},
        {"very long lines", long_junk + "\r\nZZ9XA#" + long_junk + "\r\n", std::nullopt, "ZZ9XA",
         "I" + long_junk},
    };
    for (const auto& c : cases) {
        ContestSession session;
        if (c.iqrp) session.fake.dir.write(kIqrpFileName, *c.iqrp);
        if (c.mqc) session.fake.dir.write(kMqcFileName, *c.mqc);
        session.main().aids.LoadMemberLists();
        const std::string hint =
            !c.member ? "" : (c.member->front() == 'I' ? "I-QRP " : "MQC ") + *c.member;
        EXPECT_EQ(look_up(session.main(), c.callsign, "M999"),
                  (Shown{hint, c.member.value_or("M999")}))
            << c.name;
        EXPECT_TRUE(session.fake.messages.shown.empty()) << c.name;
    }
}

// Another program may change a list during the contest: the serial box reads the files anew and
// the hint follows that reading at once.
TEST(MemberLookup, FilesAreReadAnewAndAnUnreadableListCountsAsEmpty) {
    ContestSession session(testing::kStationConfig, {{kMqcFileName, "ZZ9XA#45\r\n"}});
    EXPECT_EQ(look_up(session.main(), "ZZ9XA", ""), (Shown{"MQC M045", "M045"}));
    session.fake.dir.write(kIqrpFileName, "ZZ9XA#3\r\n");
    EXPECT_EQ(look_up(session.main(), "ZZ9XA", ""), (Shown{"MQC M045", "I003"}));
    EXPECT_EQ(session.main().aids.MemberHint.text(), "I-QRP I003");
    EXPECT_TRUE(session.fake.messages.shown.empty());

    std::filesystem::remove(session.fake.dir.file(kIqrpFileName));
    session.fake.dir.block(kIqrpFileName);
    EXPECT_EQ(look_up(session.main(), "ZZ9XA", "I001"), (Shown{"I-QRP I003", "M045"}));
    EXPECT_EQ(session.main().aids.MemberHint.text(), "MQC M045");
    EXPECT_EQ(session.fake.messages.shown,
              std::vector{testing::critical("Impossibile leggere il file " +
                                            session.fake.dir.file(kIqrpFileName))});
}

}  // namespace
}  // namespace zelora
