#include "ui/binding/VariousPageBinding.h"

#include "ui/binding/DisplayCodec.h"
#include "ui/binding/UpDownRange.h"

namespace torvana {

using namespace codec;

namespace {

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
        v.omez[n] = ShowMultiplied(image[Offset::Limiter + n], Ranges::Limiter);
    v.tps0 = ShowMultiplied(image[Offset::Tps0], Ranges::Tps0);
    v.tps100 = (image[Offset::Tps100] + Tps100Bias) * Ranges::Tps100.step;
    v.akcelPrah = ShowMultiplied(image[Offset::AccelThreshold], Ranges::AccelThreshold);
    v.akcelJet = ShowMultiplied(image[Offset::AccelSize], Ranges::AccelSize);
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
        image[Offset::Limiter + n] = StoreDivided(v.omez[n], Ranges::Limiter);
    image[Offset::NoReading] = StoreTick(v.zakazCteni);
    image[Offset::Rpm2] = StoreTick(v.rpm2Krat);
    image[Offset::ActLim1] = StoreInverted(v.aktLimiter1);
    image[Offset::ActRpm] = StoreInverted(v.aktRpm);
    image[Offset::ActOil] = StoreTick(v.aktTlakOleje);
    image[Offset::Tps0] = StoreDivided(v.tps0, Ranges::Tps0);
    image[Offset::Tps100] = static_cast<std::uint8_t>(
        ClampToRange(v.tps100, Ranges::Tps100) / Ranges::Tps100.step + Tps100StoredShift);
    image[Offset::AccelThreshold] = StoreDivided(v.akcelPrah, Ranges::AccelThreshold);
    image[Offset::AccelSize] = StoreDivided(v.akcelJet, Ranges::AccelSize);
    image[Offset::StartJet] = StoreDivided(v.startJet, Ranges::StartJet);
    image[Offset::TempWarning] = StoreDivided(v.tempWarning, Ranges::TempWarning);
    StoreItemIndex(v.radioPolohaA, image[Offset::PositionAReference]);
    StoreItemIndex(v.radioPolohaB, image[Offset::PositionBReference]);
}

}  // namespace torvana
