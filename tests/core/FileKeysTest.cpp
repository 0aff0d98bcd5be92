#include "core/FileKeys.h"
#include "core/ParameterFile.h"

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

TEST(FileKeysTest, FindsKeysExactly)
{
    ASSERT_NE(FindFileKey("JET_3B"), nullptr);
    EXPECT_EQ(FindFileKey("JET_3B")->elements.front().offset, CurveTableOffset(8));
    EXPECT_EQ(FindFileKey("POSITION_B")->elements.back().offset, Offset::PositionBReference);
    EXPECT_EQ(FindFileKey("jet_3b"), nullptr);
    EXPECT_EQ(FindFileKey("JET_3"), nullptr);
}

TEST(FileKeysTest, PowerOutGoesOutputByOutput)
{
    const FileKey* key = FindFileKey("POWER_OUT");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->elements.size(), 9u);
    EXPECT_EQ(key->elements[1].offset, Offset::PowerOutLevel2);
    EXPECT_EQ(key->elements[3].offset, Offset::PowerOutLevel1 + 1);
    EXPECT_EQ(key->elements[8].offset, Offset::PowerOutReversed + 2);
}

TEST(FileKeysTest, ValuesAreInEngineeringUnits)
{
    ParameterImage image{};
    FileOptions options;
    image[Offset::Tps100] = 240;
    image[Offset::ChokeCorrection] = 0;
    image[Offset::RetardValue] = 80;
    EXPECT_EQ(FileValue(FindFileKey("TPS")->elements[1], image, options), 4900);
    EXPECT_EQ(FileValue(FindFileKey("CHOKE")->elements[4], image, options), 100);
    EXPECT_EQ(FileValue(FindFileKey("RETARD")->elements[10], image, options), -20);
    EXPECT_EQ(FileValue(FindFileKey("ACT_LIM1")->elements[0], image, options), 1);
}

}  // namespace
}  // namespace torvana
