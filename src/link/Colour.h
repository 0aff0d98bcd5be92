#pragma once
// The colours that carry meaning in the monitor area and the table marking.

namespace torvana {

enum class Colour {
    Normal,  // the button-face system colour
    Window,  // the system colour of edit boxes
    Red,
    Yellow,
    Lime,
    Aqua,
    Fuchsia,
    White,
};

}  // namespace torvana
