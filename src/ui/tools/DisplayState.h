#pragma once
// UpdateDisplayState's decisions: what the mode menus, the tabs and the
// curve grid show for the coupling modes, the active page and the servo
// switch. The window applies them; it decides nothing itself.

#include "core/ImageLayout.h"
#include "link/Colour.h"

#include <array>
#include <optional>
#include <string_view>

namespace torvana {

constexpr std::string_view CouplingLabelCoupled = "  1->2->3  ";
constexpr std::string_view CouplingLabelSame = "  1=2=3  ";

// Normal, Coupled, "1 = 2 = 3": the order of the items of each mode menu.
constexpr int ModeMenuItems = 3;

struct DisplayState {
    // Menu_Ign123Normal, Menu_Ign123Coupled, Menu_Ign123Stejny; Menu_Jet123 likewise.
    std::array<bool, ModeMenuItems> ign123Checked{};
    std::array<bool, ModeMenuItems> jet123Checked{};
    // CurveTabSheet[t]; a follower's tab is hidden in "1 = 2 = 3" mode.
    std::array<bool, CurveCount> curveTabVisible{};
    // GroupBoxServo, LabelServoPoz and LabelServoMer.
    bool servoVisible = false;
    // CurveGroupBox can be edited; a follower's grid is shown read-only.
    bool curveGroupEnabled = true;
    // CurveRpmUpDown, every CurveCellUpDown, CurveSpinButton, CurveMinusButton,
    // CurvePlusButton and CurvePageAllCheckBox.
    bool curveToolsVisible = true;
    bool couplingLabelVisible = false;
    std::string_view couplingLabelText = CouplingLabelCoupled;
    Colour couplingLabelColour = Colour::Yellow;
    // The active page's own tab is hidden (a mode loaded from a file or the
    // unit while a follower was shown): the window moves to this page, the
    // first of the group, as a mode choice does, before hiding the tab.
    std::optional<int> moveToPage;
};

DisplayState UpdateDisplayState(const ParameterImage& image, int activePageIndex);

}  // namespace torvana
