#pragma once
// What a step changed, for its name in the Edit menu: one curve cell (the
// same cell of coupled tables counts once), one parameter, or how many.

#include "history/EditorState.h"
#include "history/ParameterDiff.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace torvana {

struct CurveCell {
    int table = 0;  // the first table whose cell changed
    int row = 0;
    int column = 0;
    int tpsPercent = 0;
    int rpm = 0;  // the column's engine speed after the change
};

struct StepSubject {
    std::optional<CurveCell> cell;
    const FileKey* key = nullptr;  // set when every changed parameter is of one key
    std::optional<std::size_t> element;  // set when exactly one element changed
    std::size_t parameters = 0;  // changed parameters
    bool flagsOnly = false;      // only the curve pages' "All" marks changed
};

StepSubject DescribeChange(const EditorState& before, const EditorState& after);

// "Ign 1" to "Jet 3B", as the curve pages are named.
std::string_view CurveTableName(int table);

}  // namespace torvana
