#include "EngineDrive.h"

#include "MonitorEncoder.h"
#include "core/Defaults.h"
#include "link/MonitorLogRow.h"

#include <random>

namespace torvana {

std::vector<LogRow> DriveAndRecord(const FuelledEngine& engine, const ParameterImage& image, std::uint64_t fromMs,
                                   std::uint64_t toMs, std::uint32_t seed)
{
    constexpr int FrameMs = 330;
    constexpr int JitterMs = 25;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> jitter(-JitterMs, JitterMs);
    std::vector<LogRow> rows;
    for (std::uint64_t t = fromMs; t < toMs; t += FrameMs + jitter(random)) {
        const UnitFrame frame = EncodeMonitorFrame(engine.At(t, image), UnitCounters{});
        LogRow row = MonitorLogRow(frame.data());
        row.timeMs = static_cast<std::int64_t>(t);
        rows.push_back(row);
    }
    return rows;
}

ParameterImage FactoryImage()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    return image;
}

}  // namespace torvana
