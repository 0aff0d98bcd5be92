#include "link/UnitOwnedBytes.h"

#include <algorithm>
#include <iterator>

namespace torvana {

namespace {

struct OffsetRange {
    std::size_t first;
    std::size_t last;
};

// Byte 126 only the factory set writes; the unit keeps it afterwards.
constexpr OffsetRange UnitOwnedRanges[] = {
    {11, 15}, {46, 100}, {107, 107}, {126, 127}, {132, 132}, {135, 139},
    {178, 179}, {290, 299}, {435, 449}, {1935, 1999},
};

}  // namespace

bool IsUnitOwnedOffset(std::size_t offset)
{
    return std::any_of(std::begin(UnitOwnedRanges), std::end(UnitOwnedRanges),
                       [offset](const OffsetRange& r) { return offset >= r.first && offset <= r.last; });
}

void CopyUnitOwnedBytes(const ParameterImage& from, ParameterImage& to)
{
    for (const OffsetRange& range : UnitOwnedRanges)
        std::copy(from.begin() + range.first, from.begin() + range.last + 1, to.begin() + range.first);
}

}  // namespace torvana
