#include "ui/StartupRules.h"

#include "texts/MessageTable.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <utility>

namespace torvana {

std::optional<std::uint8_t> LanguageFromArguments(const QStringList& arguments)
{
    static const std::array<std::pair<QString, Language>, 3> words = {{
        {QStringLiteral("ENGLISH"), English},
        {QStringLiteral("DEUTSCH"), German},
        {QStringLiteral("FRENCH"), French},
    }};
    if (arguments.isEmpty()) {
        return std::nullopt;
    }
    for (const auto& [word, language] : words) {
        if (arguments.constFirst() == word) {
            return static_cast<std::uint8_t>(language);
        }
    }
    return std::nullopt;
}

QPoint CentredWindowPosition(QSize screen, QSize window)
{
    // Integer division as the design's centring; may be negative.
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

QString FindManual(const QString& fileName, const QString& workingDirectory,
                   const QString& executableDirectory)
{
    for (const QString& directory : {workingDirectory, executableDirectory}) {
        const QString path = QDir(directory).filePath(fileName);
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

}  // namespace torvana
