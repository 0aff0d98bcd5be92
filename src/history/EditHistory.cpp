#include "history/EditHistory.h"

#include <algorithm>
#include <utility>

namespace torvana {

EditHistory::EditHistory(std::size_t capacity) : capacity(std::max<std::size_t>(capacity, 1)) {}

bool EditHistory::Record(HistoryStep step)
{
    if (step.before == step.after)
        return false;
    if (cursor < steps.size())
        steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(cursor), steps.end());
    HistoryStep* last = steps.empty() ? nullptr : &steps.back();
    const bool extends = burstOpen && last != nullptr && !step.control.empty() &&
                         last->control == step.control && last->cause == step.cause &&
                         step.timeMs - last->timeMs <= BurstGapMs && last->after == step.before;
    burstOpen = !step.control.empty();
    if (extends) {
        last->after = step.after;
        last->timeMs = step.timeMs;
        if (last->after == last->before) {
            steps.pop_back();
            cursor = steps.size();
            burstOpen = false;
            return false;
        }
        return true;
    }
    steps.push_back(std::move(step));
    KeepNewest(capacity);
    cursor = steps.size();
    return true;
}

const EditorState& EditHistory::Undo()
{
    burstOpen = false;
    --cursor;
    return steps[cursor].before;
}

const EditorState& EditHistory::Redo()
{
    burstOpen = false;
    ++cursor;
    return steps[cursor - 1].after;
}

void EditHistory::Assign(std::deque<HistoryStep> loaded, std::size_t loadedCursor)
{
    steps = std::move(loaded);
    cursor = std::min(loadedCursor, steps.size());
    burstOpen = false;
    if (steps.size() > capacity) {
        const std::size_t dropped = steps.size() - capacity;
        KeepNewest(capacity);
        cursor = cursor > dropped ? cursor - dropped : 0;
    }
}

void EditHistory::KeepNewest(std::size_t count)
{
    while (steps.size() > count) {
        steps.pop_front();
        if (cursor > 0)
            --cursor;
    }
}

}  // namespace torvana
