#include "analysis/AnalysisSettings.h"

#include "settings/IniFile.h"

#include <cmath>
#include <functional>

namespace torvana {

namespace {

constexpr double Thousandths = 1000.0;
constexpr double Tenths = 10.0;

// One key: its range in the file's whole numbers and where it lives in the
// options.
struct Key {
    const char* name;
    int low;
    int high;
    std::function<int(const AnalysisOptions&)> get;
    std::function<void(AnalysisOptions&, int)> set;
};

int Scaled(double value, double scale) { return static_cast<int>(std::lround(value * scale)); }

const std::vector<Key>& Keys()
{
    static const std::vector<Key> keys = {
        {"SENSOR", 0, 1, [](const auto& o) { return o.sensor.kind == SensorKind::WideBand ? 1 : 0; },
         [](auto& o, int v) {
             const SensorModel wide = o.sensor;
             o.sensor = v ? WideBandDefaults() : NarrowBandDefaults();
             o.sensor.lambdaAtZeroVolts = wide.lambdaAtZeroVolts;
             o.sensor.lambdaAtFiveVolts = wide.lambdaAtFiveVolts;
         }},
        {"LAMBDA_AT_0V", 100, 3000, [](const auto& o) { return Scaled(o.sensor.lambdaAtZeroVolts, Thousandths); },
         [](auto& o, int v) { o.sensor.lambdaAtZeroVolts = v / Thousandths; }},
        {"LAMBDA_AT_5V", 100, 3000, [](const auto& o) { return Scaled(o.sensor.lambdaAtFiveVolts, Thousandths); },
         [](auto& o, int v) { o.sensor.lambdaAtFiveVolts = v / Thousandths; }},
        {"SPLIT", 0, 1, [](const auto& o) { return o.split == SampleSplit::Bilinear ? 1 : 0; },
         [](auto& o, int v) { o.split = v ? SampleSplit::Bilinear : SampleSplit::MarkedCell; }},
        {"DELAY_MS", 0, 3000, [](const auto& o) { return o.delayMs; }, [](auto& o, int v) { o.delayMs = v; }},
        {"LOWEST_RPM", 0, 12750, [](const auto& o) { return o.lowestRpm; }, [](auto& o, int v) { o.lowestRpm = v; }},
        {"HIGHEST_RPM", 0, 12750, [](const auto& o) { return o.highestRpm; },
         [](auto& o, int v) { o.highestRpm = v; }},
        {"LOWEST_TPS", 0, 100, [](const auto& o) { return o.lowestThrottle; },
         [](auto& o, int v) { o.lowestThrottle = v; }},
        {"HIGHEST_TPS", 0, 100, [](const auto& o) { return o.highestThrottle; },
         [](auto& o, int v) { o.highestThrottle = v; }},
        {"COLDEST_WATER", -40, 150, [](const auto& o) { return o.coldestWater; },
         [](auto& o, int v) { o.coldestWater = v; }},
        {"FASTEST_TPS_CHANGE", 1, 1000, [](const auto& o) { return o.fastestThrottleChange; },
         [](auto& o, int v) { o.fastestThrottleChange = v; }},
        {"SETTLE_MS", 0, 10000, [](const auto& o) { return o.settleMs; }, [](auto& o, int v) { o.settleMs = v; }},
        {"AFTER_START_S", 0, 3600, [](const auto& o) { return o.afterStartSeconds; },
         [](auto& o, int v) { o.afterStartSeconds = v; }},
        {"AUTHORITY_TENTHS", 1, 500, [](const auto& o) { return Scaled(o.authorityPercent, Tenths); },
         [](auto& o, int v) { o.authorityPercent = v / Tenths; }},
        {"ENOUGH_SAMPLES", 1, 1000, [](const auto& o) { return Scaled(o.enoughSamples, 1); },
         [](auto& o, int v) { o.enoughSamples = v; }},
    };
    return keys;
}

}  // namespace

AnalysisSettingsRead ReadAnalysisSettings(const IniFile& settings)
{
    AnalysisSettingsRead read;
    const std::string section(AnalysisSettingsSection);
    for (const Key& key : Keys()) {
        const std::string text = settings.ReadString(section, key.name, "");
        if (text.empty())
            continue;
        const std::optional<int> value = settings.ReadInteger(section, key.name);
        if (!value || *value < key.low || *value > key.high) {
            read.problems.push_back(std::string(key.name) + "=" + text + " is outside " + std::to_string(key.low) +
                                    ".." + std::to_string(key.high));
            continue;
        }
        key.set(read.options, *value);
    }
    if (read.options.lowestRpm > read.options.highestRpm || read.options.lowestThrottle > read.options.highestThrottle) {
        read.problems.push_back("the lowest engine speed or throttle is above the highest");
        const AnalysisOptions defaults;
        read.options.lowestRpm = defaults.lowestRpm;
        read.options.highestRpm = defaults.highestRpm;
        read.options.lowestThrottle = defaults.lowestThrottle;
        read.options.highestThrottle = defaults.highestThrottle;
    }
    return read;
}

std::string WriteAnalysisSettings(IniFile& settings, const AnalysisOptions& options)
{
    const std::string section(AnalysisSettingsSection);
    std::string reason;
    for (const Key& key : Keys())
        if (!settings.WriteInteger(section, key.name, key.get(options), &reason))
            return "Unable to write to " + settings.Path() + "\n" + reason;
    return {};
}

}  // namespace torvana
