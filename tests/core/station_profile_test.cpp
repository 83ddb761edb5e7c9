// config.txt as the main window reads it: hand-edited and truncated files included.

#include "core/station_profile.h"

#include <gtest/gtest.h>

#include "base/files.h"

namespace zelora {
namespace {

using Entries = std::vector<ProfileEntry>;

TEST(StationProfile, EveryLineIsTestedAgainstEveryKeyAtItsPositions) {
    const std::string long_call(5000, 'Z');
    struct Case {
        const char* name;
        std::string file;
        Entries entries;
    };
    const Case cases[] = {
        {"as written",
         station_profile_text("ZZ9QX", "JN81GD", "003", ""),
         {{ProfileKey::callsign, "ZZ9QX"},
          {ProfileKey::locator, "JN81GD"},
          {ProfileKey::iqrp_number, "003"},
          {ProfileKey::mqc_number, ""}}},
        {"values cut to their width",
         "Locator = JN81GDXY\r\nIQRP = 0012\r\nMDC = 45",
         {{ProfileKey::locator, "JN81GD"},
          {ProfileKey::iqrp_number, "001"},
          {ProfileKey::mqc_number, "45"}}},
        {"any order, the last repeated key applied last",
         "MDC = 045\nCall = A\nCall = B\n",
         {{ProfileKey::mqc_number, "045"},
          {ProfileKey::callsign, "A"},
          {ProfileKey::callsign, "B"}}},
        {"a key alone, or without its blanks",
         "Call = \r\nLocator =JN81GD\r\ncall = X\r\nIQRP",
         {{ProfileKey::callsign, ""}}},
        {"CR-only line ends and bytes above 127",
         "Call = \xC0\xFF\rLocator = jn81gd\r",
         {{ProfileKey::callsign, "\xC0\xFF"}, {ProfileKey::locator, "jn81gd"}}},
        {"a very long line", "Call = " + long_call, {{ProfileKey::callsign, long_call}}},
        {"nothing of ours", "\r\n\r\n\x01\x02garbage", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parse_station_profile(split_lines(c.file)), c.entries) << c.name;
    }
}

TEST(StationProfile, TheWrittenFileEndsWithAnEmptyLine) {
    EXPECT_EQ(station_profile_text("ZZ9QX", "JN81GD", "", "045"),
              "Call = ZZ9QX\r\nLocator = JN81GD\r\nIQRP = \r\nMDC = 045\r\n\r\n");
}

}  // namespace
}  // namespace zelora
