#pragma once
// Decisions of the window's start-up that do not need a window.

#include <QStringList>
#include <cstdint>
#include <optional>

namespace torvana {

// The language chosen by the first command-line argument (program name
// excluded): exactly "ENGLISH", "DEUTSCH" or "FRENCH"; anything else keeps
// the stored language.
std::optional<std::uint8_t> LanguageFromArguments(const QStringList& arguments);

}  // namespace torvana
