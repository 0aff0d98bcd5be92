#pragma once
// The program's own data folder: $XDG_DATA_HOME/torvana, by default
// ~/.local/share/torvana. History, restore points and logs live under it.

#include <string>

namespace torvana {

// The folder for the given environment values (either may be null); a
// relative XDG_DATA_HOME is ignored, as the base-directory rules say.
std::string DataFolderFor(const char* xdgDataHome, const char* home);

}  // namespace torvana
