#pragma once
// Applies localised texts to a window's controls, found by object name.

#include "texts/LanguageTexts.h"

#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace torvana {

// Item lists go through setItems (the pages keep their selection).
using ItemListSetter = std::function<void(const QString& target, const QStringList& items)>;

// A language without its own text for an entry gets the English one.
QString TextFor(const LocalisedText& entry, int languageIndex);

void ApplyLanguageTexts(QWidget* window, const std::vector<LocalisedText>& entries,
                        int languageIndex, const ItemListSetter& setItems);

}  // namespace torvana
