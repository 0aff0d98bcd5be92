#include "ui/binding/KnockPageBinding.h"

#include "ui/binding/DisplayCodec.h"
#include "ui/binding/UpDownRange.h"

namespace torvana {

using namespace codec;

namespace {

std::uint8_t& Byte(ParameterImage& image, KnockArray a, int i) { return image[KnockOffset(a, i)]; }
std::uint8_t Byte(const ParameterImage& image, KnockArray a, int i) { return image[KnockOffset(a, i)]; }

}  // namespace

KnockPageValues FillKnockPage(const ParameterImage& image)
{
    KnockPageValues v;
    for (int i = 0; i < KnockIndexCount; ++i) {
        v.rpm[i] = ShowMultiplied(Byte(image, KnockArray::Rpm, i), Ranges::EngineSpeed);
        v.knockFrek[i] = Byte(image, KnockArray::KnockFrek, i);
        v.refFrek[i] = Byte(image, KnockArray::RefFrek, i);
        v.level[i] = Byte(image, KnockArray::Level, i);
        v.higherGain[i] = ShowTick(Byte(image, KnockArray::HigherGain, i));
        v.timeConst[i] = Byte(image, KnockArray::TimeConst, i);
        v.start[i] = ShowBiased(Byte(image, KnockArray::Start, i), SignedBias);
        v.end[i] = ShowBiased(Byte(image, KnockArray::End, i), SignedBias);
        v.alarm[i] = ShowMultiplied(Byte(image, KnockArray::Alarm, i), Ranges::KnockAlarm);
    }
    return v;
}

void WriteKnockPage(const KnockPageValues& v, ParameterImage& image, const KnockPageValues* edited)
{
    using V = KnockPageValues;
    const Edited<V> on(edited);
    for (int i = 0; i < KnockIndexCount; ++i) {
        if (on(&V::rpm, i))
            Byte(image, KnockArray::Rpm, i) = StoreDivided(v.rpm[i], Ranges::EngineSpeed);
        if (on(&V::knockFrek, i))
            StoreItemIndex(v.knockFrek[i], Byte(image, KnockArray::KnockFrek, i));
        if (on(&V::refFrek, i))
            StoreItemIndex(v.refFrek[i], Byte(image, KnockArray::RefFrek, i));
        if (on(&V::level, i))
            StoreItemIndex(v.level[i], Byte(image, KnockArray::Level, i));
        if (on(&V::higherGain, i))
            Byte(image, KnockArray::HigherGain, i) = StoreTick(v.higherGain[i]);
        if (on(&V::timeConst, i))
            StoreItemIndex(v.timeConst[i], Byte(image, KnockArray::TimeConst, i));
        if (on(&V::start, i))
            Byte(image, KnockArray::Start, i) = StoreBiased(v.start[i], Ranges::KnockStart, SignedBias);
        if (on(&V::end, i))
            Byte(image, KnockArray::End, i) = StoreBiased(v.end[i], Ranges::KnockEnd, SignedBias);
        if (on(&V::alarm, i))
            Byte(image, KnockArray::Alarm, i) = StoreDivided(v.alarm[i], Ranges::KnockAlarm);
    }
}

}  // namespace torvana
