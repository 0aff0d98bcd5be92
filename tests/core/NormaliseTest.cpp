#include "core/Defaults.h"
#include "core/ImageLayout.h"
#include "core/Normalise.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <vector>

namespace torvana {
namespace {

using Values = std::vector<int>;

constexpr std::size_t PressurePoints = 10;
constexpr std::size_t RetardPoints = 10;
constexpr std::size_t ChokePoints = 4;
constexpr std::size_t PowerOutputs = 3;
constexpr std::size_t LimiterCount = 3;

void Put(ParameterImage& image, std::size_t offset, const Values& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        image[offset + i] = static_cast<std::uint8_t>(values[i]);
    }
}

Values Get(const ParameterImage& image, std::size_t offset, std::size_t count)
{
    return Values(image.begin() + offset, image.begin() + offset + count);
}

Values CountingFrom(int first, std::size_t count)
{
    Values values(count);
    std::iota(values.begin(), values.end(), first);
    return values;
}

ParameterImage Defaults(int bike)
{
    ParameterImage image{};
    image[Offset::Bike] = static_cast<std::uint8_t>(bike);
    FillDefaultParameters(image);
    return image;
}

ParameterImage Normalised(ParameterImage image)
{
    NormaliseImage(image);
    return image;
}

TEST(NormaliseAxes, AllZeroAllTopAndFlat)
{
    for (int fill : {0, 255, 20}) {
        SCOPED_TRACE(testing::Message() << "every axis byte " << fill);
        ParameterImage image = Defaults(0);
        for (std::size_t axis : EngineSpeedAxes) {
            Put(image, axis, Values(AxisLength, fill));
        }
        NormaliseImage(image);
        const Values expected = fill == 0 ? CountingFrom(3, AxisLength) : fill == 255 ? CountingFrom(236, AxisLength) : CountingFrom(20, AxisLength);
        for (std::size_t axis : EngineSpeedAxes) {
            EXPECT_EQ(Get(image, axis, AxisLength), expected) << "axis at " << axis;
        }
    }
}

TEST(NormaliseAxes, HighFirstPointPushesTheRestToTheTop)
{
    ParameterImage image = Defaults(0);
    Values axis(AxisLength, 0);
    axis[0] = 255;
    Put(image, Offset::PositionBRpm, axis);
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::PositionBRpm, AxisLength), CountingFrom(236, AxisLength));
}

TEST(NormaliseLimiters, ClampedThenNotBelowTheStartLimiter)
{
    ParameterImage image = Defaults(0);
    Put(image, Offset::Limiter, {5, 3, 255});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::Limiter, LimiterCount), (Values{10, 10, 250}));

    Put(image, Offset::Limiter, {200, 100, 100});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::Limiter, LimiterCount), (Values{200, 200, 200}));

    Put(image, Offset::Limiter, {255, 0, 0});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::Limiter, LimiterCount), (Values{250, 250, 250}));
}

TEST(NormaliseServo, InvalidVoltagesBecomeTheLowestStep)
{
    ParameterImage image = Defaults(0);
    Put(image, Offset::VoltServo, {0, 250, 249, 255, 1, 100});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::VoltServo, 6), (Values{1, 1, 249, 1, 1, 100}));
}

TEST(NormaliseKnock, EngineSpeedsAreOrderedPerCylinderOnly)
{
    ParameterImage image = Defaults(0);
    const Values legal = {200, 210, 220, 230, 240, 100, 110, 120, 130, 140, 50, 60, 70, 80, 90};
    Put(image, KnockOffset(KnockArray::Rpm), legal);
    NormaliseImage(image);
    EXPECT_EQ(Get(image, KnockOffset(KnockArray::Rpm), KnockIndexCount), legal);

    Put(image, KnockOffset(KnockArray::Rpm), Values(KnockIndexCount, 0));
    NormaliseImage(image);
    EXPECT_EQ(Get(image, KnockOffset(KnockArray::Rpm), KnockIndexCount), CountingFrom(3, KnockIndexCount));
}

TEST(NormaliseKnock, TopSpeedsAreLoweredPerIndexBeforeOrdering)
{
    ParameterImage image = Defaults(0);
    Put(image, KnockOffset(KnockArray::Rpm), Values(KnockIndexCount, 255));
    NormaliseImage(image);
    EXPECT_EQ(Get(image, KnockOffset(KnockArray::Rpm), KnockIndexCount),
              (Values{246, 247, 248, 249, 250, 247, 248, 249, 250, 251, 249, 250, 251, 252, 253}));
}

