// The history file: a written history reads back step for step, and a
// damaged one is set aside with a message, never half-loaded.

#include "core/AtomicFile.h"
#include "history/HistoryFile.h"

#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace torvana {
namespace {

EditHistory RandomHistory(std::mt19937& random, int steps, bool wholeSets = true)
{
    EditHistory history;
    EditorState state;
    for (int i = 0; i < steps; ++i) {
        EditorState next = state;
        const int changes = 1 + static_cast<int>(random() % (wholeSets && i % 7 == 0 ? StateByteCount : 3));
        for (int c = 0; c < changes; ++c)
            SetStateByte(next, random() % StateByteCount, static_cast<std::uint8_t>(random()));
        const auto cause = static_cast<StepCause>(random() % StepCauseCount);
        history.Record(HistoryStep{state, next, cause, i % 3 ? "tune 1%.ign" : "", i % 2 ? "Edit x" : "",
                                   static_cast<std::int64_t>(random())});
        state = next;
        if (random() % 5 == 0 && history.CanUndo())
            state = history.Undo();
    }
    return history;
}

void ExpectSame(const EditHistory& a, const EditHistory& b)
{
    ASSERT_EQ(a.Cursor(), b.Cursor());
    ASSERT_EQ(a.Steps().size(), b.Steps().size());
    for (std::size_t i = 0; i < a.Steps().size(); ++i) {
        const HistoryStep& x = a.Steps()[i];
        const HistoryStep& y = b.Steps()[i];
        EXPECT_TRUE(x.before == y.before && x.after == y.after) << i;
        EXPECT_EQ(x.cause, y.cause);
        EXPECT_EQ(x.detail, y.detail);
        EXPECT_EQ(x.control, y.control);
        EXPECT_EQ(x.timeMs, y.timeMs);
    }
}

class HistoryFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("torvana-history-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        path = (folder / HistoryFileName).string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string path;
};

TEST_F(HistoryFileTest, WrittenHistoryReadsBackExactly)
{
    std::mt19937 random(7);
    for (int steps : {0, 1, 40}) {
        const EditHistory written = RandomHistory(random, steps);
        ASSERT_EQ(SaveHistoryFile(path, written), "");
        EditHistory read;
        const HistoryLoad load = LoadHistoryFile(path, read);
        EXPECT_TRUE(load.loaded);
        EXPECT_EQ(load.problem, "");
        ExpectSame(written, read);
    }
}

TEST_F(HistoryFileTest, OverBudgetTheOldestStepsAreLeftOut)
{
    std::mt19937 random(8);
    const EditHistory written = RandomHistory(random, 60, false);
    const std::size_t budget = FormatHistory(written).size() / 3;
    ASSERT_EQ(SaveHistoryFile(path, written, budget), "");
    EXPECT_LE(std::filesystem::file_size(path), budget);
    EditHistory read;
    const HistoryLoad load = LoadHistoryFile(path, read);
    ASSERT_TRUE(load.loaded) << load.problem;
    ASSERT_FALSE(read.Steps().empty());
    const std::size_t dropped = written.Steps().size() - read.Steps().size();
    EXPECT_TRUE(read.Steps().back().after == written.Steps().back().after);
    EXPECT_TRUE(read.Steps().front().before == written.Steps()[dropped].before);
}

// Every cut and every changed character either reads as a whole history or
// is set aside with a message naming the file; the history stays empty then.
TEST_F(HistoryFileTest, DamagedFileIsSetAsideAndReported)
{
    std::mt19937 random(9);
    const std::string text = FormatHistory(RandomHistory(random, 5));
    for (int round = 0; round < 200; ++round) {
        std::string damaged = text.substr(0, random() % text.size());
        if (round % 2 == 0 && !damaged.empty())
            damaged[random() % damaged.size()] = "x:= %\n-"[random() % 7];
        std::filesystem::remove(path + DamagedHistorySuffix);
        ASSERT_EQ(ReplaceFile(path, damaged), "");
        EditHistory read;
        const HistoryLoad load = LoadHistoryFile(path, read);
        if (load.loaded) {
            EXPECT_TRUE(ParseHistory(damaged).history.has_value());
            continue;
        }
        EXPECT_NE(load.problem, "");
        EXPECT_EQ(load.setAsideError, "");
        EXPECT_TRUE(read.Steps().empty());
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_TRUE(std::filesystem::exists(path + DamagedHistorySuffix));
    }
    EditHistory none;
    const HistoryLoad missing = LoadHistoryFile((folder / "none").string(), none);
    EXPECT_FALSE(missing.loaded);
    EXPECT_EQ(missing.problem, "");
}

TEST(HistoryWords, EscapingRoundTrips)
{
    std::mt19937 random(10);
    for (int round = 0; round < 500; ++round) {
        std::string text(random() % 12, ' ');
        for (char& c : text)
            c = static_cast<char>(random());
        const std::string word = EscapeWord(text);
        EXPECT_EQ(word.find_first_of(" \n\r\t"), std::string::npos);
        EXPECT_EQ(UnescapeWord(word), text);
    }
    EXPECT_FALSE(UnescapeWord("=%4"));
    EXPECT_FALSE(UnescapeWord("abc"));
}

}  // namespace
}  // namespace torvana
