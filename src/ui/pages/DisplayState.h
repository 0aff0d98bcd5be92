#pragma once
// What the pages show for the coupling modes and the servo switch. Plain C++.

#include <array>

#include "core/ImageLayout.h"

namespace torvana {

constexpr int EditorPageCount = 14;

struct PageDisplayState {
    std::array<bool, EditorPageCount> tabVisible{};
    bool servoVisible = false;
    // A follower page of a coupled group: shown read-only, without tools.
    bool slaveView = false;
    bool couplingLabelVisible = false;
    // "1 = 2 = 3" rather than Coupled governs the active page.
    bool couplingSame = false;
};

PageDisplayState DecidePageDisplayState(const ParameterImage& image, int activePageIndex);

}  // namespace torvana
