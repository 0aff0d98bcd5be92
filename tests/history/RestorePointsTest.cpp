// Restore points: each keeps its set byte for byte, the list is newest
// first, pinned ones outlive the kept count, damaged files are named.

#include "core/AtomicFile.h"
#include "history/RestorePoints.h"

#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace torvana {
namespace {

class RestorePointsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("torvana-restore-" + std::to_string(::getpid()) + "-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
};

EditorState RandomState(std::mt19937& random)
{
    EditorState state;
    for (std::size_t i = 0; i < StateByteCount; ++i)
        SetStateByte(state, i, static_cast<std::uint8_t>(random()));
    return state;
}

TEST_F(RestorePointsTest, KeptCountPinsAndOrder)
{
    constexpr std::size_t kept = 5;
    RestorePointStore store(folder.string(), kept);
    std::mt19937 random(3);
    std::vector<EditorState> states;
    for (int i = 0; i < 12; ++i) {
        states.push_back(RandomState(random));
        const auto cause = static_cast<StepCause>(i % StepCauseCount);
        ASSERT_EQ(store.Keep(states.back(), cause, i % 2 ? "a b.ign" : "", 1'000'000 + i * 7), "");
        if (i == 1) {
            const RestorePointListing listing = store.List();
            ASSERT_EQ(listing.points.size(), 2u);
            ASSERT_EQ(store.SetPinned(listing.points.back(), true), "");
        }
    }
    const RestorePointListing listing = store.List();
    EXPECT_TRUE(listing.problems.empty());
    ASSERT_EQ(listing.points.size(), kept + 1);
    for (std::size_t n = 0; n < kept; ++n) {
        const RestorePoint& point = listing.points[n];
        const std::size_t i = 11 - n;
        EXPECT_TRUE(point.state == states[i]) << n;
        EXPECT_EQ(point.timeMs, 1'000'000 + static_cast<std::int64_t>(i) * 7);
        EXPECT_EQ(point.cause, static_cast<StepCause>(i % StepCauseCount));
        EXPECT_EQ(point.name, i % 2 ? "a b.ign" : "");
        EXPECT_FALSE(point.pinned);
    }
    EXPECT_TRUE(listing.points.back().pinned);
    EXPECT_TRUE(listing.points.back().state == states[0]);
}

TEST_F(RestorePointsTest, DamagedFilesAreListedAsProblemsAndKept)
{
    RestorePointStore store(folder.string(), 1);
    std::mt19937 random(4);
    ASSERT_EQ(store.Keep(RandomState(random), StepCause::Read, "unit", 5), "");
    const std::string text = FormatRestorePoint(store.List().points.front());
    const std::string damaged = (folder / ("0-damaged" + std::string(RestorePointExtension))).string();
    ASSERT_EQ(ReplaceFile(damaged, text.substr(0, text.size() / 2)), "");
    ASSERT_EQ(store.Keep(RandomState(random), StepCause::Open, "x.ign", 6), "");
    const RestorePointListing listing = store.List();
    ASSERT_EQ(listing.points.size(), 1u);
    EXPECT_EQ(listing.points.front().cause, StepCause::Open);
    ASSERT_EQ(listing.problems.size(), 1u);
    EXPECT_NE(listing.problems.front().find(damaged), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(damaged));
    EXPECT_FALSE(ParseRestorePoint(text.substr(text.find('\n') + 1)));
}

}  // namespace
}  // namespace torvana
