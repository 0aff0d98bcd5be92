#include "history/HistoryStep.h"

#include <array>

namespace torvana {

namespace {

constexpr std::array<std::string_view, StepCauseCount> CauseNames = {
    "edit", "tool", "mode", "new", "variant", "open", "read", "program-refill", "restore", "compare", "undo",
    "program"};

}  // namespace

std::string_view CauseName(StepCause cause)
{
    return CauseNames[static_cast<std::size_t>(cause)];
}

std::optional<StepCause> CauseNamed(std::string_view name)
{
    for (std::size_t i = 0; i < CauseNames.size(); ++i) {
        if (CauseNames[i] == name)
            return static_cast<StepCause>(i);
    }
    return std::nullopt;
}

bool ReplacesWholeSet(StepCause cause)
{
    switch (cause) {
    case StepCause::New:
    case StepCause::Variant:
    case StepCause::Open:
    case StepCause::Read:
    case StepCause::Restore: return true;
    default: return false;
    }
}

}  // namespace torvana
