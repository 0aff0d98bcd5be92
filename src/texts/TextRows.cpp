#include "texts/TextRows.h"

namespace torvana {

void AppendRows(std::vector<LocalisedText>& entries, TextKind kind, const std::vector<TextRow>& rows)
{
    for (const TextRow& row : rows) {
        for (const std::string& target : row.targets) {
            entries.push_back({target, kind, row.texts});
        }
    }
}

}  // namespace torvana
