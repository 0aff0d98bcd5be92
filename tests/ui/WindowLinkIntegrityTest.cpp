// The window's view of a transfer that breaks off or a store that has not
// finished: the editor keeps a whole set and success waits for the unit.

#include "WindowFixture.h"

#include "core/Normalise.h"

#include <QLabel>
#include <QProgressBar>

namespace torvana {
namespace {

constexpr std::size_t RequestsBeforeBreak = 9;

TEST_F(WindowTest, ReadThatBreaksOffKeepsTheEditorsSet)
{
    SimulatorOptions options;
    options.faults.answerLimit = RequestsBeforeBreak;
    unit = UnitSimulator(options);
    TFormHlav& w = Start();
    ParameterImage unitSet = w.Image();
    for (std::size_t offset = CurveTableOffset(0); offset < CurveTableOffset(9); offset += 7)
        unitSet[offset] = static_cast<std::uint8_t>(unitSet[offset] + 3);
    NormaliseImage(unitSet);
    unit.Preload(unitSet);
    const ParameterImage before = w.Image();

    w.MenuReadClick();
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(w.Controls().labelHlaseni->text(), "Read error!");
    EXPECT_EQ(w.Image(), before);
    // Closing writes the page back: still the editor's own set.
    w.close();
    EXPECT_EQ(w.Image(), before);
}

TEST_F(WindowTest, ProgramOkWaitsUntilTheUnitHasStored)
{
    TFormHlav& w = Start();
    w.Image()[CurveCellOffset(2, 4, 4)] = 55;
    w.MenuProgramClick();
    ASSERT_TRUE(TickUntilIdle());
    bool okShown = false;
    for (int i = 0; i < 200 && !okShown; ++i) {
        Tick();
        if (w.Controls().labelHlaseni->text() == "Program device: OK") {
            okShown = true;
            EXPECT_EQ(unit.StoreRemaining(), 0);
        } else {
            EXPECT_EQ(w.Controls().labelHlaseni->text(), "Saving:");
        }
        EXPECT_FALSE(w.Controls().labelHlaseni->isHidden());
    }
    EXPECT_TRUE(okShown);
}

}  // namespace
}  // namespace torvana
