#include "history/StepSubject.h"

#include <array>

namespace torvana {

namespace {

constexpr std::array<std::string_view, CurveCount> TableNames = {
    "Ign 1", "Ign 2", "Ign 3", "Jet 1A", "Jet 2A", "Jet 3A", "Jet 1B", "Jet 2B", "Jet 3B"};

// The one grid cell position that every changed image byte is in, if any.
std::optional<CurveCell> OneCell(const EditorState& before, const EditorState& after)
{
    std::optional<CurveCell> cell;
    bool any = false;
    for (std::size_t offset = 0; offset < ImageSize; ++offset) {
        if (before.image[offset] == after.image[offset])
            continue;
        any = true;
        if (offset < CurveTableOffset(0) || offset >= CurveTableOffset(CurveCount))
            return std::nullopt;
        const int index = static_cast<int>(offset - CurveTableOffset(0));
        const int table = index / CurveCells;
        const int row = index % CurveCells / CurveColumns;
        const int column = index % CurveColumns;
        if (cell && (cell->row != row || cell->column != column))
            return std::nullopt;
        if (!cell)
            cell = CurveCell{table, row, column, TpsAxis[row], after.image[CurveAxisOffset(table) + column] * RpmStep};
    }
    return any ? cell : std::nullopt;
}

}  // namespace

StepSubject DescribeChange(const EditorState& before, const EditorState& after)
{
    StepSubject subject;
    subject.cell = OneCell(before, after);
    const auto differences =
        ParameterDifferences(ParameterSet{before.image, {}}, ParameterSet{after.image, {}});
    subject.parameters = differences.size();
    subject.flagsOnly = differences.empty() && before.flags != after.flags;
    if (!differences.empty()) {
        const FileKey* key = differences.front().key;
        bool oneKey = true;
        for (const ParameterDifference& difference : differences)
            oneKey = oneKey && difference.key == key;
        if (oneKey)
            subject.key = key;
        if (differences.size() == 1)
            subject.element = differences.front().element;
    }
    return subject;
}

std::string_view CurveTableName(int table)
{
    return TableNames[static_cast<std::size_t>(table)];
}

}  // namespace torvana
