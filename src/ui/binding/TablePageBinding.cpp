#include "ui/binding/TablePageBinding.h"

#include "ui/binding/DisplayCodec.h"
#include "ui/binding/UpDownRange.h"

namespace torvana {

using namespace codec;

namespace {

// The after-start correction stores percent - 100.
constexpr int ChokeBias = -100;
constexpr int ServoPoints = ServoPageValues::ServoPoints;
constexpr int PowerOutCount = ServoPageValues::PowerOutCount;
constexpr int PressurePoints = CorrectionsPageValues::PressurePoints;
constexpr int RetardPoints = CorrectionsPageValues::RetardPoints;
constexpr int TemperaturePoints = CorrectionsPageValues::TemperaturePoints;
constexpr int ChokePoints = CorrectionsPageValues::ChokePoints;

}  // namespace

PositionPageValues FillPositionPage(const ParameterImage& image)
{
    PositionPageValues v;
    for (int i = 0; i < AxisLength; ++i) {
        v.polohaARpm[i] = ShowMultiplied(image[Offset::PositionARpm + i], Ranges::EngineSpeed);
        v.polohaA[i] = ShowMultiplied(image[Offset::PositionA + i], Ranges::PositionAngle);
        v.polohaBRpm[i] = ShowMultiplied(image[Offset::PositionBRpm + i], Ranges::EngineSpeed);
        v.polohaB[i] = ShowMultiplied(image[Offset::PositionB + i], Ranges::PositionAngle);
    }
    v.radioPolohaA = image[Offset::PositionAReference];
    v.radioPolohaB = image[Offset::PositionBReference];
    return v;
}

void WritePositionPage(const PositionPageValues& v, ParameterImage& image, const PositionPageValues* edited)
{
    using V = PositionPageValues;
    const Edited<V> on(edited);
    for (int i = 0; i < AxisLength; ++i) {
        if (on(&V::polohaARpm, i))
            image[Offset::PositionARpm + i] = StoreDivided(v.polohaARpm[i], Ranges::EngineSpeed);
        if (on(&V::polohaA, i))
            image[Offset::PositionA + i] = StoreDivided(v.polohaA[i], Ranges::PositionAngle);
        if (on(&V::polohaBRpm, i))
            image[Offset::PositionBRpm + i] = StoreDivided(v.polohaBRpm[i], Ranges::EngineSpeed);
        if (on(&V::polohaB, i))
            image[Offset::PositionB + i] = StoreDivided(v.polohaB[i], Ranges::PositionAngle);
    }
    if (on(&V::radioPolohaA))
        StoreItemIndex(v.radioPolohaA, image[Offset::PositionAReference]);
    if (on(&V::radioPolohaB))
        StoreItemIndex(v.radioPolohaB, image[Offset::PositionBReference]);
}

ServoPageValues FillServoPage(const ParameterImage& image)
{
    ServoPageValues v;
    for (int i = 0; i < ServoPoints; ++i) {
        v.servoRpm[i] = ShowMultiplied(image[Offset::RpmServo + i], Ranges::EngineSpeed);
        v.servoNap[i] = ShowMultiplied(image[Offset::VoltServo + i], Ranges::ServoVoltage);
    }
    v.servoHyster = ShowMultiplied(image[Offset::ServoHyster], Ranges::ServoHyster);
    v.servoEnable = ShowTick(image[Offset::ServoEnable]);
    for (int n = 0; n < PowerOutCount; ++n) {
        v.powerOutA[n] = ShowMultiplied(image[Offset::PowerOutLevel1 + n], Ranges::PowerOut);
        v.powerOutB[n] = ShowMultiplied(image[Offset::PowerOutLevel2 + n], Ranges::PowerOut);
        v.powerOutInv[n] = ShowTick(image[Offset::PowerOutReversed + n]);
    }
    return v;
}

void WriteServoPage(const ServoPageValues& v, ParameterImage& image, const ServoPageValues* edited)
{
    using V = ServoPageValues;
    const Edited<V> on(edited);
    for (int i = 0; i < ServoPoints; ++i) {
        if (on(&V::servoRpm, i))
            image[Offset::RpmServo + i] = StoreDivided(v.servoRpm[i], Ranges::EngineSpeed);
        if (on(&V::servoNap, i))
            image[Offset::VoltServo + i] = StoreDivided(v.servoNap[i], Ranges::ServoVoltage);
    }
    if (on(&V::servoHyster))
        image[Offset::ServoHyster] = StoreDivided(v.servoHyster, Ranges::ServoHyster);
    if (on(&V::servoEnable))
        image[Offset::ServoEnable] = StoreTick(v.servoEnable);
    for (int n = 0; n < PowerOutCount; ++n) {
        if (on(&V::powerOutA, n))
            image[Offset::PowerOutLevel1 + n] = StoreDivided(v.powerOutA[n], Ranges::PowerOut);
        if (on(&V::powerOutB, n))
            image[Offset::PowerOutLevel2 + n] = StoreDivided(v.powerOutB[n], Ranges::PowerOut);
        if (on(&V::powerOutInv, n))
            image[Offset::PowerOutReversed + n] = StoreTick(v.powerOutInv[n]);
    }
}

CorrectionsPageValues FillCorrectionsPage(const ParameterImage& image)
{
    CorrectionsPageValues v;
    for (int i = 0; i < PressurePoints; ++i) {
        v.tlakTlak[i] = image[Offset::DruckAxis + i];
        v.tlakKor[i] = image[Offset::DruckCorrection + i];
    }
    for (int i = 0; i < TemperaturePoints; ++i) {
        v.voda[i] = image[Offset::WaterTemp + i];
        v.vzduch[i] = image[Offset::AirTemp + i];
    }
    for (int i = 0; i < RetardPoints; ++i) {
        v.retardTemp[i] = ShowBiased(image[Offset::RetardTemp + i], SignedBias);
        v.retardRetard[i] = ShowBiased(image[Offset::RetardValue + i], SignedBias);
    }
    for (int i = 0; i < ChokePoints; ++i) {
        v.syticCas[i] = image[Offset::ChokeTime + i];
        v.syticKorekce[i] = ShowBiased(image[Offset::ChokeCorrection + i], ChokeBias);
    }
    return v;
}

void WriteCorrectionsPage(const CorrectionsPageValues& v, ParameterImage& image,
                          const CorrectionsPageValues* edited)
{
    using V = CorrectionsPageValues;
    const Edited<V> on(edited);
    for (int i = 0; i < PressurePoints; ++i) {
        if (on(&V::tlakTlak, i))
            image[Offset::DruckAxis + i] = StoreDivided(v.tlakTlak[i], PressureAxisRange(i));
        if (on(&V::tlakKor, i))
            image[Offset::DruckCorrection + i] = StoreDivided(v.tlakKor[i], Ranges::Correction);
    }
    for (int i = 0; i < TemperaturePoints; ++i) {
        if (on(&V::voda, i))
            image[Offset::WaterTemp + i] = StoreDivided(v.voda[i], Ranges::Correction);
        if (on(&V::vzduch, i))
            image[Offset::AirTemp + i] = StoreDivided(v.vzduch[i], Ranges::Correction);
    }
    for (int i = 0; i < RetardPoints; ++i) {
        if (on(&V::retardTemp, i))
            image[Offset::RetardTemp + i] = StoreBiased(v.retardTemp[i], RetardTempRange(i), SignedBias);
        if (on(&V::retardRetard, i))
            image[Offset::RetardValue + i] = StoreBiased(v.retardRetard[i], Ranges::RetardValue, SignedBias);
    }
    for (int i = 0; i < ChokePoints; ++i) {
        if (on(&V::syticCas, i))
            image[Offset::ChokeTime + i] = StoreDivided(v.syticCas[i], Ranges::ChokeTime);
        if (on(&V::syticKorekce, i))
            image[Offset::ChokeCorrection + i] = StoreBiased(v.syticKorekce[i], Ranges::ChokeCorrection, ChokeBias);
    }
}

}  // namespace torvana
