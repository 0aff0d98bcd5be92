#pragma once
// The coupling modes of the three curve groups (Ign 1-3 under IgnMode,
// Jet 1A-3A and Jet 1B-3B both under JetMode) and the mode menus.

#include "core/ImageLayout.h"
#include "ui/tools/ActivePage.h"

#include <cstdint>
#include <optional>

namespace torvana {

// The mode byte that governs curve page t (IgnMode for 0..2, else JetMode).
std::uint8_t GroupMode(const ParameterImage& image, int t);

// A follower page of a Coupled group: shown read-only, without tools.
bool SlaveView(const ParameterImage& image, int activePageIndex);

// The menus "Ign 1-2-3" (Menu_Ign123*) and "Jet 1-2-3" (Menu_Jet123*).
enum class CouplingMenu { Ign123, Jet123 };

// What the window does after a mode choice, in this order: select switchTo
// in PageControl1 without running PageControl1Change; FillActivePage when
// asked, else UpdateDisplayState; ProgramOnChange when asked. CurveGroupBox
// stays hidden throughout.
struct ModeChange {
    bool changed = false;  // some image byte differs
    std::optional<ActivePage> switchTo;
    bool fillActivePage = false;
    bool programOnChange = false;
};

// Menu_{Ign,Jet}123{Normal,Coupled,Stejny}Click. Coupled and "1 = 2 = 3"
// copy the first axis of each group to its followers; "1 = 2 = 3" copies the
// first table too and moves off a follower page, whose tab it hides.
ModeChange ChooseCouplingMode(ParameterImage& image, CouplingMenu menu, CouplingMode mode, int activePageIndex);

}  // namespace torvana
