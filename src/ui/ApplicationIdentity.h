#pragma once
// How the program names itself to the desktop. The desktop entry ties the
// windows to the program's icon and name; the window titles stay exactly
// as the windows set them.

namespace torvana {

// Caption of the program's message boxes.
constexpr const char* ApplicationTitle = "Torvana";
// The desktop entry's file name without ".desktop".
constexpr const char* DesktopEntryName = "torvana";

// Called once, right after the application object is made.
void SetApplicationIdentity();

}  // namespace torvana
