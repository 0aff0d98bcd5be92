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

void WriteVariousPage(const VariousPageValues& v, ParameterImage& image, const VariousPageValues* edited)
{
    using V = VariousPageValues;
    const Edited<V> on(edited);
    if (on(&V::bike))
        StoreItemIndex(v.bike, image[Offset::Bike]);
    for (int n = 0; n < LimiterCount; ++n)
        if (on(&V::omez, n))
            image[Offset::Limiter + n] = StoreDivided(v.omez[n], Ranges::Limiter);
    if (on(&V::zakazCteni))
        image[Offset::NoReading] = StoreTick(v.zakazCteni);
    if (on(&V::rpm2Krat))
        image[Offset::Rpm2] = StoreTick(v.rpm2Krat);
    if (on(&V::aktLimiter1))
        image[Offset::ActLim1] = StoreInverted(v.aktLimiter1);
    if (on(&V::aktRpm))
        image[Offset::ActRpm] = StoreInverted(v.aktRpm);
    if (on(&V::aktTlakOleje))
        image[Offset::ActOil] = StoreTick(v.aktTlakOleje);
    if (on(&V::tps0))
        image[Offset::Tps0] = StoreDivided(v.tps0, Ranges::Tps0);
    if (on(&V::tps100))
        image[Offset::Tps100] = static_cast<std::uint8_t>(
            ClampToRange(v.tps100, Ranges::Tps100) / Ranges::Tps100.step + Tps100StoredShift);
    if (on(&V::akcelPrah))
        image[Offset::AccelThreshold] = StoreDivided(v.akcelPrah, Ranges::AccelThreshold);
    if (on(&V::akcelJet))
        image[Offset::AccelSize] = StoreDivided(v.akcelJet, Ranges::AccelSize);
    if (on(&V::startJet))
        image[Offset::StartJet] = StoreDivided(v.startJet, Ranges::StartJet);
    if (on(&V::tempWarning))
        image[Offset::TempWarning] = StoreDivided(v.tempWarning, Ranges::TempWarning);
    if (on(&V::radioPolohaA))
        StoreItemIndex(v.radioPolohaA, image[Offset::PositionAReference]);
    if (on(&V::radioPolohaB))
        StoreItemIndex(v.radioPolohaB, image[Offset::PositionBReference]);
}

}  // namespace torvana
