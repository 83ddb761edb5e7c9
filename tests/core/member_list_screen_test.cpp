// A failed write of the member lists; everything else the member-list window does is the rows of
// tests/data/tables/members.txt.
#include "windows/member_list_screen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "store/member_list.h"
#include "support/contest_session.h"
#include "windows/admin_screen.h"

namespace zelora {
namespace {

using testing::Strings;

const std::string kAdded = "Utente aggiunto con successo nel database";

struct MemberListWindow : ::testing::Test, testing::ContestSession {
    MemberListWindow() : ContestSession("") {}
    MemberListScreen& screen() { return get<MemberListScreen>(); }
    std::string file(const char* name) { return fake.dir.read(name); }
    // I-QRP box, MQC box, I-QRP count, MQC count, list choice, next number, add field.
    Strings state() {
        const MemberListScreen& s = screen();
        return testing::texts(
            {&s.Text1, &s.Text2, &s.Text3, &s.Text4, &s.Combo1, &s.Label2, &s.Text6});
    }
    void add(const std::string& callsign) {
        screen().Text6.set(callsign);
        screen().Command3_Click();
    }
};

TEST_F(MemberListWindow, AFailedWriteLosesNothingAndCanBeRepeated) {
    fake.dir.write(kIqrpFileName, "A#1\r\n");
    screen();
    std::filesystem::remove(fake.dir.file(kIqrpFileName));
    fake.dir.block(kIqrpFileName);
    screen().Combo1.set("MQC");
    add("ZZ9XA");  // the first file fails: the second is not touched
    EXPECT_FALSE(fake.dir.exists(kMqcFileName));
    std::filesystem::remove_all(fake.dir.file(kIqrpFileName));
    fake.dir.block(kMqcFileName);
    screen().Combo1.set("I-QRP");
    screen().Command3_Click();  // the second file fails
    EXPECT_EQ(told(), (Strings{"!Impossibile scrivere il file <dir>/iqrp.txt",
                               "!Impossibile scrivere il file <dir>/mqc.txt"}));
    EXPECT_EQ(state(), (Strings{"A#1\r\n", "", "1", "0", "I-QRP", "2", "ZZ9XA"}));
    EXPECT_EQ(file("mqc.txt/keep"), "x");
    EXPECT_FALSE(fake.dir.exists("mqc.txt.tmp"));

    std::filesystem::remove_all(fake.dir.file(kMqcFileName));
    screen().Command3_Click();
    EXPECT_EQ(told(), Strings{kAdded});
    EXPECT_EQ(file(kIqrpFileName), "A#1\r\nZZ9XA#2\r\n");
    EXPECT_EQ(file(kMqcFileName), "");
}

TEST_F(MemberListWindow, AdminChiudiClosesOnlyItself) {
    get<AdminScreen>().Command1_Click();
    EXPECT_FALSE(open(WindowId::admin) || open(WindowId::member_lists));
}

}  // namespace
}  // namespace zelora
