#include "core/Defaults.h"

#include "core/DefaultGrids.h"

#include <algorithm>
#include <cstdint>

namespace torvana {
namespace {

constexpr int RpmStep = 50;
constexpr int ServoVoltStep = 20;
constexpr int AlarmStep = 20;
constexpr int InjectionStep = 50;

constexpr int TablesPerGroup = 3;
constexpr int FirstIgnitionTable = 0;
constexpr int FirstInjectionATable = 3;
constexpr int FirstInjectionBTable = 6;

constexpr std::array<int, AxisLength> EngineSpeedAxisRpm = {
    1000, 2000, 3000, 4000, 6000, 6500, 7000, 7250, 7500, 7750, 8000, 8250, 8500, 8750, 9000};
constexpr std::array<int, AxisLength> ServoVoltageMillivolts = {
    2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900, 3000, 3100, 3200, 3300, 3400};
constexpr std::array<int, KnockPoints> KnockEngineSpeedRpm = {6000, 7000, 8000, 8250, 8700};

using AlarmList = std::array<int, KnockIndexCount>;
constexpr std::array<AlarmList, BikeCount> KnockAlarmMillivolts = {{
    {1800, 2100, 1980, 1940, 1900, 2020, 2260, 1980, 1940, 1900, 1800, 2100, 1980, 1940, 1900},
    {1800, 2100, 1980, 1920, 2000, 2040, 2180, 1980, 1920, 2000, 1800, 2100, 1980, 1920, 2000},
    {2080, 2300, 2080, 1940, 2280, 2040, 2500, 2220, 2160, 2260, 2000, 2260, 2080, 1940, 2120},
    {2000, 2260, 2080, 1880, 2120, 2000, 2400, 2200, 1880, 2120, 2000, 2260, 2080, 1880, 2120},
}};

constexpr int PressurePoints = 10;
constexpr std::array<std::uint8_t, PressurePoints> PressureAxisKpa = {
    40, 60, 80, 100, 120, 140, 160, 180, 200, 210};
constexpr std::array<std::uint8_t, PressurePoints> PressureCorrectionSix = {
    38, 60, 80, 100, 120, 140, 160, 180, 200, 210};
constexpr std::array<std::uint8_t, PressurePoints> PressureCorrectionThree = {
    40, 60, 80, 100, 120, 140, 160, 180, 200, 210};

constexpr int RetardPoints = 10;
constexpr int RetardTempFirst = 120;  // 20 degC
constexpr int RetardTempStep = 10;
constexpr std::array<std::array<int, RetardPoints>, BikeCount> AdvanceCorrectionDegrees = {{
    {0, 0, -2, -3, -3, -5, -6, -7, -8, -9},
    {0, 0, -3, -4, -4, -7, -11, -10, -9, -9},
    {0, 0, -2, -3, -5, -6, -7, -8, -9, -10},
    {0, 0, -2, -4, -6, -7, -8, -9, -10, -12},
}};

// After-start correction: seconds T1..T4, then K0..K3 stored as percent - 100.
constexpr int ChokePoints = 4;
constexpr std::array<std::uint8_t, ChokePoints> ChokeTimesSix = {5, 10, 15, 18};
constexpr std::array<std::uint8_t, ChokePoints> ChokeTimesThree = {5, 10, 15, 20};
constexpr std::array<std::uint8_t, ChokePoints> ChokeCorrections = {150, 50, 30, 10};

constexpr std::uint8_t InjectionPosition = 72;  // 360 degrees
constexpr std::uint8_t KnockFrequencyIndex = 63;
constexpr std::uint8_t KnockLevelIndex = 3;
constexpr std::uint8_t KnockHigherGain = 1;
constexpr std::uint8_t KnockTimeConstIndex = 18;  // 200 us
constexpr std::uint8_t KnockWindowStart = 110;    // 10 degrees
constexpr std::uint8_t KnockWindowEnd = 160;      // 60 degrees

constexpr std::uint8_t ServoHysteresis = 40;  // 200 mV
constexpr std::uint8_t TempWarning = 90;      // degC
constexpr std::uint8_t AccelThreshold = 30;   // 300 %/s
constexpr int AccelSizeSixMicroseconds = 700;
constexpr int AccelSizeThreeMicroseconds = 800;

constexpr int LimiterCount = 3;
constexpr std::array<std::uint8_t, LimiterCount> Limiters = {180, 180, 184};  // 9000, 9000, 9200 rpm
constexpr int PowerOutputs = 3;
constexpr std::uint8_t PowerOutLevel1 = 190;  // 9500 rpm
constexpr std::uint8_t PowerOutLevel2 = 192;  // 9600 rpm

constexpr std::uint8_t Off = 0;
constexpr std::uint8_t On = 1;
constexpr std::uint8_t InvertedFlagUnticked = 1;
constexpr std::uint8_t Byte126Value = 75;
constexpr std::uint8_t PositionReferenceCentre = 1;

constexpr std::uint8_t StartJetSix = 11;  // ms
constexpr std::uint8_t StartJetThree = 7;

// Fuel corrections in percent at -10, 20, 50, 80, 110 degC.
constexpr int TempPoints = 5;
constexpr std::array<std::uint8_t, TempPoints> WaterTempSix = {113, 107, 102, 103, 100};
constexpr std::array<std::uint8_t, TempPoints> WaterTempThree = {113, 104, 103, 102, 100};
// The two hot points follow variant 0 alone, not the injector group.
constexpr std::array<std::array<std::uint8_t, TempPoints>, BikeCount> AirTemp = {{
    {104, 100, 102, 102, 104},
    {104, 100, 102, 103, 105},
    {109, 100, 103, 103, 105},
    {109, 100, 103, 103, 105},
}};

constexpr std::uint8_t Tps0 = 48;    // 480 mV
constexpr std::uint8_t Tps100 = 197;  // 4470 mV

template <typename Values>
void Store(ParameterImage& image, std::size_t offset, const Values& values)
{
    std::copy(values.begin(), values.end(), image.begin() + offset);
}

// Without a grid the table is cleared.
void StoreGrid(ParameterImage& image, int table, const CurveGrid* grid)
{
    for (int row = 0; row < CurveRows; ++row) {
        for (int column = 0; column < CurveColumns; ++column) {
            image[CurveCellOffset(table, row, column)] = grid ? (*grid)[row][column] : 0;
        }
    }
}

void StoreGroup(ParameterImage& image, int firstTable, const CurveGrid* grid)
{
    for (int table = firstTable; table < firstTable + TablesPerGroup; ++table) {
        StoreGrid(image, table, grid);
    }
}

std::uint8_t ToByte(int value) { return static_cast<std::uint8_t>(value); }

}  // namespace

void FillDefaultParameters(ParameterImage& image)
{
    // An out-of-range variant (an image not yet normalised) gets the set of
    // the last variant instead of reading past the tables.
    const int bike = std::min<int>(image[Offset::Bike], BikeCount - 1);
    const bool six = IsSixInjector(bike);

    Store(image, Offset::ChokeTime, six ? ChokeTimesSix : ChokeTimesThree);
    Store(image, Offset::ChokeCorrection, ChokeCorrections);

    for (int i = 0; i < AxisLength; ++i) {
        const std::uint8_t speed = ToByte(EngineSpeedAxisRpm[i] / RpmStep);
        for (std::size_t axis : EngineSpeedAxes) {
            image[axis + i] = speed;
        }
        image[Offset::VoltServo + i] = ToByte(ServoVoltageMillivolts[i] / ServoVoltStep);
        image[Offset::PositionB + i] = InjectionPosition;
        image[Offset::PositionA + i] = InjectionPosition;
        image[KnockOffset(KnockArray::Rpm, i)] = ToByte(KnockEngineSpeedRpm[i % KnockPoints] / RpmStep);
        image[KnockOffset(KnockArray::KnockFrek, i)] = KnockFrequencyIndex;
        image[KnockOffset(KnockArray::RefFrek, i)] = KnockFrequencyIndex;
        image[KnockOffset(KnockArray::Level, i)] = KnockLevelIndex;
        image[KnockOffset(KnockArray::HigherGain, i)] = KnockHigherGain;
        image[KnockOffset(KnockArray::TimeConst, i)] = KnockTimeConstIndex;
        image[KnockOffset(KnockArray::Start, i)] = KnockWindowStart;
        image[KnockOffset(KnockArray::End, i)] = KnockWindowEnd;
        image[KnockOffset(KnockArray::Alarm, i)] = ToByte(KnockAlarmMillivolts[bike][i] / AlarmStep);
    }

    StoreGroup(image, FirstIgnitionTable, &DefaultIgnitionGrid(bike));
    StoreGroup(image, FirstInjectionATable, &DefaultInjectionAGrid(bike));
    StoreGroup(image, FirstInjectionBTable, DefaultInjectionBGrid(bike));

    image[Offset::ServoHyster] = ServoHysteresis;
    image[Offset::TempWarning] = TempWarning;
    image[Offset::AccelThreshold] = AccelThreshold;
    image[Offset::AccelSize] =
        ToByte((six ? AccelSizeSixMicroseconds : AccelSizeThreeMicroseconds) / InjectionStep);

    image[Offset::Rpm2] = On;
    Store(image, Offset::Limiter, Limiters);
    image[Offset::ActOil] = Off;

    for (int output = 0; output < PowerOutputs; ++output) {
        image[Offset::PowerOutLevel1 + output] = PowerOutLevel1;
        image[Offset::PowerOutLevel2 + output] = PowerOutLevel2;
        image[Offset::PowerOutReversed + output] = Off;
    }

    image[Offset::IgnMode] = ModeCoupled;
    image[Offset::JetMode] = six ? ModeCoupled : ModeCommon;

    image[Offset::NoReading] = Off;
    image[Offset::ServoEnable] = Off;
    image[Offset::ActRpm] = InvertedFlagUnticked;
    image[Offset::ActLim1] = InvertedFlagUnticked;
    image[Offset::DefaultOnly126] = Byte126Value;
    image[Offset::PositionAReference] = PositionReferenceCentre;
    image[Offset::PositionBReference] = PositionReferenceCentre;

    image[Offset::StartJet] = six ? StartJetSix : StartJetThree;
    Store(image, Offset::WaterTemp, six ? WaterTempSix : WaterTempThree);
    Store(image, Offset::AirTemp, AirTemp[bike]);

    for (int i = 0; i < PressurePoints; ++i) {
        image[Offset::DruckAxis + i] = PressureAxisKpa[i];
        image[Offset::DruckCorrection + i] = six ? PressureCorrectionSix[i] : PressureCorrectionThree[i];
    }
    for (int i = 0; i < RetardPoints; ++i) {
        image[Offset::RetardTemp + i] = ToByte(RetardTempFirst + RetardTempStep * i);
        image[Offset::RetardValue + i] = ToByte(AdvanceCorrectionDegrees[bike][i] + SignedBias);
    }

    image[Offset::Tps0] = Tps0;
    image[Offset::Tps100] = Tps100;
}

}  // namespace torvana
