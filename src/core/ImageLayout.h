#pragma once
// Byte map of the unit's 2000-byte parameter image. The offsets are shared
// with the unit's firmware: never renumber them.

#include <array>
#include <cstddef>
#include <cstdint>

namespace torvana {

constexpr std::size_t ImageSize = 2000;
constexpr std::size_t BlockSize = 100;
constexpr std::size_t BlockCount = 20;

using ParameterImage = std::array<std::uint8_t, ImageSize>;

constexpr std::size_t BlockOffset(std::size_t block) { return BlockSize * block; }

namespace Offset {
// Block 0: the unit's header.
constexpr std::size_t FirmwareVersionChars = 0;  // 3 characters
constexpr std::size_t FirmwareVersionNumber = 3;
constexpr std::size_t FirmwareDay = 4;
constexpr std::size_t FirmwareMonthCode = 5;
constexpr std::size_t FirmwareYear = 6;
constexpr std::size_t FirmwareHour = 7;
constexpr std::size_t FirmwareMinute = 8;
constexpr std::size_t ReadingAllowed = 9;
constexpr std::size_t ImageVersion = 10;
constexpr std::size_t FirmwareVersionText = 16;  // 30 characters
constexpr std::size_t FirmwareVersionTextLength = 30;

// Blocks 1 to 19: the parameters.
constexpr std::size_t NoReading = 101;
constexpr std::size_t Rpm2 = 102;
constexpr std::size_t Limiter = 103;  // 3: start, ignition, injection
constexpr std::size_t Bike = 106;
constexpr std::size_t ServoHyster = 108;
constexpr std::size_t ActRpm = 109;  // stored inverted
constexpr std::size_t ServoEnable = 110;
constexpr std::size_t PowerOutLevel1 = 111;  // 3: outputs 1, 2, 3
constexpr std::size_t PowerOutLevel2 = 114;  // 3
constexpr std::size_t PowerOutReversed = 117;  // 3
constexpr std::size_t ActOil = 120;
constexpr std::size_t ActLim1 = 121;  // stored inverted
constexpr std::size_t Tps0 = 122;
constexpr std::size_t Tps100 = 123;
constexpr std::size_t AccelThreshold = 124;
constexpr std::size_t AccelSize = 125;
constexpr std::size_t DefaultOnly126 = 126;
constexpr std::size_t StartJet = 128;
constexpr std::size_t TempWarning = 129;
constexpr std::size_t IgnMode = 130;
constexpr std::size_t JetMode = 131;
constexpr std::size_t PositionAReference = 133;
constexpr std::size_t PositionBReference = 134;
constexpr std::size_t WaterTemp = 140;  // 5
constexpr std::size_t AirTemp = 145;  // 5
constexpr std::size_t DruckAxis = 150;  // 10, kPa
constexpr std::size_t DruckCorrection = 160;  // 10
constexpr std::size_t ChokeTime = 170;  // 4
constexpr std::size_t ChokeCorrection = 174;  // 4
constexpr std::size_t RetardTemp = 180;  // 10
constexpr std::size_t RetardValue = 190;  // 10
constexpr std::size_t RpmServo = 200;  // 15
constexpr std::size_t VoltServo = 215;  // 15
constexpr std::size_t PositionARpm = 230;  // 15
constexpr std::size_t PositionA = 245;  // 15
constexpr std::size_t PositionBRpm = 260;  // 15
constexpr std::size_t PositionB = 275;  // 15
constexpr std::size_t CurveAxes = 300;  // 9 x 15
constexpr std::size_t CurveGrids = 450;  // 9 x 150
constexpr std::size_t KnockBlock = 1800;  // 9 x 15
}  // namespace Offset

constexpr int ImageVersion = 37;
constexpr std::uint8_t ReadingAllowedValue = 1;

// Curve tables: 0 Ign 1, 1 Ign 2, 2 Ign 3, 3..5 Jet 1A..3A, 6..8 Jet 1B..3B.
constexpr int CurveCount = 9;
constexpr int CurveRows = 10;
constexpr int CurveColumns = 15;
constexpr int CurveCells = CurveRows * CurveColumns;
constexpr int IgnitionCurveCount = 3;
constexpr int AxisLength = 15;

constexpr std::size_t CurveAxisOffset(int t) { return Offset::CurveAxes + AxisLength * t; }
constexpr std::size_t CurveTableOffset(int t) { return Offset::CurveGrids + CurveCells * t; }
constexpr std::size_t CurveCellOffset(int t, int row, int column)
{
    return CurveTableOffset(t) + CurveColumns * row + column;
}
constexpr bool IsIgnitionCurve(int t) { return t < IgnitionCurveCount; }
// First table of the coupling group of t: 0, 3 or 6.
constexpr int GroupFirstCurve(int t) { return t - t % 3; }
constexpr bool IsFirstOfGroup(int t) { return t % 3 == 0; }

constexpr std::array<int, CurveRows> TpsAxis = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

// The twelve engine-speed axes that the consistency rules order.
constexpr std::array<std::size_t, 12> EngineSpeedAxes = {
    CurveAxisOffset(0), CurveAxisOffset(1), CurveAxisOffset(2), CurveAxisOffset(3),
    CurveAxisOffset(4), CurveAxisOffset(5), CurveAxisOffset(6), CurveAxisOffset(7),
    CurveAxisOffset(8), Offset::RpmServo, Offset::PositionARpm, Offset::PositionBRpm};

// Knock block: nine arrays of 15 bytes, index i = 5 x cylinder + point.
constexpr int KnockArrayCount = 9;
constexpr int KnockCylinders = 3;
constexpr int KnockPoints = 5;
constexpr int KnockIndexCount = KnockCylinders * KnockPoints;
enum class KnockArray : int {
    Rpm = 0,
    KnockFrek,
    RefFrek,
    Level,
    HigherGain,
    TimeConst,
    Start,
    End,
    Alarm,
};
constexpr std::size_t KnockOffset(KnockArray a, int i = 0)
{
    return Offset::KnockBlock + KnockIndexCount * static_cast<int>(a) + i;
}

// Coupling of the three tables of a group.
enum CouplingMode : std::uint8_t { ModeSeparate = 0, ModeCoupled = 1, ModeCommon = 2 };

// Engine variants (BIKE): 0 and 1 six injectors, 2 and 3 three injectors.
constexpr int BikeCount = 4;
constexpr bool IsSixInjector(int bike) { return bike == 0 || bike == 1; }

// Offset-coded fields store display value + SignedBias.
constexpr int SignedBias = 100;

}  // namespace torvana
