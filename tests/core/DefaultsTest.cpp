#include "core/Defaults.h"
#include "core/ImageLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace torvana {
namespace {

constexpr int RpmStep = 50;
constexpr int MillivoltStep = 20;
constexpr std::size_t TempPoints = 5;
constexpr std::size_t PressurePoints = 10;
constexpr std::size_t RetardPoints = 10;
constexpr std::size_t ChokeBytes = 8;  // four times, then four corrections
constexpr std::size_t LimiterCount = 3;
constexpr std::size_t PowerOutBytes = 9;  // level 1, level 2, reversed; three outputs each

ParameterImage DefaultsFor(int bike)
{
    ParameterImage image{};
    image[Offset::Bike] = static_cast<std::uint8_t>(bike);
    FillDefaultParameters(image);
    return image;
}

std::vector<int> Bytes(const ParameterImage& image, std::size_t offset, std::size_t count, int step = 1)
{
    std::vector<int> values;
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(image[offset + i] * step);
    }
    return values;
}

std::vector<int> SignedBytes(const ParameterImage& image, std::size_t offset, std::size_t count)
{
    std::vector<int> values;
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(image[offset + i] - SignedBias);
    }
    return values;
}

using Values = std::vector<int>;

TEST(Defaults, EngineSpeedAxesServoAndPositionsAreTheSameForEveryVariant)
{
    const Values rpm = {1000, 2000, 3000, 4000, 6000, 6500, 7000, 7250, 7500, 7750, 8000, 8250, 8500, 8750, 9000};
    const Values servo = {2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700,
                          2800, 2900, 3000, 3100, 3200, 3300, 3400};
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        const ParameterImage image = DefaultsFor(bike);
        for (std::size_t axis : EngineSpeedAxes) {
            EXPECT_EQ(Bytes(image, axis, AxisLength, RpmStep), rpm) << "axis at " << axis;
        }
        EXPECT_EQ(Bytes(image, Offset::VoltServo, AxisLength, MillivoltStep), servo);
        EXPECT_EQ(Bytes(image, Offset::PositionA, AxisLength), Values(AxisLength, 72));
        EXPECT_EQ(Bytes(image, Offset::PositionB, AxisLength), Values(AxisLength, 72));
    }
}

TEST(Defaults, KnockSettingsPerCylinder)
{
    const Values points = {6000, 7000, 8000, 8250, 8700};
    const ParameterImage image = DefaultsFor(0);
    for (int cylinder = 0; cylinder < KnockCylinders; ++cylinder) {
        EXPECT_EQ(Bytes(image, KnockOffset(KnockArray::Rpm, KnockPoints * cylinder), KnockPoints, RpmStep), points)
            << "cylinder " << cylinder + 1;
    }
    EXPECT_EQ(Bytes(image, KnockOffset(KnockArray::KnockFrek), KnockIndexCount), Values(KnockIndexCount, 63));
    EXPECT_EQ(Bytes(image, KnockOffset(KnockArray::RefFrek), KnockIndexCount), Values(KnockIndexCount, 63));
    EXPECT_EQ(Bytes(image, KnockOffset(KnockArray::Level), KnockIndexCount), Values(KnockIndexCount, 3));
    EXPECT_EQ(Bytes(image, KnockOffset(KnockArray::HigherGain), KnockIndexCount), Values(KnockIndexCount, 1));
    EXPECT_EQ(Bytes(image, KnockOffset(KnockArray::TimeConst), KnockIndexCount), Values(KnockIndexCount, 18));
    EXPECT_EQ(SignedBytes(image, KnockOffset(KnockArray::Start), KnockIndexCount), Values(KnockIndexCount, 10));
    EXPECT_EQ(SignedBytes(image, KnockOffset(KnockArray::End), KnockIndexCount), Values(KnockIndexCount, 60));
}

TEST(Defaults, ListsThatDifferPerVariant)
{
    const std::array<Values, BikeCount> alarm = {{
        {1800, 2100, 1980, 1940, 1900, 2020, 2260, 1980, 1940, 1900, 1800, 2100, 1980, 1940, 1900},
        {1800, 2100, 1980, 1920, 2000, 2040, 2180, 1980, 1920, 2000, 1800, 2100, 1980, 1920, 2000},
        {2080, 2300, 2080, 1940, 2280, 2040, 2500, 2220, 2160, 2260, 2000, 2260, 2080, 1940, 2120},
        {2000, 2260, 2080, 1880, 2120, 2000, 2400, 2200, 1880, 2120, 2000, 2260, 2080, 1880, 2120},
    }};
    const std::array<Values, BikeCount> advance = {{
        {0, 0, -2, -3, -3, -5, -6, -7, -8, -9},
        {0, 0, -3, -4, -4, -7, -11, -10, -9, -9},
        {0, 0, -2, -3, -5, -6, -7, -8, -9, -10},
        {0, 0, -2, -4, -6, -7, -8, -9, -10, -12},
    }};
    const std::array<Values, BikeCount> air = {{
        {104, 100, 102, 102, 104},
        {104, 100, 102, 103, 105},
        {109, 100, 103, 103, 105},
        {109, 100, 103, 103, 105},
    }};
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        const ParameterImage image = DefaultsFor(bike);
        EXPECT_EQ(Bytes(image, KnockOffset(KnockArray::Alarm), KnockIndexCount, MillivoltStep), alarm[bike]);
        EXPECT_EQ(SignedBytes(image, Offset::RetardValue, RetardPoints), advance[bike]);
        EXPECT_EQ(Bytes(image, Offset::AirTemp, TempPoints), air[bike]);
    }
}

