#include "core/FileKeys.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace torvana {
namespace {

std::set<std::size_t> Range(std::size_t first, std::size_t last)
{
    std::set<std::size_t> offsets;
    for (std::size_t i = first; i <= last; ++i) {
        offsets.insert(i);
    }
    return offsets;
}

// The bytes a parameter file neither writes nor changes.
std::set<std::size_t> UnlistedOffsets()
{
    std::set<std::size_t> offsets = Range(0, 100);
    for (const auto& [first, last] : std::initializer_list<std::pair<std::size_t, std::size_t>>{
             {107, 107}, {126, 127}, {132, 132}, {135, 139}, {178, 179},
             {290, 299}, {435, 449}, {1935, 1999}}) {
        offsets.merge(Range(first, last));
    }
    return offsets;
}

TEST(FileKeysTest, EveryOtherByteIsCarriedExactlyOnce)
{
    std::multiset<std::size_t> carried;
    for (const FileKey& key : ParameterFileKeys()) {
        for (const FileElement& element : key.elements) {
            if (element.encoding != Encoding::Identification && element.encoding != Encoding::Option) {
                carried.insert(element.offset);
            }
        }
    }
    const std::set<std::size_t> unlisted = UnlistedOffsets();
    for (std::size_t offset = 0; offset < ImageSize; ++offset) {
        EXPECT_EQ(carried.count(offset), unlisted.count(offset) ? 0u : 1u) << "offset " << offset;
    }
}

TEST(FileKeysTest, LinesHoldEveryElement)
{
    for (const FileKey& key : ParameterFileKeys()) {
        int total = 0;
        for (int length : key.lineLengths) {
            total += length;
        }
        EXPECT_EQ(total, static_cast<int>(key.elements.size())) << key.name;
    }
}

}  // namespace
}  // namespace torvana
