#include "ui/StartupRules.h"

#include "texts/MessageTable.h"

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

}  // namespace torvana
