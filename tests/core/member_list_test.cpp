#include "store/member_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/files.h"
#include "support/fakes.h"

namespace zelora {
namespace {

using testing::FakePlatform;

TEST(LookedUpMember, FindsTheNumberOfTheBaseCallInBothLists) {
    const std::string long_junk(100000, 'Q');
    const struct {
        const char* name;
        std::optional<std::string> iqrp, mqc;  // nothing: no file
        std::string callsign, current, expected;
    } cases[] = {
        {"no files keeps the box", std::nullopt, std::nullopt, "ZZ9XA", "I123", "I123"},
        {"portable base call", std::nullopt, "ZZ9XA#45\r\n", "ZZ9XA/P", "", "M045"},
        {"only the first slash cuts", "ZZ9XA#7\r\nZZ9XA/P#8\r\n", std::nullopt, "ZZ9XA/P/M", "",
         "I007"},
        {"I-QRP over MQC", "ZZ9XA#3\r\n", "ZZ9XA#45\r\n", "ZZ9XA", "", "I003"},
        {"MQC when I-QRP lacks it", "ZZ9XB#3\r\n", "ZZ9XA#45\r\n", "ZZ9XA", "I999", "M045"},
        {"last match wins", "ZZ9XA#3\r\nAB1CD#4\r\nZZ9XA#17\r\n", std::nullopt, "ZZ9XA", "",
         "I017"},
        {"two digits padded", std::nullopt, "ZZ9XA#12\r\n", "ZZ9XA", "", "M012"},
        {"four digits whole", "ZZ9XA#1234\r\n", std::nullopt, "ZZ9XA", "", "I1234"},
        {"case-sensitive", "zz9xa#5\r\n", std::nullopt, "ZZ9XA", "M001", "M001"},
        {"listed call longer", "ZZ9XAB#5\r\n", std::nullopt, "ZZ9XA", "", ""},
        {"listed call shorter", "ZZ9XA#5\r\n", std::nullopt, "ZZ9XAB", "", ""},
        {"line without #", "ZZ9XA\r\nZZ9XA5\r\n", std::nullopt, "ZZ9XA", "x", "x"},
        {"nothing after #", "ZZ9XA#5\r\nZZ9XA#\r\n", "ZZ9XA#\r\n", "ZZ9XA", "", "I005"},
        {"nothing before # never matches an empty call", "#5\r\n", "#6\r\n", "/P", "", ""},
        {"several #", "ZZ9XA#12#3\r\n", std::nullopt, "ZZ9XA", "", "I12#3"},
        {"empty lines", "\r\n\r\nZZ9XA#5\r\n\r\n", "\r\n", "ZZ9XA", "", "I005"},
        {"LF-only ends", "AB1CD#1\nZZ9XA#2\n", std::nullopt, "ZZ9XA", "", "I002"},
        {"CR-only ends, none at the end", std::nullopt, "AB1CD#1\rZZ9XA#22", "ZZ9XA", "", "M022"},
        {"non-ASCII callsign", "\xC0\xC9K#7\r\n", std::nullopt, "\xC0\xC9K", "", "I007"},
        {"embedded NUL", std::string("ZZ9XA\0#5\r\n", 10), std::nullopt, "ZZ9XA", "", ""},
        {"very long lines", long_junk + "\r\nZZ9XA#" + long_junk + "\r\n", std::nullopt, "ZZ9XA",
         "", "I" + long_junk},
    };
    for (const auto& c : cases) {
        FakePlatform fake;
        if (c.iqrp) fake.dir.write(kIqrpFileName, *c.iqrp);
        if (c.mqc) fake.dir.write(kMqcFileName, *c.mqc);
        EXPECT_EQ(looked_up_member(fake.platform(), c.callsign, c.current), c.expected) << c.name;
        EXPECT_TRUE(fake.messages.shown.empty()) << c.name;
    }
}

TEST(LookedUpMember, ReadsTheFilesAnewAndAnUnreadableListCountsAsEmpty) {
    FakePlatform fake;
    fake.dir.write(kMqcFileName, "ZZ9XA#45\r\n");
    EXPECT_EQ(looked_up_member(fake.platform(), "ZZ9XA", ""), "M045");
    fake.dir.write(kIqrpFileName, "ZZ9XA#3\r\n");
    EXPECT_EQ(looked_up_member(fake.platform(), "ZZ9XA", ""), "I003");
    EXPECT_TRUE(fake.messages.shown.empty());

    std::filesystem::remove(fake.dir.file(kIqrpFileName));
    fake.dir.block(kIqrpFileName);
    EXPECT_EQ(looked_up_member(fake.platform(), "ZZ9XA", "I001"), "M045");
    EXPECT_EQ(fake.messages.shown, std::vector{testing::critical("Impossibile leggere il file " +
                                                                 fake.dir.file(kIqrpFileName))});
}

}  // namespace
}  // namespace zelora
