#include "texts/LanguageTexts.h"

#include "texts/AnalysisTexts.h"
#include "texts/HintTexts.h"
#include "texts/HistoryTexts.h"
#include "texts/ViewTexts.h"
#include "texts/ItemListTexts.h"
#include "texts/LogTexts.h"
#include "texts/PageTexts.h"
#include "texts/WindowTexts.h"

#include <algorithm>
#include <array>

namespace torvana {

namespace {

std::vector<LocalisedText> AllEntries()
{
    std::vector<LocalisedText> entries;
    for (const std::vector<LocalisedText>& table : {WindowTexts(), PageTexts(), HistoryCaptionTexts(), ViewCaptionTexts(), LogCaptionTexts(),
                                                         AnalysisCaptionTexts(), ItemListTexts(), HintTexts()}) {
        entries.insert(entries.end(), table.begin(), table.end());
    }
    return entries;
}

}  // namespace

const std::vector<LocalisedText>& LanguageTexts()
{
    static const std::vector<LocalisedText> entries = AllEntries();
    return entries;
}

const LocalisedText* FindLocalised(const std::string& target, TextKind kind)
{
    const std::vector<LocalisedText>& entries = LanguageTexts();
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const LocalisedText& entry) {
        return entry.kind == kind && entry.target == target;
    });
    return found == entries.end() ? nullptr : &*found;
}

std::string LocalisedFor(const std::string& target, TextKind kind, int languageIndex)
{
    const LocalisedText* entry = FindLocalised(target, kind);
    return entry == nullptr ? std::string() : entry->texts[LanguageSlot(languageIndex)];
}

std::string ComHintPrefix(int languageIndex)
{
    static const std::array<std::string, LanguageCount> prefixes = ComHintPrefixes();
    return prefixes[LanguageSlot(languageIndex)];
}

}  // namespace torvana
