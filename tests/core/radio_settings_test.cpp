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
