// radio.txt as the device window writes it and as an operator may have edited it.

#include "store/radio_settings.h"

#include <gtest/gtest.h>

#include "base/files.h"
#include "tests/support/fakes.h"

namespace zelora {
namespace {

TEST(RadioSettings, TheWrittenFileReadsBackTheSame) {
    testing::FakePlatform fake;
    const StationDeviceSettings settings{{3085, "/dev/ttyUSB0", 19200}, {2, "127.0.0.1:4533", 0}};
    ASSERT_TRUE(write_device_settings(fake.platform(), settings));
    EXPECT_EQ(fake.dir.read("radio.txt"),
              "Radio = 3085\r\nPorta radio = /dev/ttyUSB0\r\nVelocita radio = 19200\r\n"
              "Rotore = 2\r\nPorta rotore = 127.0.0.1:4533\r\nVelocita rotore = 0\r\n");
    EXPECT_EQ(read_device_settings(fake.platform()), settings);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST(RadioSettings, BadLinesAreSkippedAndTheLastGoodOneCounts) {
    struct Case {
        const char* name;
        std::string file;
        StationDeviceSettings settings;
    };
    const Case cases[] = {
        {"blanks around the sign, bare LF",
         "Radio=3085\n  Porta radio  =  COM3  \nRotore = 2",
         {{3085, "COM3", 0}, {2, "", 0}}},
        {"Nessuno", "Radio = 3085\r\nRadio = Nessuno\r\n", {}},
        {"numbers that are not plain digits",
         "Radio = 12a\r\nRadio = -5\r\nRadio = 1e3\r\nRadio = 1234567\r\nVelocita radio = 9600 "
         "baud\r\nVelocita rotore = +9600\r\nRotore =\r\n",
         {}},
        {"a control character in the port",
         "Porta rotore = /dev/tty\tS0\r\nPorta rotore = x\x7F",
         {}},
        {"other keys and no sign", "radio = 1\r\nRadio 1\r\nRotore: 2\r\n= 3\r\n\xFF\xFE", {}},
        {"a bad line after a good one", "Rotore = 601\r\nRotore = none\r\n", {{}, {601, "", 0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parse_device_settings(split_lines(c.file)), c.settings) << c.name;
}

TEST(RadioSettings, AFileThatCannotBeReadOrWrittenIsTold) {
    testing::FakePlatform fake;
    fake.dir.block("radio.txt");
    EXPECT_EQ(read_device_settings(fake.platform()), StationDeviceSettings{});
    EXPECT_FALSE(write_device_settings(fake.platform(), {{1, "", 0}, {}}));
    const std::string path = fake.dir.file("radio.txt");
    EXPECT_EQ(fake.messages.shown,
              (std::vector{testing::critical("Impossibile leggere il file " + path),
                           testing::critical("Impossibile scrivere il file " + path)}));
}

}  // namespace
}  // namespace zelora
