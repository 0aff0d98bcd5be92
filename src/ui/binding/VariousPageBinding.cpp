#include "ui/binding/VariousPageBinding.h"

#include "ui/binding/DisplayCodec.h"
#include "ui/binding/UpDownRange.h"

namespace torvana {

using namespace codec;

namespace {

constexpr int RpmStep = 50;
constexpr int TpsStep = 10;
constexpr int AccelThresholdStep = 10;
constexpr int AccelSizeStep = 50;
constexpr int PlainStep = 1;
// TPS at 100 % stores mV / 10 - 250, which is mV / 10 + 6 modulo 256.
constexpr int Tps100Bias = 250;
constexpr int Tps100StoredShift = 6;
constexpr int LimiterCount = VariousPageValues::LimiterCount;

// Two switches store 0 for a ticked box.
std::uint8_t StoreInverted(bool ticked) { return ticked ? 0 : 1; }
bool ShowInverted(std::uint8_t byte) { return byte == 0; }

}  // namespace

VariousPageValues FillVariousPage(const ParameterImage& image)
{
    VariousPageValues v;
    v.zakazCteni = ShowTick(image[Offset::NoReading]);
    v.rpm2Krat = ShowTick(image[Offset::Rpm2]);
    v.aktLimiter1 = ShowInverted(image[Offset::ActLim1]);
    v.aktRpm = ShowInverted(image[Offset::ActRpm]);
    v.aktTlakOleje = ShowTick(image[Offset::ActOil]);
    v.bike = image[Offset::Bike];
    for (int n = 0; n < LimiterCount; ++n)
        v.omez[n] = ShowMultiplied(image[Offset::Limiter + n], RpmStep);
    v.tps0 = ShowMultiplied(image[Offset::Tps0], TpsStep);
    v.tps100 = (image[Offset::Tps100] + Tps100Bias) * TpsStep;
    v.akcelPrah = ShowMultiplied(image[Offset::AccelThreshold], AccelThresholdStep);
    v.akcelJet = ShowMultiplied(image[Offset::AccelSize], AccelSizeStep);
    v.startJet = image[Offset::StartJet];
    v.tempWarning = image[Offset::TempWarning];
    v.radioPolohaA = image[Offset::PositionAReference];
    v.radioPolohaB = image[Offset::PositionBReference];
    return v;
}

void WriteVariousPage(const VariousPageValues& v, ParameterImage& image)
{
    StoreItemIndex(v.bike, image[Offset::Bike]);
    for (int n = 0; n < LimiterCount; ++n)
        image[Offset::Limiter + n] = StoreDivided(v.omez[n], Ranges::Limiter, RpmStep);
    image[Offset::NoReading] = StoreTick(v.zakazCteni);
    image[Offset::Rpm2] = StoreTick(v.rpm2Krat);
    image[Offset::ActLim1] = StoreInverted(v.aktLimiter1);
    image[Offset::ActRpm] = StoreInverted(v.aktRpm);
    image[Offset::ActOil] = StoreTick(v.aktTlakOleje);
    image[Offset::Tps0] = StoreDivided(v.tps0, Ranges::Tps0, TpsStep);
    image[Offset::Tps100] = static_cast<std::uint8_t>(
        ClampToRange(v.tps100, Ranges::Tps100) / TpsStep + Tps100StoredShift);
    image[Offset::AccelThreshold] = StoreDivided(v.akcelPrah, Ranges::AccelThreshold, AccelThresholdStep);
    image[Offset::AccelSize] = StoreDivided(v.akcelJet, Ranges::AccelSize, AccelSizeStep);
    image[Offset::StartJet] = StoreDivided(v.startJet, Ranges::StartJet, PlainStep);
    image[Offset::TempWarning] = StoreDivided(v.tempWarning, Ranges::TempWarning, PlainStep);
    StoreItemIndex(v.radioPolohaA, image[Offset::PositionAReference]);
    StoreItemIndex(v.radioPolohaB, image[Offset::PositionBReference]);
}

}  // namespace torvana
