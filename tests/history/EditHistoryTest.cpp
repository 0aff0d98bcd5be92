// The undo store against a plain model: a list of states and a position.

#include "history/EditHistory.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace torvana {
namespace {

EditorState Changed(EditorState state, std::mt19937& random)
{
    std::uniform_int_distribution<std::size_t> index(0, StateByteCount - 1);
    const std::size_t at = index(random);
    SetStateByte(state, at, static_cast<std::uint8_t>(StateByte(state, at) + 1));
    return state;
}

// Random records, undos and redos; every state shown is the model's, and a
// burst on one control is one step.
TEST(EditHistory, UndoAndRedoFollowTheModel)
{
    std::mt19937 random(15);
    EditHistory history(50);
    std::vector<EditorState> model{EditorState{}};  // states, oldest first
    std::size_t position = 0;
    EditorState shown;
    std::int64_t time = 0;
    std::string lastControl;
    for (int round = 0; round < 5000; ++round) {
        const int action = static_cast<int>(random() % 6);
        if (action == 0 && history.CanUndo()) {
            shown = history.Undo();
            --position;
            lastControl.clear();
        } else if (action == 1 && history.CanRedo()) {
            shown = history.Redo();
            ++position;
            lastControl.clear();
        } else if (action >= 2) {
            const std::string control = action == 2 ? "" : "Edit" + std::to_string(random() % 2);
            time += action == 3 ? BurstGapMs + 1 : 100;
            const EditorState next = Changed(shown, random);
            history.Record(HistoryStep{shown, next, StepCause::Edit, {}, control, time});
            const bool merges = !control.empty() && control == lastControl && action != 3;
            model.resize(position + 1);
            if (merges && position > 0)
                model[position] = next;
            else
                model.push_back(next), ++position;
            if (model.size() > 51)
                model.erase(model.begin()), --position;
            lastControl = control;
            shown = next;
        }
        ASSERT_EQ(shown, model[position]) << round;
        ASSERT_EQ(history.Cursor(), position) << round;
        ASSERT_EQ(history.Steps().size(), model.size() - 1) << round;
    }
}

TEST(EditHistory, BurstBackToItsStartLeavesNoStep)
{
    EditHistory history;
    const EditorState start;
    EditorState up = start;
    up.image[500] = 1;
    EXPECT_TRUE(history.Record(HistoryStep{start, up, StepCause::Edit, {}, "Edit", 0}));
    EXPECT_FALSE(history.Record(HistoryStep{up, start, StepCause::Edit, {}, "Edit", 10}));
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.Record(HistoryStep{start, start, StepCause::Open, {}, {}, 20}));
}

TEST(EditHistory, KeepsAtLeastAThousandSteps)
{
    EditHistory history;
    EditorState state;
    for (int i = 0; i < 1200; ++i) {
        EditorState next = state;
        next.image[i % ImageSize] ^= 1;
        history.Record(HistoryStep{state, next, StepCause::Tool, {}, {}, i});
        state = next;
    }
    EXPECT_EQ(history.Steps().size(), DefaultHistoryCapacity);
    EXPECT_EQ(history.Cursor(), DefaultHistoryCapacity);
}

}  // namespace
}  // namespace torvana
