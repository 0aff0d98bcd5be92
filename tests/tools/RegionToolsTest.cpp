#include "ui/binding/UpDownRange.h"
#include "ui/tools/Coupling.h"
#include "ui/tools/RegionTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace torvana {
namespace {

constexpr int Rounds = 4000;
constexpr int OperationCount = static_cast<int>(RegionOperation::FillFromTracked) + 1;
constexpr int PercentMax = 300;

struct Case {
    ParameterImage image{};
    int page = 0;
    CellRegion region;
    RegionInput input;
};

Case RandomCase(std::mt19937& rng)
{
    const auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    Case k;
    for (int t = 0; t < CurveCount; ++t) {
        const UpDownRange range = CurveCellRange(t);
        for (int i = 0; i < CurveCells; ++i)
            k.image[CurveTableOffset(t) + i] = static_cast<std::uint8_t>(pick(0, range.max / range.step));
        for (int c = 0; c < CurveColumns; ++c)  // mostly rising axes, now and then not
            k.image[CurveAxisOffset(t) + c] = static_cast<std::uint8_t>(pick(0, 3) ? 10 + 15 * c : pick(0, 255));
    }
    k.image[Offset::IgnMode] = static_cast<std::uint8_t>(pick(0, 2));
    k.image[Offset::JetMode] = static_cast<std::uint8_t>(pick(0, 2));
    k.page = pick(0, CurveCount - 1);
    k.region = RegionSpanning(pick(0, CurveRows - 1), pick(0, CurveColumns - 1), pick(0, CurveRows - 1),
                              pick(0, CurveColumns - 1));
    k.input.operation = static_cast<RegionOperation>(pick(0, OperationCount - 1));
    const UpDownRange range = CurveCellRange(k.page);
    k.input.value = k.input.operation == RegionOperation::Scale ? pick(0, PercentMax)
                                                                : pick(-range.max - 10, range.max + 10);
    k.input.liveRpm = pick(0, 1) * 3000;
    k.input.trackedRow = pick(0, CurveRows - 1);
    k.input.trackedColumn = pick(0, CurveColumns - 1);
    return k;
}

int Between(int value, int a, int b) { return value >= std::min(a, b) && value <= std::max(a, b); }

// What each operation promises for a cell, from the table before it
// (stored units, before the range limit).
void ExpectCell(const Case& k, const ParameterImage& before, int r, int c, int now)
{
    const auto old = [&](int row, int column) { return static_cast<int>(before[CurveCellOffset(k.page, row, column)]); };
    const CellRegion& g = k.region;
    const UpDownRange range = CurveCellRange(k.page);
    const auto limited = [&](int v) { return std::clamp(v, range.min / range.step, range.max / range.step); };
    switch (k.input.operation) {
    case RegionOperation::Set: EXPECT_EQ(now, ClampToRange(k.input.value, range) / range.step); break;
    case RegionOperation::Add: EXPECT_EQ(now, limited(old(r, c) + k.input.value / range.step)); break;
    case RegionOperation::Scale:
        EXPECT_NEAR(now, limited(old(r, c) * k.input.value / 100), 1);
        break;
    case RegionOperation::InterpolateHorizontal:
        EXPECT_TRUE(Between(now, old(r, g.left), old(r, g.right)));
        if (c == g.left || c == g.right)
            EXPECT_EQ(now, old(r, c));
        break;
    case RegionOperation::InterpolateVertical:
        EXPECT_TRUE(Between(now, old(g.top, c), old(g.bottom, c)));
        if (r == g.top || r == g.bottom)
            EXPECT_EQ(now, old(r, c));
        break;
    case RegionOperation::InterpolateBilinear: {
        const int corners[] = {old(g.top, g.left), old(g.top, g.right), old(g.bottom, g.left), old(g.bottom, g.right)};
        EXPECT_GE(now, *std::min_element(std::begin(corners), std::end(corners)));
        EXPECT_LE(now, *std::max_element(std::begin(corners), std::end(corners)));
        if ((r == g.top || r == g.bottom) && (c == g.left || c == g.right))
            EXPECT_EQ(now, old(r, c));
        break;
    }
    case RegionOperation::Smooth: {
        int low = 255, high = 0;
        for (int i = std::max(r - 1, 0); i <= std::min(r + 1, CurveRows - 1); ++i)
            for (int j = std::max(c - 1, 0); j <= std::min(c + 1, CurveColumns - 1); ++j)
                low = std::min(low, old(i, j)), high = std::max(high, old(i, j));
        EXPECT_TRUE(Between(now, low, high));
        break;
    }
    case RegionOperation::FillFromTracked: EXPECT_EQ(now, old(k.input.trackedRow, k.input.trackedColumn)); break;
    }
}

TEST(RegionTools, EveryOperationChangesOnlyItsRegionAsATypedValueWould)
{
    std::mt19937 rng(20261209);
    for (int round = 0; round < Rounds; ++round) {
        Case k = RandomCase(rng);
        SCOPED_TRACE(testing::Message() << "round " << round << " page " << k.page << " operation "
                                        << static_cast<int>(k.input.operation));
        const ParameterImage before = k.image;
        const RegionResult result = ApplyRegionOperation(k.image, k.page, k.region, k.input);
        const bool stopped = k.input.operation == RegionOperation::FillFromTracked && k.input.liveRpm == 0;
        if (SlaveView(before, k.page) || stopped) {
            EXPECT_EQ(result.refusal, stopped && !SlaveView(before, k.page) ? RegionRefusal::EngineStopped
                                                                            : RegionRefusal::NotEditable);
            EXPECT_EQ(k.image, before);
            continue;
        }
        ASSERT_EQ(result.refusal, RegionRefusal::None);
        EXPECT_EQ(result.edit, (EditResult{true, k.image != before}));

        const std::uint8_t mode = GroupMode(before, k.page);
        const bool leads = IsFirstOfGroup(k.page) && mode != ModeSeparate;
        for (std::size_t i = 0; i < ImageSize; ++i) {
            const bool inGroupTable = i >= CurveTableOffset(k.page) && i < CurveTableOffset(k.page + (leads ? 3 : 1));
            const int cell = static_cast<int>((i - CurveTableOffset(k.page)) % CurveCells);
            if (!inGroupTable || !k.region.Contains(cell / CurveColumns, cell % CurveColumns))
                ASSERT_EQ(k.image[i], before[i]) << "offset " << i;
        }
        for (int r = k.region.top; r <= k.region.bottom; ++r) {
            for (int c = k.region.left; c <= k.region.right; ++c) {
                const std::size_t at = CurveCellOffset(k.page, r, c);
                ExpectCell(k, before, r, c, k.image[at]);
                for (int f = 1; leads && f < 3; ++f) {
                    const std::size_t follower = at + CurveCells * f;
                    const int moved = before[follower] + k.image[at] - before[at];
                    EXPECT_EQ(k.image[follower], mode == ModeCommon ? k.image[at] : std::clamp(moved, 0, 255));
                }
            }
        }

        // What is copied pastes back unchanged, and into any table alike.
        const std::string text = RegionText(k.image, k.page, k.region);
        ParameterImage copy = k.image;
        EXPECT_FALSE(PasteRegionText(copy, k.page, k.region, text).edit.changed);
        copy[CurveCellOffset(k.page, k.region.top, k.region.left)] ^= 1;
        EXPECT_EQ(PasteRegionText(copy, k.page, k.region, text).refusal, RegionRefusal::None);
        EXPECT_EQ(RegionText(copy, k.page, k.region), text);
    }
}

TEST(RegionTools, PasteThatDoesNotFitChangesNothing)
{
    ParameterImage image{};
    const CellRegion two{2, 3, 3, 5};  // 2 rows x 3 columns
    const struct {
        const char* text;
        CellRegion region;
        RegionRefusal refusal;
        int line, column;
    } rows[] = {
        {"1\t2\t3\n4\t5\n", two, RegionRefusal::PasteShape, 0, 0},
        {"1\t2\t3\n", two, RegionRefusal::PasteShape, 0, 0},
        {"", two, RegionRefusal::PasteShape, 0, 0},
        {"1\t2\t3\r\n4\t61\t6\r\n", two, RegionRefusal::PasteValue, 2, 2},
        {"1\t2\t3\n4\tfive\t6\n", two, RegionRefusal::PasteValue, 2, 2},
        {"1\t\t3\n4\t5\t6\n", two, RegionRefusal::PasteValue, 1, 2},
        {"1\t2\t3.\n4\t5\t6\n", two, RegionRefusal::PasteValue, 1, 3},
        {"-1\t2\t3\n4\t5\t6\n", two, RegionRefusal::PasteValue, 1, 1},
        {"1\t2\t3\t4\n", {0, 13, 0, 13}, RegionRefusal::PasteShape, 0, 0},  // runs off the table
    };
    for (const auto& row : rows) {
        ParameterImage copy = image;
        const RegionResult result = PasteRegionText(copy, 0, row.region, row.text);
        EXPECT_EQ(result.refusal, row.refusal) << row.text;
        EXPECT_EQ(result.textLine, row.line) << row.text;
        EXPECT_EQ(result.textColumn, row.column) << row.text;
        EXPECT_EQ(copy, image) << row.text;
    }
    // A spreadsheet's decimals and blanks; one cell takes the text's shape.
    EXPECT_EQ(PasteRegionText(image, 3, {1, 1, 1, 1}, " 1250,7\t+50\n100.0\t12500\n\n").refusal,
              RegionRefusal::None);
    EXPECT_EQ(RegionText(image, 3, {1, 1, 2, 2}), "1250\t50\n100\t12500\n");
}

}  // namespace
}  // namespace torvana
