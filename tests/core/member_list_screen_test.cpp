#include "store/member_list_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/window_set.h"
#include "store/admin_screen.h"
#include "store/member_list.h"
#include "support/fakes.h"

namespace zelora {
namespace {

using testing::FakePlatform;
using testing::ShownMessage;

const std::string kAdded = "Utente aggiunto con successo nel database";
const std::string kRefused = "L'Utente non pu\xF2 essere aggiunto poiche' gia' presente";

ShownMessage information(const std::string& text) {
    return {kMessageTitle, text, MessageIcon::information};
}
ShownMessage critical(const std::string& text) {
    return {kMessageTitle, text, MessageIcon::critical};
}

// The member-list window over a program directory prepared before it opens.
class MemberListWindow : public ::testing::Test {
  protected:
    void write(const char* name, const std::string& bytes) { fake.dir.write(name, bytes); }
    MemberListScreen& screen() { return windows.member_lists(); }
    std::vector<ShownMessage>& shown() { return fake.messages.shown; }

    void add(const std::string& callsign) {
        screen().Text6.set(callsign);
        screen().Command3_Click();
    }
    void find(const std::string& callsign) {
        screen().Text5.set(callsign);
        screen().Command2_Click();
    }

    FakePlatform fake;
    WindowSet windows{fake.platform()};
};

TEST_F(MemberListWindow, WithoutFilesTheFirstAdditionCreatesBothFiles) {
    EXPECT_EQ(screen().Text1.text(), "");
    EXPECT_EQ(screen().Text2.text(), "");
    EXPECT_EQ(screen().Text3.text(), "0");
    EXPECT_EQ(screen().Text4.text(), "0");
    EXPECT_EQ(screen().Combo1.text(), "I-QRP");
    EXPECT_EQ(screen().Label2.text(), "1");
    EXPECT_EQ(screen().Text6.text(), "N.A.");

    screen().Text6.set("zz9xa");
    EXPECT_EQ(screen().Text6.text(), "ZZ9XA");
    EXPECT_EQ(screen().Text6.caret(), 5u);
    screen().Command3_Click();

    EXPECT_EQ(fake.dir.read(kIqrpFileName), "ZZ9XA#1\r\n");
    EXPECT_TRUE(fake.dir.exists(kMqcFileName));
    EXPECT_EQ(fake.dir.read(kMqcFileName), "");
    EXPECT_EQ(shown(), std::vector{information(kAdded)});
    EXPECT_EQ(screen().Text1.text(), "ZZ9XA#1\r\n");
    EXPECT_EQ(screen().Text3.text(), "1");
    EXPECT_EQ(screen().Label2.text(), "2");
    EXPECT_EQ(screen().Text6.text(), "N.A.");
    EXPECT_EQ(looked_up_member(fake.platform(), "ZZ9XA/P", ""), "I001");
}

TEST_F(MemberListWindow, LoadsEveryLineWithCrLfAndCountsIt) {
    struct Case {
        const char* file;
        const char* text;
        const char* count;
    };
    const Case cases[] = {
        {"A#1\r\nB#2\r\n", "A#1\r\nB#2\r\n", "2"},
        {"A#1\nB#2\n", "A#1\r\nB#2\r\n", "2"},
        {"A#1\rB#2", "A#1\r\nB#2\r\n", "2"},
        {"A#1\r\n\r\n\r\nB#2\r\n", "A#1\r\n\r\n\r\nB#2\r\n", "4"},
        {"", "", "0"},
        {"\xC0\xC9K#7\r\nno hash\r\n", "\xC0\xC9K#7\r\nno hash\r\n", "2"},
    };
    for (const Case& c : cases) {
        FakePlatform one;
        one.dir.write(kIqrpFileName, c.file);
        one.dir.write(kMqcFileName, c.file);
        WindowSet set{one.platform()};
        const MemberListScreen& loaded = set.member_lists();
        EXPECT_EQ(loaded.Text1.text(), c.text) << c.file;
        EXPECT_EQ(loaded.Text2.text(), c.text) << c.file;
        EXPECT_EQ(loaded.Text3.text(), c.count) << c.file;
        EXPECT_EQ(loaded.Text4.text(), c.count) << c.file;
        EXPECT_EQ(loaded.Label2.text(), std::to_string(std::stoi(c.count) + 1)) << c.file;
        EXPECT_TRUE(one.messages.shown.empty()) << c.file;
    }
}

TEST_F(MemberListWindow, SearchMatchesWholeCallsignsAndShowsPaddedNumbers) {
    write(kIqrpFileName, "ZZ9XAB#5\r\nAB1CD#12\nEF2GH#1234\r\nIJ3KL#7\r\n");
    write(kMqcFileName, "ZZ9XA#45\r\n");
    struct Case {
        const char* choice;
        const char* search;
        std::optional<std::string> message;  // nothing: no message at all
    };
    const Case cases[] = {
        {"I-QRP", "ZZ9XAB", "Utente presente nel database I-QRP al numero 005"},
        {"I-QRP", "zz9xab", "Utente presente nel database I-QRP al numero 005"},
        {"I-QRP", "AB1CD", "Utente presente nel database I-QRP al numero 012"},
        {"I-QRP", "EF2GH", "Utente presente nel database I-QRP al numero 1234"},
        {"I-QRP", "ZZ9XA", "Utente non presente nel database I-QRP"},
        {"I-QRP", "ZZ9X", "Utente non presente nel database I-QRP"},
        {"I-QRP", "9XAB", "Utente non presente nel database I-QRP"},
        {"I-QRP", "ZZ9XAB#5", "Utente non presente nel database I-QRP"},
        {"I-QRP", "", "Utente non presente nel database I-QRP"},
        {"MQC", "ZZ9XA", "Utente presente nel database MQC al numero 045"},
        {"MQC", "ZZ9XAB", "Utente non presente nel database MQC"},
        {"MQC", "", "Utente non presente nel database MQC"},
        {"mqc", "ZZ9XA", std::nullopt},
        {"", "ZZ9XA", std::nullopt},
    };
    for (const Case& c : cases) {
        shown().clear();
        screen().Combo1.set(c.choice);
        find(c.search);
        const std::vector<ShownMessage> expected =
            c.message ? std::vector{information(*c.message)} : std::vector<ShownMessage>{};
        EXPECT_EQ(shown(), expected) << c.choice << " " << c.search;
    }
}

TEST_F(MemberListWindow, SearchUsesTheListBoxAsEdited) {
    screen().Text1.set("AB1CD#9");
    find("AB1CD");
    EXPECT_EQ(shown(),
              std::vector{information("Utente presente nel database I-QRP al numero 009")});
}

TEST_F(MemberListWindow, AdditionIsRefusedOnlyForARealDuplicateOrNoCallsign) {
    struct Case {
        const char* typed;
        bool added;
    };
    const Case cases[] = {
        {"ZZ9XA", false},
        {"zz9xa", false},
        {"N.A.", false},
        {"", false},
        {"ZZ9X", true},
        {"ZZ9XABC", true},
        {"#", false},
        {"\r\n", false},
        {"ZZ#9XA", false},
        {"AB1\r\nCD", true},
        {"\xE0"
         "BC",
         true},
    };
    const std::string iqrp = "ZZ9XAB#1\r\nZZ9XA#2\r\n";
    for (const Case& c : cases) {
        FakePlatform one;
        one.dir.write(kIqrpFileName, iqrp);
        WindowSet set{one.platform()};
        MemberListScreen& window = set.member_lists();
        window.Text6.set(c.typed);
        const std::string callsign = window.Text6.text();
        window.Command3_Click();
        if (c.added) {
            EXPECT_EQ(one.dir.read(kIqrpFileName), iqrp + callsign + "#3\r\n") << c.typed;
            EXPECT_EQ(one.messages.texts(), std::vector{kAdded}) << c.typed;
        } else {
            EXPECT_EQ(one.dir.read(kIqrpFileName), iqrp) << c.typed;
            EXPECT_FALSE(one.dir.exists(kMqcFileName)) << c.typed;
            EXPECT_EQ(one.messages.shown, std::vector{information(kRefused)}) << c.typed;
            EXPECT_EQ(window.Text6.text(), callsign) << c.typed;
        }
    }
}

TEST_F(MemberListWindow, TheAddFieldDropsSeparatorsAndUpperCasesAsTyped) {
    screen().Text6.set("ab#1\r\ncd\xE0");
    EXPECT_EQ(screen().Text6.text(), "AB1CD\xC0");
    EXPECT_EQ(screen().Text6.caret(), 6u);
    screen().Text5.set("zz9xa/p");
    EXPECT_EQ(screen().Text5.text(), "ZZ9XA/P");
    EXPECT_EQ(screen().Text5.caret(), 7u);
}

TEST_F(MemberListWindow, TwoAdditionsInOneWindowGetConsecutiveNumbers) {
    write(kIqrpFileName, "A#1\r\nB#2\r\n");
    write(kMqcFileName, "C#1\r\n");
    add("ZZ9XA");
    add("ZZ9XB");
    EXPECT_EQ(fake.dir.read(kIqrpFileName), "A#1\r\nB#2\r\nZZ9XA#3\r\nZZ9XB#4\r\n");
    EXPECT_EQ(fake.dir.read(kMqcFileName), "C#1\r\n");
    EXPECT_EQ(screen().Text3.text(), "4");
    EXPECT_EQ(screen().Label2.text(), "5");
    EXPECT_EQ(fake.messages.texts(), (std::vector{kAdded, kAdded}));
}

TEST_F(MemberListWindow, TheNextNumberFollowsTheListChoice) {
    write(kIqrpFileName, "A#1\r\nB#2\r\nC#3\r\n");
    write(kMqcFileName, "D#1\r\nE#2\r\nF#3\r\nG#4\r\nH#5\r\n");
    EXPECT_EQ(screen().Label2.text(), "4");
    screen().Combo1.set("MQC");
    EXPECT_EQ(screen().Label2.text(), "6");
    screen().Combo1.set("I-QRP");
    EXPECT_EQ(screen().Label2.text(), "4");
    screen().Text4.set("20");  // hand-edited count
    screen().Combo1.set("MQ");
    EXPECT_EQ(screen().Label2.text(), "4");
    screen().Combo1.set("MQC");
    EXPECT_EQ(screen().Label2.text(), "21");

    add("ZZ9XA");
    EXPECT_EQ(fake.dir.read(kMqcFileName), "D#1\r\nE#2\r\nF#3\r\nG#4\r\nH#5\r\nZZ9XA#21\r\n");
    EXPECT_EQ(fake.dir.read(kIqrpFileName), "A#1\r\nB#2\r\nC#3\r\n");
    EXPECT_EQ(screen().Text4.text(), "21");
    EXPECT_EQ(screen().Label2.text(), "22");
    EXPECT_EQ(screen().Text3.text(), "3");
}

TEST_F(MemberListWindow, AnotherTypedChoiceAddsAndWritesNothing) {
    write(kIqrpFileName, "A#1");
    screen().Text1.set("hand edit\r\n");
    screen().Combo1.set("XYZ");
    add("ZZ9XA");
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(fake.dir.read(kIqrpFileName), "A#1");
    EXPECT_FALSE(fake.dir.exists(kMqcFileName));
    EXPECT_EQ(screen().Text6.text(), "ZZ9XA");
    EXPECT_EQ(screen().Label2.text(), "2");
}

TEST_F(MemberListWindow, AddingKeepsHandEditsAndNeverMergesTwoMembers) {
    struct Case {
        const char* box;
        const char* file;
    };
    const Case cases[] = {
        {"A#1", "A#1\r\nZZ9XA#1\r\n"}, {"A#1\r\n", "A#1\r\nZZ9XA#1\r\n"},
        {"A#1\n", "A#1\nZZ9XA#1\r\n"}, {"A#1\r", "A#1\rZZ9XA#1\r\n"},
        {"", "ZZ9XA#1\r\n"},
    };
    for (const Case& c : cases) {
        FakePlatform one;
        WindowSet set{one.platform()};
        MemberListScreen& window = set.member_lists();
        window.Text1.set(c.box);
        window.Text2.set("mqc hand edit");
        window.Text6.set("ZZ9XA");
        window.Command3_Click();
        EXPECT_EQ(one.dir.read(kIqrpFileName), c.file) << c.box;
        EXPECT_EQ(one.dir.read(kMqcFileName), "mqc hand edit") << c.box;
        EXPECT_EQ(window.Text1.text(), c.file) << c.box;
    }
}

TEST_F(MemberListWindow, AFailedWriteLosesNothingAndCanBeRepeated) {
    write(kIqrpFileName, "A#1\r\n");
    screen();
    fake.dir.block(kMqcFileName);
    add("ZZ9XA");

    const std::string mqc_path = fake.dir.file(kMqcFileName);
    EXPECT_EQ(shown(), std::vector{critical("Impossibile scrivere il file " + mqc_path)});
    EXPECT_EQ(screen().Text6.text(), "ZZ9XA");
    EXPECT_EQ(screen().Text1.text(), "A#1\r\n");
    EXPECT_EQ(screen().Text3.text(), "1");
    EXPECT_EQ(screen().Label2.text(), "2");
    EXPECT_EQ(fake.dir.read(kMqcFileName + std::string("/keep")), "x");
    EXPECT_FALSE(fake.dir.exists(kMqcFileName + std::string(".tmp")));

    std::filesystem::remove_all(mqc_path);
    shown().clear();
    screen().Command3_Click();
    EXPECT_EQ(shown(), std::vector{information(kAdded)});
    EXPECT_EQ(fake.dir.read(kIqrpFileName), "A#1\r\nZZ9XA#2\r\n");
    EXPECT_EQ(fake.dir.read(kMqcFileName), "");
}

TEST_F(MemberListWindow, AFailedFirstWriteStopsBeforeTheSecond) {
    screen();
    fake.dir.block(kIqrpFileName);
    screen().Combo1.set("MQC");
    add("ZZ9XA");
    EXPECT_EQ(shown(), std::vector{critical("Impossibile scrivere il file " +
                                            fake.dir.file(kIqrpFileName))});
    EXPECT_FALSE(fake.dir.exists(kMqcFileName));
    EXPECT_EQ(screen().Text2.text(), "");
    EXPECT_EQ(screen().Text4.text(), "0");
    EXPECT_EQ(screen().Text6.text(), "ZZ9XA");
}

TEST_F(MemberListWindow, AListUnreadableAtOpeningIsNeverOverwritten) {
    write(kIqrpFileName, "A#1\r\n");
    fake.dir.block(kMqcFileName);
    const ShownMessage read_notice =
        critical("Impossibile leggere il file " + fake.dir.file(kMqcFileName));
    EXPECT_EQ(screen().Text4.text(), "0");
    EXPECT_EQ(shown(), std::vector{read_notice});

    for (const char* choice : {"I-QRP", "MQC"}) {
        shown().clear();
        screen().Combo1.set(choice);
        add("ZZ9XA");
        EXPECT_EQ(shown(), std::vector{read_notice}) << choice;
        EXPECT_EQ(fake.dir.read(kIqrpFileName), "A#1\r\n") << choice;
        EXPECT_EQ(fake.dir.read(kMqcFileName + std::string("/keep")), "x") << choice;
        EXPECT_EQ(screen().Text6.text(), "ZZ9XA") << choice;
    }
}

TEST_F(MemberListWindow, EsciClosesTheWindow) {
    screen().Command1_Click();
    EXPECT_FALSE(windows.is_open(WindowId::member_lists));
}

TEST(AdminWindow, ThePictureButtonOpensTheMemberListsAndCloses) {
    FakePlatform fake;
    fake.dir.write(kIqrpFileName, "A#1\r\nB#2\r\n");
    WindowSet windows{fake.platform()};
    windows.admin().set_visible(true);
    windows.admin().Command2_Click();
    EXPECT_FALSE(windows.is_open(WindowId::admin));
    ASSERT_TRUE(windows.is_open(WindowId::member_lists));
    EXPECT_TRUE(windows.member_lists().visible());
    EXPECT_EQ(windows.member_lists().Label2.text(), "3");
}

TEST(AdminWindow, ChiudiClosesOnlyItself) {
    FakePlatform fake;
    WindowSet windows{fake.platform()};
    windows.admin().Command1_Click();
    EXPECT_FALSE(windows.is_open(WindowId::admin));
    EXPECT_FALSE(windows.is_open(WindowId::member_lists));
}

}  // namespace
}  // namespace zelora