TEST(NormaliseKnock, WindowEndsAfterItsStart)
{
    ParameterImage image = Defaults(0);
    Put(image, KnockOffset(KnockArray::Start), {110, 110, 110, 40, 255, 179});
    Put(image, KnockOffset(KnockArray::End), {110, 100, 111, 40, 200, 180});
    NormaliseImage(image);
    // After 255 the stored byte wraps to 0.
    EXPECT_EQ(Get(image, KnockOffset(KnockArray::End), 6), (Values{111, 111, 111, 41, 0, 180}));
    EXPECT_EQ(Get(image, KnockOffset(KnockArray::Start), 6), (Values{110, 110, 110, 40, 255, 179}));
}

TEST(NormaliseCells, IgnitionAndInjectionLimits)
{
    ParameterImage image = Defaults(0);
    image[CurveCellOffset(0, 0, 0)] = 61;
    image[CurveCellOffset(2, 9, 14)] = 255;
    image[CurveCellOffset(1, 5, 5)] = 0;
    image[CurveCellOffset(1, 5, 6)] = 60;
    image[CurveCellOffset(3, 0, 0)] = 251;
    image[CurveCellOffset(8, 9, 14)] = 255;
    image[CurveCellOffset(5, 4, 4)] = 250;
    image[CurveCellOffset(6, 4, 4)] = 61;
    NormaliseImage(image);
    EXPECT_EQ(image[CurveCellOffset(0, 0, 0)], 60);
    EXPECT_EQ(image[CurveCellOffset(2, 9, 14)], 60);
    EXPECT_EQ(image[CurveCellOffset(1, 5, 5)], 0);
    EXPECT_EQ(image[CurveCellOffset(1, 5, 6)], 60);
    EXPECT_EQ(image[CurveCellOffset(3, 0, 0)], 250);
    EXPECT_EQ(image[CurveCellOffset(8, 9, 14)], 250);
    EXPECT_EQ(image[CurveCellOffset(5, 4, 4)], 250);
    EXPECT_EQ(image[CurveCellOffset(6, 4, 4)], 61);
}

TEST(NormaliseFields, PositionsThrottleAndStartInjection)
{
    ParameterImage image = Defaults(0);
    image[Offset::PositionA] = 241;
    image[Offset::PositionB + AxisLength - 1] = 255;
    image[Offset::PositionA + 1] = 240;
    image[Offset::Tps0] = 251;
    image[Offset::Tps100] = 255;
    image[Offset::StartJet] = 51;
    NormaliseImage(image);
    EXPECT_EQ(image[Offset::PositionA], 240);
    EXPECT_EQ(image[Offset::PositionB + AxisLength - 1], 240);
    EXPECT_EQ(image[Offset::PositionA + 1], 240);
    EXPECT_EQ(image[Offset::Tps0], 250);
    EXPECT_EQ(image[Offset::Tps100], 250);
    EXPECT_EQ(image[Offset::StartJet], 50);
}

TEST(NormaliseFields, PressureAndAirTemperatureAxesIncrease)
{
    ParameterImage image = Defaults(0);
    Put(image, Offset::DruckAxis, Values(PressurePoints, 40));
    Put(image, Offset::RetardTemp, {255, 255, 10, 20, 30, 40, 50, 60, 70, 80});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::DruckAxis, PressurePoints), CountingFrom(40, PressurePoints));
    EXPECT_EQ(Get(image, Offset::RetardTemp, RetardPoints), (Values{255, 0, 10, 20, 30, 40, 50, 60, 70, 80}));
}

TEST(NormaliseFields, ChokeTimesAndCorrections)
{
    ParameterImage image = Defaults(0);
    Put(image, Offset::ChokeTime, {0, 0, 0, 0, 251, 250, 255, 0});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::ChokeTime, ChokePoints), (Values{0, 1, 2, 3}));
    EXPECT_EQ(Get(image, Offset::ChokeCorrection, ChokePoints), (Values{250, 250, 250, 0}));

    Put(image, Offset::ChokeTime, {255, 255, 255, 255});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::ChokeTime, ChokePoints), (Values{247, 248, 249, 250}));

    Put(image, Offset::ChokeTime, {20, 10, 30, 30});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::ChokeTime, ChokePoints), (Values{20, 21, 30, 31}));
}

TEST(NormaliseFields, PowerOutputLevelTwoNotBelowLevelOne)
{
    ParameterImage image = Defaults(0);
    Put(image, Offset::PowerOutLevel1, {190, 255, 10});
    Put(image, Offset::PowerOutLevel2, {100, 0, 20});
    NormaliseImage(image);
    EXPECT_EQ(Get(image, Offset::PowerOutLevel1, PowerOutputs), (Values{190, 255, 10}));
    EXPECT_EQ(Get(image, Offset::PowerOutLevel2, PowerOutputs), (Values{190, 255, 20}));
}

