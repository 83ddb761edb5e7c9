#include "windows/member_list_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/window_set.h"
#include "store/member_list.h"
#include "support/fakes.h"
#include "windows/admin_screen.h"

namespace zelora {
namespace {

using testing::critical;
using testing::FakePlatform;
using testing::information;
using testing::ShownMessage;
using Shown = std::vector<ShownMessage>;
// I-QRP box, MQC box, I-QRP count, MQC count, list choice, next number, add field.
using Fields = std::vector<std::string>;

const std::string kAdded = "Utente aggiunto con successo nel database";
const std::string kRefused = "L'Utente non pu\xF2 essere aggiunto poiche' gia' presente";

// The member-list window (Form11) over a program directory prepared before it opens.
class MemberListWindow : public ::testing::Test {
  protected:
    MemberListScreen& screen() { return windows.get<MemberListScreen>(); }
    Shown& shown() { return fake.messages.shown; }
    std::string file(const char* name) { return fake.dir.read(name); }
    Fields state() {
        const MemberListScreen& s = screen();
        return {s.Text1.text(),  s.Text2.text(),  s.Text3.text(), s.Text4.text(),
                s.Combo1.text(), s.Label2.text(), s.Text6.text()};
    }
    void add(const std::string& callsign) {
        screen().Text6.set(callsign);
        screen().Command3_Click();
    }

