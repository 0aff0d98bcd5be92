#pragma once
// Decisions of the window's start-up that do not need a window.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace torvana {

// The language chosen by the first command-line argument (program name
// excluded): exactly "ENGLISH", "DEUTSCH" or "FRENCH"; anything else keeps
// the stored language.
std::optional<std::uint8_t> LanguageFromArguments(const QStringList& arguments);

// Top-left corner that centres the window; negative when it is larger than
// the screen.
QPoint CentredWindowPosition(QSize screen, QSize window);

// The manual beside the working directory, else beside the executable;
// empty when neither exists.
QString FindManual(const QString& fileName, const QString& workingDirectory,
                   const QString& executableDirectory);

}  // namespace torvana
