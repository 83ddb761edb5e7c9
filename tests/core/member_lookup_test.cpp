// The member lookup of the QSO entry over a contest: the lists read anew. That the number the
// serial box fills and the member hint always agree is the rows of tests/data/tables/files.txt.
#include <gtest/gtest.h>

#include <filesystem>
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
