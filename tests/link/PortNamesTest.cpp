#include "link/PortNames.h"

#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace torvana {
namespace {

class PortNamesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = std::filesystem::temp_directory_path()
               / ("torvana_ports_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
    }
    void TearDown() override { std::filesystem::remove(path); }

    void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    std::filesystem::path path;
};

TEST_F(PortNamesTest, WithoutSettingsTheNumberPicksTheUsbAdapter)
{
    EXPECT_EQ(ComPortDevice(1, nullptr), "/dev/ttyUSB0");
    EXPECT_EQ(ComPortDevice(10, nullptr), "/dev/ttyUSB9");
}

TEST_F(PortNamesTest, NumbersOutsideTheMenuOpenNothing)
{
    Write("[PORTS]\r\nCOM0=/dev/ttyS0\r\nCOM11=/dev/ttyS1\r\n");
    const IniFile settings(path.string());
    EXPECT_EQ(ComPortDevice(0, &settings), "");
    EXPECT_EQ(ComPortDevice(11, &settings), "");
    EXPECT_EQ(ComPortDevice(-1, nullptr), "");
}

TEST_F(PortNamesTest, SettingsNameTheDevicePerNumber)
{
    Write("[FORM_HLAV]\r\nComPort=2\r\n[PORTS]\r\nCOM2=/dev/ttyACM0\r\ncom3=/dev/serial/by-id/unit\r\n");
    const IniFile settings(path.string());
    EXPECT_EQ(ComPortDevice(2, &settings), "/dev/ttyACM0");
    EXPECT_EQ(ComPortDevice(3, &settings), "/dev/serial/by-id/unit");
    EXPECT_EQ(ComPortDevice(4, &settings), "/dev/ttyUSB3");
}

TEST_F(PortNamesTest, MissingFileFallsBack)
{
    const IniFile settings(path.string());
    EXPECT_EQ(ComPortDevice(1, &settings), "/dev/ttyUSB0");
}

}  // namespace
}  // namespace torvana
