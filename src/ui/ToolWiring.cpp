#include "ui/ToolWiring.h"

#include "ui/TableTicks.h"
#include "ui/tools/CurveTools.h"
#include "ui/tools/MinusPlusTool.h"
#include "ui/tools/TableTools.h"
#include "ui/tools/ThrottleCalibration.h"

#include <utility>

namespace torvana {

namespace {

StepDirection DirectionOf(bool up)
{
    return up ? StepDirection::Up : StepDirection::Down;
}

}  // namespace

ToolWiring::ToolWiring(ToolContext context) : c(std::move(context))
{
    EditorPages* p = &c.pages;
    connect(p, &PageEvents::CurveMinusClicked, this, [this] { MinusPlus(StepDirection::Down); });
    connect(p, &PageEvents::CurvePlusClicked, this, [this] { MinusPlus(StepDirection::Up); });
    connect(p, &PageEvents::CurveColumnStepped, this, [this](int column, bool up) {
        Finish(StepColumn(c.image, ActivePageFor(c.pages.ActivePageIndex()), DirectionOf(up), column));
    });
    connect(p, &PageEvents::PositionStepClicked, this, [this](PositionTable table, bool up) {
        c.writeActivePage();
        const TableAllTicks ticks = ReadTableTicks(c.window);
        Finish(table == PositionTable::B
                   ? StepPositionTable(c.image, table, DirectionOf(up), ticks.polohaB, c.tracked.PositionBColumn)
                   : StepPositionTable(c.image, table, DirectionOf(up), ticks.polohaA, c.tracked.PositionAColumn));
    });
    connect(p, &PageEvents::ServoStepClicked, this, [this](bool up) {
        c.writeActivePage();
        Finish(StepServoTable(c.image, DirectionOf(up), ReadTableTicks(c.window).servo, c.tracked.ServoColumn));
    });
    connect(p, &PageEvents::Tps0Clicked, this, [this] { Finish(CaptureTps0(c.image, c.live.LiveTpsMillivolts)); });
    connect(p, &PageEvents::Tps100Clicked, this,
            [this] { Finish(CaptureTps100(c.image, c.live.LiveTpsMillivolts)); });
}

void ToolWiring::MinusPlus(StepDirection direction)
{
    const int active = c.pages.ActivePageIndex();
    if (ToolCommitsPageFirst(active)) {
        c.writeActivePage();
    }
    const ToolInputs inputs{ActivePageFor(active), c.pageAllFlags, ReadTableTicks(c.window), c.live.LiveRpm,
                            c.tracked};
    Finish(MinusPlusTool(c.image, direction, inputs));
}

void ToolWiring::Finish(EditResult result)
{
    if (result.acted) {
        c.refreshAfterEdit();
    }
}

}  // namespace torvana
