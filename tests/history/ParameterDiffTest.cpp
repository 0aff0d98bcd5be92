// The difference list against the key table, and taking chosen differences.

#include "history/ParameterDiff.h"
#include "history/StepSubject.h"

#include "core/Defaults.h"
#include "core/Normalise.h"

#include <gtest/gtest.h>

#include <random>

namespace torvana {
namespace {

ParameterSet Factory()
{
    ParameterSet set;
    FillDefaultParameters(set.image);
    NormaliseImage(set.image);
    return set;
}

// Random byte changes: the list holds exactly the elements whose written
// number differs, and taking a random subset leaves exactly the others.
TEST(ParameterDiff, ListsAndTakesExactlyTheDifferingElements)
{
    std::mt19937 random(21);
    for (int round = 0; round < 200; ++round) {
        ParameterSet a = Factory();
        ParameterSet b = a;
        for (int c = static_cast<int>(random() % 30); c > 0; --c)
            b.image[random() % ImageSize] = static_cast<std::uint8_t>(random());
        b.options.extMonitor = random() % 2 == 0;
        const auto differences = ParameterDifferences(a, b);
        std::size_t expected = 0;
        for (const FileKey& key : ParameterFileKeys()) {
            for (const FileElement& element : key.elements) {
                expected += element.encoding != Encoding::Identification &&
                            FileValue(element, a.image, a.options) != FileValue(element, b.image, b.options);
            }
        }
        ASSERT_EQ(differences.size(), expected);
        std::vector<ParameterDifference> chosen;
        std::vector<ParameterDifference> left;
        for (const ParameterDifference& difference : differences)
            (random() % 2 ? chosen : left).push_back(difference);
        TakeDifferences(a, b, chosen);
        const auto remaining = ParameterDifferences(a, b);
        ASSERT_EQ(remaining.size(), left.size());
        for (std::size_t i = 0; i < left.size(); ++i)
            EXPECT_EQ(DifferenceLine(remaining[i]), DifferenceLine(left[i]));
    }
}

TEST(ParameterDiff, PagesAndNames)
{
    const struct {
        std::string_view key;
        int page;
    } table[] = {{"IGN_1", 0}, {"RPM_JET_3B", 8}, {"POSITION_B", PositionPageIndex},
                 {"VOLT_SERVO", ServoPageIndex}, {"END", KnockPageIndex}, {"CHOKE", CorrectionsPageIndex},
                 {"LIMITER", VariousPageIndex}, {"EXT_MON", VariousPageIndex}};
    for (const auto& row : table) {
        const FileKey* key = FindFileKey(row.key);
        ASSERT_NE(key, nullptr) << row.key;
        EXPECT_EQ(PageOfKey(*key), row.page) << row.key;
    }
}

// A coupled edit of one cell names the cell; other changes name their key.
TEST(StepSubject, NamesTheCellOrTheKey)
{
    const ParameterSet factory = Factory();
    EditorState before{factory.image, {}};
    EditorState after = before;
    constexpr int row = 4;
    constexpr int column = 7;
    for (int t = 0; t < IgnitionCurveCount; ++t)
        ++after.image[CurveCellOffset(t, row, column)];
    StepSubject subject = DescribeChange(before, after);
    ASSERT_TRUE(subject.cell);
    EXPECT_EQ(subject.cell->table, 0);
    EXPECT_EQ(subject.cell->tpsPercent, TpsAxis[row]);
    EXPECT_EQ(subject.cell->rpm, after.image[CurveAxisOffset(0) + column] * RpmStep);
    EXPECT_EQ(subject.parameters, 3u);

    after = before;
    ++after.image[Offset::Limiter + 1];
    subject = DescribeChange(before, after);
    EXPECT_FALSE(subject.cell);
    ASSERT_NE(subject.key, nullptr);
    EXPECT_EQ(subject.key->name, "LIMITER");
    EXPECT_EQ(subject.element, 1u);

    after = before;
    after.flags[2] = 1;
    EXPECT_TRUE(DescribeChange(before, after).flagsOnly);
}

}  // namespace
}  // namespace torvana
