#pragma once
// The position, servo and corrections pages: rows of up-down controls,
// check boxes and radio groups, held as the controls hold them.

#include "core/ImageLayout.h"

#include <array>

namespace torvana {

// TabSheet_Poloha: rpm and crank degrees; radio item indices (-1 none).
struct PositionPageValues {
    std::array<int, AxisLength> polohaARpm{};
    std::array<int, AxisLength> polohaA{};
    std::array<int, AxisLength> polohaBRpm{};
    std::array<int, AxisLength> polohaB{};
    int radioPolohaA = 0;
    int radioPolohaB = 0;
};

// TabSheet_Servo: rpm, mV; power outputs indexed by output 1..3 as 0..2,
// level a (first) and b (second).
struct ServoPageValues {
    static constexpr int ServoPoints = 15;
    static constexpr int PowerOutCount = 3;

    std::array<int, ServoPoints> servoRpm{};
    std::array<int, ServoPoints> servoNap{};
    int servoHyster = 0;
    bool servoEnable = false;
    std::array<int, PowerOutCount> powerOutA{};
    std::array<int, PowerOutCount> powerOutB{};
    std::array<bool, PowerOutCount> powerOutInv{};
};

// TabSheet_Korekce: kPa, %, degC, degrees, seconds; after-start correction
// in percent (100 = none).
struct CorrectionsPageValues {
    static constexpr int PressurePoints = 10;
    static constexpr int RetardPoints = 10;
    static constexpr int TemperaturePoints = 5;
    static constexpr int ChokePoints = 4;

    std::array<int, PressurePoints> tlakTlak{};
    std::array<int, PressurePoints> tlakKor{};
    std::array<int, TemperaturePoints> voda{};
    std::array<int, TemperaturePoints> vzduch{};
    std::array<int, RetardPoints> retardTemp{};
    std::array<int, RetardPoints> retardRetard{};
    std::array<int, ChokePoints> syticCas{};
    std::array<int, ChokePoints> syticKorekce{};
};

// Fill converts every byte to its display value without limiting it: the
// controls keep it inside their ranges (ClampToRange). Write limits each
// position to its control's range, converts it and stores it; with a mask
// (codec::Edited) only the controls the tuner changed.
PositionPageValues FillPositionPage(const ParameterImage& image);
void WritePositionPage(const PositionPageValues& values, ParameterImage& image,
                       const PositionPageValues* edited = nullptr);

ServoPageValues FillServoPage(const ParameterImage& image);
void WriteServoPage(const ServoPageValues& values, ParameterImage& image,
                    const ServoPageValues* edited = nullptr);

CorrectionsPageValues FillCorrectionsPage(const ParameterImage& image);
void WriteCorrectionsPage(const CorrectionsPageValues& values, ParameterImage& image,
                          const CorrectionsPageValues* edited = nullptr);

}  // namespace torvana
