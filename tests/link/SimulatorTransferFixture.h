#pragma once
// A UnitLink on a simulated line to a simulated unit, ticked by hand.

#include "SimulatedLine.h"
#include "UnitSimulator.h"
#include "core/Defaults.h"
#include "core/Normalise.h"
#include "link/MonitorFrame.h"
#include "link/UnitLink.h"
#include "texts/MessageTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace torvana {

constexpr int TickLimit = 3000;

inline ParameterImage DefaultImage(std::uint8_t bike)
{
    ParameterImage image{};
    image[Offset::Bike] = bike;
    FillDefaultParameters(image);
    NormaliseImage(image);
    return image;
}

inline bool SameParameters(const ParameterImage& a, const ParameterImage& b)
{
    return std::equal(a.begin() + BlockOffset(1), a.end(), b.begin() + BlockOffset(1));
}

class SimulatorTransfer : public ::testing::Test {
protected:
    SimulatorTransfer() { SetMessageTexts(messages, English); }

    void Connect(const SimulatorOptions& options, const ParameterImage& unitImage)
    {
        unit = std::make_unique<UnitSimulator>(options);
        unit->Preload(unitImage);
        line = std::make_unique<SimulatedLine>(*unit);
        link.SetLine(line.get());
        link.SetMonitorHandler([this](const UnitFrame& frame) {
            if (!FrameIsValid(frame))
                return false;
            link.SetUnitStoreRemaining(
                static_cast<std::uint16_t>(MonitorWord(frame.data(), MonitorField::StoreRemaining)));
            ++monitorFrames;
            return true;
        });
    }

    // One tick in its parts, noting the status after the receive poll too:
    // a Program's "Verify: OK" gives way to the store progress in the same tick.
    void Tick()
    {
        link.PollReceive();
        Note();
        link.TransferStep();
        link.CountdownStep();
        link.ConnectionStep();
        Note();
        if (everyTick)
            everyTick();
        line->AdvanceTick();
        ++ticks;
    }

    void Note()
    {
        const std::string shown = link.Status().text + " " + std::to_string(link.Gauge().value);
        if (statuses.empty() || statuses.back() != shown)
            statuses.push_back(shown);
    }

    // Ticks until the transfer has ended; its end, or nullopt at the limit.
    std::optional<TransferEnd> RunTransfer()
    {
        for (int i = 0; i < TickLimit; ++i) {
            Tick();
            if (auto end = link.TakeTransferEnd())
                return end;
        }
        return std::nullopt;
    }

    bool Saw(const std::string& status) const
    {
        return std::find(statuses.begin(), statuses.end(), status) != statuses.end();
    }

    ParameterImage image = DefaultImage(0);
    MessageTable messages;
    UnitLink link{image, messages};
    std::unique_ptr<UnitSimulator> unit;
    std::unique_ptr<SimulatedLine> line;
    std::vector<std::string> statuses;  // "text gauge", each change once
    int ticks = 0;
    int monitorFrames = 0;
    std::function<void()> everyTick;  // checks an invariant after each tick
};

}  // namespace torvana
