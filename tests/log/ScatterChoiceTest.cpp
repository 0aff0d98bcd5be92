#include "log/ScatterChoice.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace torvana {
namespace {

namespace fs = std::filesystem;

constexpr int Runs = 60;
constexpr unsigned Seed = 5;

// Any choice comes back as it was saved, beside the design's own keys; a
// value naming no channel keeps the first start's channel there alone.
TEST(ScatterChoice, ComesBackAsSavedAndAStrangeValueKeepsItsDefault)
{
    const fs::path path = fs::temp_directory_path() / ("torvana-scatter-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(path) << "[FORM_HLAV]\nLanguage=2\n";
    IniFile settings(path.string());
    EXPECT_EQ(LoadScatterChoice(settings), ScatterChoice{});
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> channel(-1, LogChannelCount - 1);
    for (int run = 0; run < Runs; ++run) {
        ScatterChoice choice;
        choice.x = NthChannel(std::max(0, channel(random)));
        choice.y = NthChannel(std::max(0, channel(random)));
        const int colour = channel(random);
        choice.colour = colour < 0 ? std::nullopt : std::optional<LogChannel>(NthChannel(colour));
        ASSERT_EQ(SaveScatterChoice(settings, choice), "");
        EXPECT_EQ(LoadScatterChoice(settings), choice);
    }
    EXPECT_EQ(settings.ReadInteger("FORM_HLAV", "Language", 0), 2);

    ScatterChoice kept;
    kept.x = LogChannel::WaterTemp;
    kept.colour = std::nullopt;
    ASSERT_EQ(SaveScatterChoice(settings, kept), "");
    ASSERT_TRUE(settings.WriteString("LOG_SCATTER", "Y", "no such column"));
    EXPECT_EQ(LoadScatterChoice(settings), kept);
    fs::remove(path);
}

}  // namespace
}  // namespace torvana
