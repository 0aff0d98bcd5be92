#include "core/FileKeys.h"

#include "core/ParameterFile.h"

#include <array>

namespace torvana {
namespace {

constexpr int IdentificationFieldWidth = 15;
constexpr int ActLim1FieldWidth = 12;
constexpr int PowerOutputCount = 3;
constexpr int PowerOutNumbersPerOutput = 3;
constexpr int LimiterCount = 3;
constexpr int TemperaturePointCount = 5;
constexpr int PressurePointCount = 10;
constexpr int RetardPointCount = 10;
constexpr int ChokePointCount = 4;
constexpr std::uint16_t ByteMask = 0xFF;

constexpr std::array<std::string_view, CurveCount> CurveAxisKeys = {
    "RPM_IGN_1",  "RPM_IGN_2",  "RPM_IGN_3",  "RPM_JET_1A", "RPM_JET_2A",
    "RPM_JET_3A", "RPM_JET_1B", "RPM_JET_2B", "RPM_JET_3B"};
constexpr std::array<std::string_view, CurveCount> CurveGridKeys = {
    "IGN_1", "IGN_2", "IGN_3", "JET_1A", "JET_2A", "JET_3A", "JET_1B", "JET_2B", "JET_3B"};

std::vector<FileElement> Run(std::size_t first, int count, Encoding encoding, int step = 1)
{
    std::vector<FileElement> elements;
    for (int i = 0; i < count; ++i) {
        elements.push_back({first + i, encoding, step});
    }
    return elements;
}

std::vector<FileElement> Joined(std::initializer_list<std::vector<FileElement>> parts)
{
    std::vector<FileElement> elements;
    for (const auto& part : parts) {
        elements.insert(elements.end(), part.begin(), part.end());
    }
    return elements;
}

FileKey SingleLine(std::string_view name, std::vector<FileElement> elements,
                   Trailer trailer = Trailer::None)
{
    const int count = static_cast<int>(elements.size());
    return {name, std::move(elements), {count}, KeyFieldWidth, true, trailer};
}

std::vector<FileElement> PowerOutElements()
{
    std::vector<FileElement> elements;
    for (int output = 0; output < PowerOutputCount; ++output) {
        elements.push_back({Offset::PowerOutLevel1 + output, Encoding::Scaled, RpmStep});
        elements.push_back({Offset::PowerOutLevel2 + output, Encoding::Scaled, RpmStep});
        elements.push_back({Offset::PowerOutReversed + output, Encoding::Flag, 1});
    }
    return elements;
}

std::vector<FileElement> PositionElements(std::size_t rpmAxis, std::size_t positions,
                                          std::size_t reference)
{
    return Joined({Run(rpmAxis, AxisLength, Encoding::Scaled, RpmStep),
                   Run(positions, AxisLength, Encoding::Scaled, PositionStep),
                   Run(reference, 1, Encoding::Plain)});
}

std::vector<FileElement> Knock(KnockArray array, Encoding encoding, int step = 1)
{
    return Run(KnockOffset(array), KnockIndexCount, encoding, step);
}

void AddCurves(std::vector<FileKey>& keys)
{
    std::vector<int> gridLines(CurveRows, CurveColumns);
    for (int t = 0; t < CurveCount; ++t) {
        keys.push_back(SingleLine(CurveAxisKeys[t],
                                  Run(CurveAxisOffset(t), AxisLength, Encoding::Scaled, RpmStep)));
        keys.push_back({CurveGridKeys[t], Run(CurveTableOffset(t), CurveCells, Encoding::Plain),
                        gridLines, KeyFieldWidth, true, Trailer::BlankField});
    }
}

std::vector<FileKey> BuildKeys()
{
    using E = Encoding;
    std::vector<FileKey> keys;
    keys.push_back({"KAVELTRA_KEY", {{0, E::Identification, 1}}, {1}, IdentificationFieldWidth,
                    true, Trailer::EmptyLine});
    keys.push_back(SingleLine("BIKE", Run(Offset::Bike, 1, E::Plain)));
    keys.push_back(SingleLine("LIMITER", Run(Offset::Limiter, LimiterCount, E::Scaled, RpmStep)));
    keys.push_back({"POWER_OUT", PowerOutElements(), {PowerOutNumbersPerOutput, PowerOutNumbersPerOutput, PowerOutNumbersPerOutput}, KeyFieldWidth, false, Trailer::EmptyLine});
    keys.push_back(SingleLine("NO_READING", Run(Offset::NoReading, 1, E::Flag)));
    keys.push_back(SingleLine("RPM2", Run(Offset::Rpm2, 1, E::Flag)));
    keys.push_back(SingleLine("EXT_MON", {{0, E::Option, 1}}));
    keys.push_back(SingleLine("MODE", {{Offset::IgnMode, E::Plain, 1}, {Offset::JetMode, E::Plain, 1}}));
    keys.push_back({"ACT_LIM1", Run(Offset::ActLim1, 1, E::InvertedFlag), {1}, ActLim1FieldWidth,
                    true, Trailer::None});
    keys.push_back(SingleLine("ACT_RPM", Run(Offset::ActRpm, 1, E::InvertedFlag)));
    keys.push_back(SingleLine("ACT_OIL", Run(Offset::ActOil, 1, E::Flag), Trailer::EmptyLine));
    AddCurves(keys);
    keys.push_back({"POSITION_A",
                    PositionElements(Offset::PositionARpm, Offset::PositionA, Offset::PositionAReference),
                    {AxisLength, AxisLength, 1}});
    keys.push_back({"POSITION_B",
                    PositionElements(Offset::PositionBRpm, Offset::PositionB, Offset::PositionBReference),
                    {AxisLength, AxisLength, 1}});
    keys.push_back(SingleLine("TPS", {{Offset::Tps0, E::Scaled, TpsStep}, {Offset::Tps100, E::Tps100, 1}}));
    keys.push_back(SingleLine("ACCEL", {{Offset::AccelThreshold, E::Scaled, AccelThresholdStep},
                                        {Offset::AccelSize, E::Scaled, InjectionTimeStep}}));
    keys.push_back(SingleLine("START_JET", Run(Offset::StartJet, 1, E::Plain)));
    keys.push_back(SingleLine("TEMP_WARNING", Run(Offset::TempWarning, 1, E::Plain)));
    keys.push_back(SingleLine("WATER_TEMP", Run(Offset::WaterTemp, TemperaturePointCount, E::Plain)));
    keys.push_back(SingleLine("AIR_TEMP", Run(Offset::AirTemp, TemperaturePointCount, E::Plain)));
    keys.push_back({"DRUCK",
                    Joined({Run(Offset::DruckAxis, PressurePointCount, E::Plain),
                            Run(Offset::DruckCorrection, PressurePointCount, E::Plain)}),
                    {PressurePointCount, PressurePointCount}});
    keys.push_back({"RETARD",
                    Joined({Run(Offset::RetardTemp, RetardPointCount, E::Signed),
                            Run(Offset::RetardValue, RetardPointCount, E::Signed)}),
                    {RetardPointCount, RetardPointCount}});
    keys.push_back({"CHOKE",
                    Joined({Run(Offset::ChokeTime, ChokePointCount, E::Plain),
                            Run(Offset::ChokeCorrection, ChokePointCount, E::PlusBias)}),
                    {ChokePointCount, ChokePointCount}, KeyFieldWidth, true, Trailer::EmptyLine});
    keys.push_back(SingleLine("SERVO_ENABLE", Run(Offset::ServoEnable, 1, E::Flag)));
    keys.push_back(SingleLine("SERVO_HYSTER", Run(Offset::ServoHyster, 1, E::Scaled, ServoHysterStep)));
    keys.push_back(SingleLine("RPM_SERVO", Run(Offset::RpmServo, AxisLength, E::Scaled, RpmStep)));
    keys.push_back(SingleLine("VOLT_SERVO", Run(Offset::VoltServo, AxisLength, E::Scaled, ServoVoltStep),
                              Trailer::EmptyLine));
    keys.push_back(SingleLine("RPM_KNOCK", Knock(KnockArray::Rpm, E::Scaled, RpmStep)));
    keys.push_back(SingleLine("KNOCK_FREK", Knock(KnockArray::KnockFrek, E::Plain)));
    keys.push_back(SingleLine("REF_FREK", Knock(KnockArray::RefFrek, E::Plain)));
    keys.push_back(SingleLine("LEVEL", Knock(KnockArray::Level, E::Plain)));
    keys.push_back(SingleLine("KNOCK_CA", Knock(KnockArray::HigherGain, E::Plain)));
    keys.push_back(SingleLine("TIME_CONST", Knock(KnockArray::TimeConst, E::Plain)));
    keys.push_back(SingleLine("START", Knock(KnockArray::Start, E::Signed)));
    keys.push_back(SingleLine("END", Knock(KnockArray::End, E::Signed)));
    keys.push_back(SingleLine("ALARM", Knock(KnockArray::Alarm, E::Scaled, AlarmStep)));
    return keys;
}

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & ByteMask); }

}  // namespace

