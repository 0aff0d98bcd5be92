#include "ui/binding/UpDownRange.h"
#include "ui/tools/CellChanges.h"
#include "ui/tools/Coupling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace torvana {
namespace {

constexpr int Rounds = 2000;

// Suggested cell values reach the table as typed values do: each chosen cell
// takes its value within range, a coupled first table moves its followers by
// the same difference, nothing else changes, and pages the analysis does not
// serve (ignition, read-only followers) are left alone.
TEST(CellChangesTest, ChangesLandOnTheirCellsAndCoupledFollowersOnly)
{
    std::mt19937 rng(18);
    const auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    for (int round = 0; round < Rounds; ++round) {
        ParameterImage image{};
        for (std::size_t i = 0; i < ImageSize; ++i)
            image[i] = static_cast<std::uint8_t>(pick(0, 250));
        image[Offset::IgnMode] = static_cast<std::uint8_t>(pick(0, 2));
        image[Offset::JetMode] = static_cast<std::uint8_t>(pick(0, 2));
        const int page = pick(0, CurveCount - 1);
        std::vector<CellChange> changes;
        for (int n = pick(1, 6); n > 0; --n)
            changes.push_back({pick(0, CurveRows - 1), pick(0, CurveColumns - 1), pick(0, 300)});
        const ParameterImage before = image;
        const EditResult result = StoreCellChanges(image, page, changes);

        const bool served = !IsIgnitionCurve(page) && !SlaveView(before, page);
        ASSERT_EQ(result.acted, served);
        if (!served) {
            EXPECT_EQ(image, before);
            continue;
        }
        const int limit = CurveCellRange(page).max / CurveCellRange(page).step;
        for (const CellChange& change : changes) {
            const auto last = std::find_if(changes.rbegin(), changes.rend(), [&](const CellChange& c) {
                return c.row == change.row && c.column == change.column;
            });
            EXPECT_EQ(image[CurveCellOffset(page, change.row, change.column)], std::min(last->stored, limit));
        }
        const bool coupled = IsFirstOfGroup(page) && before[Offset::JetMode] == ModeCoupled;
        for (std::size_t i = 0; i < ImageSize; ++i) {
            const bool inPage = i >= CurveTableOffset(page) && i < CurveTableOffset(page) + CurveCells;
            const bool inGroup = i >= CurveTableOffset(GroupFirstCurve(page)) &&
                                 i < CurveTableOffset(GroupFirstCurve(page) + 3);
            if (inPage)
                continue;
            if (!inGroup || before[Offset::JetMode] == ModeSeparate) {
                EXPECT_EQ(image[i], before[i]) << "offset " << i;
            } else if (coupled) {
                const std::size_t cell = (i - CurveTableOffset(GroupFirstCurve(page))) % CurveCells;
                const int moved = image[CurveTableOffset(page) + cell] - before[CurveTableOffset(page) + cell];
                EXPECT_EQ(image[i], std::clamp(before[i] + moved, 0, 255)) << "offset " << i;
            }
        }
    }
}

}  // namespace
}  // namespace torvana