    FakePlatform fake;
    WindowSet windows{fake.platform()};
};

TEST_F(MemberListWindow, WithoutFilesTheFirstAdditionCreatesBothFiles) {
    EXPECT_EQ(state(), (Fields{"", "", "0", "0", "I-QRP", "1", "N.A."}));
    screen().Text6.set("zz9xa");
    EXPECT_EQ(screen().Text6.text(), "ZZ9XA");
    screen().Command3_Click();
    EXPECT_EQ(file(kIqrpFileName), "ZZ9XA#1\r\n");
    EXPECT_TRUE(fake.dir.exists(kMqcFileName));
    EXPECT_EQ(file(kMqcFileName), "");
    EXPECT_EQ(shown(), Shown{information(kAdded)});
    EXPECT_EQ(state(), (Fields{"ZZ9XA#1\r\n", "", "1", "0", "I-QRP", "2", "N.A."}));
    EXPECT_EQ(MemberLists::read(fake.platform(), true).member_of("ZZ9XA/P"), "I001");
}

TEST_F(MemberListWindow, SearchMatchesWholeCallsignsAndShowsPaddedNumbers) {
    // The first AB1CD line counts; "#9" lists no one, not even an empty search.
    fake.dir.write(kIqrpFileName, "ZZ9XAB#5\r\nAB1CD#12\n#9\rEF2GH#1234\r\nAB1CD#99\r\n");
    fake.dir.write(kMqcFileName, "ZZ9XA#45\r\n");
    const struct {
        const char *choice, *search, *number;  // number "": not listed; null: no message
    } cases[] = {
        {"I-QRP", "zz9xab", "005"}, {"I-QRP", "AB1CD", "012"}, {"I-QRP", "EF2GH", "1234"},
        {"I-QRP", "ZZ9XA", ""},     {"I-QRP", "9XAB", ""},     {"I-QRP", "ZZ9XAB#5", ""},
        {"I-QRP", "", ""},          {"MQC", "ZZ9XA", "045"},   {"MQC", "ZZ9XAB", ""},
        {"mqc", "ZZ9XA", nullptr},  {"", "ZZ9XA", nullptr},
    };
    for (const auto& c : cases) {
        shown().clear();
        screen().Combo1.set(c.choice);
        screen().Text5.set(c.search);
        screen().Command2_Click();
        const std::string list = std::string(" nel database ") + c.choice;
        Shown expected;
        if (c.number && *c.number) {
            expected = {information("Utente presente" + list + " al numero " + c.number)};
        } else if (c.number) {
            expected = {information("Utente non presente" + list)};
        }
        EXPECT_EQ(shown(), expected) << c.choice << " " << c.search;
    }
    shown().clear();
    screen().Combo1.set("I-QRP");
    screen().Text1.set("AB1CD#9");  // the box as edited, not the file
    screen().Text5.set("AB1CD");
    screen().Command2_Click();
    EXPECT_EQ(shown(), Shown{information("Utente presente nel database I-QRP al numero 009")});
}

// The add field drops "#" and line ends and is upper-cased; only a listed callsign (whole), an
// empty field or "N.A." is refused, and each addition takes the next number.
TEST_F(MemberListWindow, AdditionIsRefusedOnlyForARealDuplicateOrNoCallsign) {
    const std::string iqrp = "ZZ9XAB#1\r\nZZ9XA#2\r\n";
    fake.dir.write(kIqrpFileName, iqrp);
    const std::pair<const char*, const char*> refused[] = {
        // typed, what the field holds
        {"ZZ9XA", "ZZ9XA"}, {"zz9xa", "ZZ9XA"}, {"N.A.", "N.A."},    {"", ""},
        {"#", ""},          {"\r\n", ""},       {"ZZ#9XA", "ZZ9XA"},
    };
    for (const auto& [typed, field] : refused) {
        shown().clear();
        add(typed);
        EXPECT_EQ(screen().Text6.text(), field) << typed;
        EXPECT_EQ(shown(), Shown{information(kRefused)}) << typed;
    }
    EXPECT_EQ(file(kIqrpFileName), iqrp);
    EXPECT_FALSE(fake.dir.exists(kMqcFileName));

    shown().clear();
    for (const char* typed : {"ZZ9X", "ZZ9XABC", "ab1\r\ncd", "\xE0\x62"}) add(typed);
    EXPECT_EQ(file(kIqrpFileName), iqrp + "ZZ9X#3\r\nZZ9XABC#4\r\nAB1CD#5\r\n\xC0\x42#6\r\n");
    EXPECT_EQ(file(kMqcFileName), "");
    EXPECT_EQ(shown(), Shown(4, information(kAdded)));
    EXPECT_EQ(screen().Label2.text(), "7");
}

// Every line loaded ends in CR LF and counts, empty or odd ones included. A typed choice other
// than the two lists adds, writes and reports nothing.
TEST_F(MemberListWindow, LoadedListsAndTheNextNumberFollowingTheListChoice) {
    const std::string iqrp_file = "A#1\nB#2\r\xC0\xC9K#3";
    const std::string mqc = "D#1\r\n\r\nno hash\r\nG#4\r\nH#5\r\n";
    fake.dir.write(kIqrpFileName, iqrp_file);
    fake.dir.write(kMqcFileName, mqc);
    const std::string iqrp = "A#1\r\nB#2\r\n\xC0\xC9K#3\r\n";
    EXPECT_EQ(state(), (Fields{iqrp, mqc, "3", "5", "I-QRP", "4", "N.A."}));
    EXPECT_TRUE(shown().empty());
    screen().Combo1.set("MQC");
    EXPECT_EQ(screen().Label2.text(), "6");
    screen().Combo1.set("I-QRP");
    EXPECT_EQ(screen().Label2.text(), "4");
    screen().Text4.set("20");  // hand-edited count
    screen().Combo1.set("MQ");
    add("ZZ9XA");
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(file(kIqrpFileName), iqrp_file);
    EXPECT_EQ(file(kMqcFileName), mqc);
    EXPECT_EQ(state(), (Fields{iqrp, mqc, "3", "20", "MQ", "4", "ZZ9XA"}));

    screen().Combo1.set("MQC");
    EXPECT_EQ(screen().Label2.text(), "21");
    screen().Command3_Click();
    EXPECT_EQ(file(kMqcFileName), mqc + "ZZ9XA#21\r\n");
    EXPECT_EQ(file(kIqrpFileName), iqrp_file);  // a list nobody edited keeps its bytes
    EXPECT_EQ(state(), (Fields{iqrp, mqc + "ZZ9XA#21\r\n", "3", "21", "MQC", "22", "N.A."}));
}

// A box without a final line end gets CR LF before the new member; other ends stay as they are.
TEST_F(MemberListWindow, AddingKeepsHandEditsAndNeverMergesTwoMembers) {
    screen().Text2.set("mqc hand edit");
    screen().Text1.set("A#1");
    add("ZZ9XA");
    EXPECT_EQ(file(kIqrpFileName), "A#1\r\nZZ9XA#1\r\n");
    EXPECT_EQ(file(kMqcFileName), "mqc hand edit");
    screen().Text1.set("B#1\r");
    add("ZZ9XB");
    EXPECT_EQ(file(kIqrpFileName), "B#1\rZZ9XB#2\r\n");
    screen().Text1.set("");
    add("ZZ9XC");
    EXPECT_EQ(file(kIqrpFileName), "ZZ9XC#3\r\n");
    EXPECT_EQ(state(), (Fields{"ZZ9XC#3\r\n", "mqc hand edit", "3", "0", "I-QRP", "4", "N.A."}));
}

// A member listed without a number is still listed; bytes nobody edited are saved as they were,
// control characters (a tab typed or hand-edited) never.
TEST_F(MemberListWindow, HandEditedListsKeepTheirBytesAndDropControlCharacters) {
    const std::string odd_bytes =
        "A\xA0"
        "B#1\r\n\x81\x8D\x8F\x90\x9D#2\r\n";
    fake.dir.write(kIqrpFileName, "IK0AAA#\r\nTAB\tBED#3\x7F\r\n" + odd_bytes);
    screen().Text5.set("IK0AAA");
    screen().Command2_Click();
    add("ik0aaa");
    EXPECT_EQ(
        fake.messages.texts(),
        (std::vector<std::string>{"Utente presente nel database I-QRP al numero ", kRefused}));
    screen().Text1.set(screen().Text1.text() + "TYPED\t#4\r\n");
    add("ZZ9\tXA");
    EXPECT_EQ(file(kIqrpFileName),
              "IK0AAA#\r\nTABBED#3\r\n" + odd_bytes + "TYPED#4\r\nZZ9XA#5\r\n");
}

TEST_F(MemberListWindow, AFailedWriteLosesNothingAndCanBeRepeated) {
    fake.dir.write(kIqrpFileName, "A#1\r\n");
    screen();
    const std::string iqrp_path = fake.dir.file(kIqrpFileName);
    const std::string mqc_path = fake.dir.file(kMqcFileName);
    std::filesystem::remove(iqrp_path);
    fake.dir.block(kIqrpFileName);
    screen().Combo1.set("MQC");
    add("ZZ9XA");  // the first file fails: the second is not touched
    EXPECT_FALSE(fake.dir.exists(kMqcFileName));
    std::filesystem::remove_all(iqrp_path);
    fake.dir.block(kMqcFileName);
    screen().Combo1.set("I-QRP");
    screen().Command3_Click();  // the second file fails
    const std::string cannot = "Impossibile scrivere il file ";
    EXPECT_EQ(shown(), (Shown{critical(cannot + iqrp_path), critical(cannot + mqc_path)}));
    EXPECT_EQ(state(), (Fields{"A#1\r\n", "", "1", "0", "I-QRP", "2", "ZZ9XA"}));
    EXPECT_EQ(fake.dir.read(kMqcFileName + std::string("/keep")), "x");
    EXPECT_FALSE(fake.dir.exists(kIqrpFileName));  // both lists change or neither
    EXPECT_FALSE(fake.dir.exists(kMqcFileName + std::string(".tmp")));

    std::filesystem::remove_all(mqc_path);
    shown().clear();
    screen().Command3_Click();
    EXPECT_EQ(shown(), Shown{information(kAdded)});
    EXPECT_EQ(file(kIqrpFileName), "A#1\r\nZZ9XA#2\r\n");
    EXPECT_EQ(file(kMqcFileName), "");
}

TEST_F(MemberListWindow, AListUnreadableAtOpeningIsNeverOverwritten) {
    fake.dir.write(kIqrpFileName, "A#1\r\n");
    fake.dir.block(kMqcFileName);
    const Shown read_notice{critical("Impossibile leggere il file " + fake.dir.file(kMqcFileName))};
    EXPECT_EQ(screen().Text4.text(), "0");
    EXPECT_EQ(shown(), read_notice);
    for (const char* choice : {"I-QRP", "MQC"}) {
        shown().clear();
        screen().Combo1.set(choice);
        add("ZZ9XA");
        EXPECT_EQ(shown(), read_notice) << choice;
        EXPECT_EQ(file(kIqrpFileName), "A#1\r\n") << choice;
        EXPECT_EQ(fake.dir.read(kMqcFileName + std::string("/keep")), "x") << choice;
        EXPECT_EQ(screen().Text6.text(), "ZZ9XA") << choice;
    }
}

TEST(AdminWindow, ChiudiClosesOnlyItself) {
    FakePlatform fake;
    WindowSet windows{fake.platform()};
    windows.get<AdminScreen>().Command1_Click();
    EXPECT_FALSE(windows.is_open(WindowId::admin));
    EXPECT_FALSE(windows.is_open(WindowId::member_lists));
}

}  // namespace
}  // namespace zelora
