#pragma once
// The parameters that differ between two sets, in the file's keys and
// engineering units: what `torvana-cli diff` prints and the Compare window
// lists, and the taking over of chosen differences.

#include "core/FileKeys.h"
#include "core/ParameterFile.h"

#include <cstddef>
#include <string>
#include <vector>

namespace torvana {

// Pages of the editor, numbered as its tabs: 0 to 8 the curve tables.
constexpr int PositionPageIndex = 9;
constexpr int ServoPageIndex = 10;
constexpr int KnockPageIndex = 11;
constexpr int VariousPageIndex = 12;
constexpr int CorrectionsPageIndex = 13;

struct ParameterSet {
    ParameterImage image{};
    FileOptions options;
};

struct ParameterDifference {
    const FileKey* key = nullptr;
    std::size_t element = 0;  // index within the key
    int valueA = 0;           // as written in a parameter file
    int valueB = 0;
    int page = VariousPageIndex;  // the editor page that shows it
};

// Every differing element, in file order.
std::vector<ParameterDifference> ParameterDifferences(const ParameterSet& a, const ParameterSet& b);

// "KEY[element]: valueA -> valueB"
std::string DifferenceLine(const ParameterDifference& difference);

// The page of the editor that shows a key.
int PageOfKey(const FileKey& key);

// Takes the chosen differences' values from b into a.
void TakeDifferences(ParameterSet& a, const ParameterSet& b, const std::vector<ParameterDifference>& chosen);

}  // namespace torvana