TEST(Defaults, PressureAndAirTemperatureAxes)
{
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        const ParameterImage image = DefaultsFor(bike);
        EXPECT_EQ(Bytes(image, Offset::DruckAxis, PressurePoints), (Values{40, 60, 80, 100, 120, 140, 160, 180, 200, 210}));
        EXPECT_EQ(SignedBytes(image, Offset::RetardTemp, RetardPoints), (Values{20, 30, 40, 50, 60, 70, 80, 90, 100, 110}));
    }
}

struct GroupFields {
    Values choke;
    int accelSize;
    int jetMode;
    int startJet;
    Values water;
    Values pressureCorrection;
};

void ExpectGroupFields(const ParameterImage& image, const GroupFields& expected)
{
    EXPECT_EQ(Bytes(image, Offset::ChokeTime, ChokeBytes), expected.choke);
    EXPECT_EQ(image[Offset::AccelSize], expected.accelSize);
    EXPECT_EQ(image[Offset::JetMode], expected.jetMode);
    EXPECT_EQ(image[Offset::StartJet], expected.startJet);
    EXPECT_EQ(Bytes(image, Offset::WaterTemp, TempPoints), expected.water);
    EXPECT_EQ(Bytes(image, Offset::DruckCorrection, PressurePoints), expected.pressureCorrection);
}

TEST(Defaults, FieldsThatFollowTheInjectorGroup)
{
    const GroupFields six = {{5, 10, 15, 18, 150, 50, 30, 10}, 14, ModeCoupled, 11,
                             {113, 107, 102, 103, 100}, {38, 60, 80, 100, 120, 140, 160, 180, 200, 210}};
    const GroupFields three = {{5, 10, 15, 20, 150, 50, 30, 10}, 16, ModeCommon, 7,
                               {113, 104, 103, 102, 100}, {40, 60, 80, 100, 120, 140, 160, 180, 200, 210}};
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        ExpectGroupFields(DefaultsFor(bike), IsSixInjector(bike) ? six : three);
    }
}

TEST(Defaults, SingleFieldsOfEveryVariant)
{
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        const ParameterImage image = DefaultsFor(bike);
        EXPECT_EQ(image[Offset::ServoHyster], 40);
        EXPECT_EQ(image[Offset::TempWarning], 90);
        EXPECT_EQ(image[Offset::AccelThreshold], 30);
        EXPECT_EQ(image[Offset::Rpm2], 1);
        EXPECT_EQ(Bytes(image, Offset::Limiter, LimiterCount, RpmStep), (Values{9000, 9000, 9200}));
        EXPECT_EQ(Bytes(image, Offset::PowerOutLevel1, PowerOutBytes), (Values{190, 190, 190, 192, 192, 192, 0, 0, 0}));
        EXPECT_EQ(image[Offset::ActOil], 0);
        EXPECT_EQ(image[Offset::IgnMode], ModeCoupled);
        EXPECT_EQ(image[Offset::NoReading], 0);
        EXPECT_EQ(image[Offset::ServoEnable], 0);
        EXPECT_EQ(image[Offset::ActRpm], 1);
        EXPECT_EQ(image[Offset::ActLim1], 1);
        EXPECT_EQ(image[Offset::DefaultOnly126], 75);
        EXPECT_EQ(image[Offset::PositionAReference], 1);
        EXPECT_EQ(image[Offset::PositionBReference], 1);
        EXPECT_EQ(image[Offset::Tps0], 48);
        EXPECT_EQ(image[Offset::Tps100], 197);
    }
}

// Block 0, BIKE and the bytes the PC does not interpret.
bool BelongsToTheUnit(std::size_t offset)
{
    const std::vector<std::pair<std::size_t, std::size_t>> kept = {
        {0, 100}, {106, 107}, {127, 127}, {132, 132}, {135, 139},
        {178, 179}, {290, 299}, {435, 449}, {1935, 1999}};
    for (auto [first, last] : kept) {
        if (offset >= first && offset <= last) {
            return true;
        }
    }
    return false;
}

TEST(Defaults, WritesEveryParameterByteAndKeepsTheRest)
{
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        ParameterImage first{};
        ParameterImage second{};
        for (std::size_t offset = 0; offset < ImageSize; ++offset) {
            first[offset] = static_cast<std::uint8_t>(offset * 7 + 3);
            second[offset] = static_cast<std::uint8_t>(~first[offset]);
        }
        first[Offset::Bike] = second[Offset::Bike] = static_cast<std::uint8_t>(bike);
        const ParameterImage firstBefore = first;
        FillDefaultParameters(first);
        FillDefaultParameters(second);
        for (std::size_t offset = 0; offset < ImageSize; ++offset) {
            if (BelongsToTheUnit(offset)) {
                ASSERT_EQ(first[offset], firstBefore[offset]) << "offset " << offset;
            } else {
                ASSERT_EQ(first[offset], second[offset]) << "offset " << offset << " not written";
            }
        }
    }
}

TEST(Defaults, VariantOutOfRangeGetsTheLastVariantsSetAndKeepsItsByte)
{
    ParameterImage image{};
    image[Offset::Bike] = 200;
    FillDefaultParameters(image);
    ParameterImage expected = DefaultsFor(BikeCount - 1);
    expected[Offset::Bike] = 200;
    EXPECT_EQ(image, expected);
}

}  // namespace
}  // namespace torvana