TEST(NormaliseFields, EngineVariant)
{
    for (auto [stored, expected] : {std::pair{0, 0}, {3, 3}, {4, 3}, {255, 3}}) {
        ParameterImage image = Defaults(0);
        image[Offset::Bike] = static_cast<std::uint8_t>(stored);
        NormaliseImage(image);
        EXPECT_EQ(image[Offset::Bike], expected) << "BIKE " << stored;
    }
}

TEST(NormaliseOutside, LanguageAndPortBounds)
{
    ParameterImage image = Defaults(0);
    std::uint8_t language = 4;
    std::uint8_t port = 11;
    NormaliseImage(image, {&language, &port});
    EXPECT_EQ(language, 0);
    EXPECT_EQ(port, 1);

    language = 3;
    port = 10;
    NormaliseImage(image, {&language, &port});
    EXPECT_EQ(language, 3);
    EXPECT_EQ(port, 10);

    port = 0;
    NormaliseImage(image, {nullptr, &port});
    EXPECT_EQ(port, 0);
    language = 200;
    NormaliseImage(image, {&language, nullptr});
    EXPECT_EQ(language, 0);
}

TEST(NormaliseImage, DefaultSetsAreAlreadyNormal)
{
    for (int bike = 0; bike < BikeCount; ++bike) {
        const ParameterImage image = Defaults(bike);
        EXPECT_EQ(Normalised(image), image) << "BIKE " << bike;
    }
}

// Offsets that a rule may change; everything else must come through as it was.
std::set<std::size_t> RuledOffsets()
{
    std::set<std::size_t> ruled;
    auto add = [&ruled](std::size_t offset, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            ruled.insert(offset + i);
        }
    };
    add(Offset::Limiter, LimiterCount);
    for (std::size_t axis : EngineSpeedAxes) {
        add(axis, AxisLength);
    }
    add(Offset::VoltServo, AxisLength);
    add(Offset::PositionA, AxisLength);
    add(Offset::PositionB, AxisLength);
    add(KnockOffset(KnockArray::Rpm), KnockIndexCount);
    add(KnockOffset(KnockArray::End), KnockIndexCount);
    add(Offset::CurveGrids, CurveCount * CurveCells);
    add(Offset::Tps0, 2);
    add(Offset::StartJet, 1);
    add(Offset::DruckAxis, PressurePoints);
    add(Offset::ChokeTime, 2 * ChokePoints);
    add(Offset::RetardTemp, RetardPoints);
    add(Offset::PowerOutLevel2, PowerOutputs);
    add(Offset::Bike, 1);
    return ruled;
}

ParameterImage Scrambled(unsigned seed)
{
    ParameterImage image{};
    unsigned state = seed;
    for (auto& byte : image) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    return image;
}

bool StrictlyIncreasing(const Values& values)
{
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (values[i] <= values[i - 1]) {
            return false;
        }
    }
    return true;
}

TEST(NormaliseImage, ScrambledImagesComeOutConsistentAndStable)
{
    const std::set<std::size_t> ruled = RuledOffsets();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        const ParameterImage before = Scrambled(seed);
        const ParameterImage image = Normalised(before);
        for (std::size_t offset = 0; offset < ImageSize; ++offset) {
            if (!ruled.count(offset)) {
                ASSERT_EQ(image[offset], before[offset]) << "offset " << offset;
            }
        }
        for (std::size_t axis : EngineSpeedAxes) {
            const Values points = Get(image, axis, AxisLength);
            EXPECT_TRUE(StrictlyIncreasing(points)) << "axis at " << axis;
            EXPECT_GE(points.front(), 3);
            EXPECT_LE(points.back(), 250);
        }
        for (int cylinder = 0; cylinder < KnockCylinders; ++cylinder) {
            EXPECT_TRUE(StrictlyIncreasing(Get(image, KnockOffset(KnockArray::Rpm, KnockPoints * cylinder), KnockPoints)));
        }
        EXPECT_LE(image[Offset::Limiter], image[Offset::Limiter + 1]);
        EXPECT_LE(image[Offset::Limiter], image[Offset::Limiter + 2]);
        EXPECT_LE(image[Offset::Bike], BikeCount - 1);
        EXPECT_EQ(Normalised(image), image);
    }
}

}  // namespace
}  // namespace torvana