const std::vector<FileKey>& ParameterFileKeys()
{
    static const std::vector<FileKey> keys = BuildKeys();
    return keys;
}

const FileKey* FindFileKey(std::string_view name)
{
    for (const FileKey& key : ParameterFileKeys()) {
        if (key.name == name) {
            return &key;
        }
    }
    return nullptr;
}

int FileValue(const FileElement& element, const ParameterImage& image, const FileOptions& options)
{
    if (element.encoding == Encoding::Identification) {
        return ParameterFileVersion;
    }
    if (element.encoding == Encoding::Option) {
        return options.extMonitor ? 1 : 0;
    }
    const int b = image[element.offset];
    switch (element.encoding) {
    case Encoding::Scaled: return b * element.step;
    case Encoding::Flag: return b != 0 ? 1 : 0;
    case Encoding::InvertedFlag: return b == 0 ? 1 : 0;
    case Encoding::Signed: return b - SignedBias;
    case Encoding::PlusBias: return b + SignedBias;
    case Encoding::Tps100: return (b + Tps100Bias) * TpsStep;
    default: return b;
    }
}

void StoreFileValue(const FileElement& element, std::uint16_t lowBits, ParameterImage& image,
                    FileOptions& options)
{
    const int m = lowBits;
    switch (element.encoding) {
    case Encoding::Identification: return;
    case Encoding::Option: options.extMonitor = m != 0; return;
    case Encoding::Scaled: image[element.offset] = LowByte(m / element.step); return;
    case Encoding::InvertedFlag: image[element.offset] = m == 0 ? 1 : 0; return;
    case Encoding::Signed: image[element.offset] = LowByte(m + SignedBias); return;
    case Encoding::PlusBias: image[element.offset] = LowByte(m - SignedBias); return;
    case Encoding::Tps100: image[element.offset] = LowByte(m / TpsStep - Tps100Bias); return;
    default: image[element.offset] = LowByte(m); return;
    }
}

}  // namespace torvana
