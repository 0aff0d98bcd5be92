#pragma once
// The undo and redo store: a bounded list of steps and a cursor. Steps
// before the cursor can be undone, steps from it on redone; recording a
// new step drops the steps that could be redone.

#include "history/HistoryStep.h"

#include <cstddef>
#include <cstdint>
#include <deque>

namespace torvana {

constexpr std::size_t DefaultHistoryCapacity = 1000;
// Changes on one control closer together than this are one step.
constexpr std::int64_t BurstGapMs = 1500;

class EditHistory {
public:
    explicit EditHistory(std::size_t capacity = DefaultHistoryCapacity);

    // Records step unless its before and after are equal. A step on the same
    // control and cause as the last one, within the burst gap and starting
    // where it ended, extends it instead (and removes it when the burst came
    // back to where it started). False when nothing was kept.
    bool Record(HistoryStep step);

    bool CanUndo() const { return cursor > 0; }
    bool CanRedo() const { return cursor < steps.size(); }
    const HistoryStep& NextUndo() const { return steps[cursor - 1]; }
    const HistoryStep& NextRedo() const { return steps[cursor]; }

    // Moves the cursor and returns the state to show; only when CanUndo or
    // CanRedo.
    const EditorState& Undo();
    const EditorState& Redo();

    // Ends the current burst: the next step is a step of its own.
    void CloseBurst() { burstOpen = false; }

    const std::deque<HistoryStep>& Steps() const { return steps; }
    std::size_t Cursor() const { return cursor; }
    std::size_t Capacity() const { return capacity; }

    // Replaces everything, as when loading; the cursor is clamped.
    void Assign(std::deque<HistoryStep> loaded, std::size_t loadedCursor);
    // Drops the oldest steps until at most count remain.
    void KeepNewest(std::size_t count);

private:
    std::deque<HistoryStep> steps;
    std::size_t cursor = 0;
    std::size_t capacity;
    bool burstOpen = false;
};

}  // namespace torvana
