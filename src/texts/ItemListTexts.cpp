#include "texts/ItemListTexts.h"

#include "texts/TextRows.h"

#include <initializer_list>

namespace torvana {

namespace {

std::string Lines(std::initializer_list<const char*> items)
{
    std::string text;
    for (const char* item : items) {
        if (!text.empty()) {
            text += '\n';
        }
        text += item;
    }
    return text;
}

}  // namespace

std::vector<LocalisedText> ItemListTexts()
{
    // The second variant has two blanks before "98"; French keeps the English list.
    const std::string englishBike = Lines({"6 injectors fuel 100+ oct.", "6 injectors fuel  98 oct.",
                                           "3 injectors fuel 100+ oct.", "3 injectors fuel 98 oct."});
    std::vector<LocalisedText> entries;
    AppendRows(entries, TextKind::Items, {
        {{"ComboBoxBike"},
         {englishBike,
          Lines({"6 Einspritzdüsen Benzin 100+ oct.", "6 Einspritzdüsen Benzin  98 oct.",
                 "3 Einspritzdüsen Benzin 100+ oct.", "3 Einspritzdüsen Benzin 98 oct."}),
          englishBike,
          Lines({"6 trysek benzin 100+ oct.", "6 trysek fuel  98 oct.", "3 trysek fuel 100+ oct.",
                 "3 trysek fuel 98 oct."})}},
        {{"RadioGroupPolohaA", "RadioGroupPolohaB"},
         {Lines({"Beginning", "Centre", "End"}),
          Lines({"Beginn", "Mitte", "Ende"}),
          Lines({"Commencement", "centre", "Fin"}),
          Lines({"Počátek", "Střed", "Konec"})}},
    });
    return entries;
}

}  // namespace torvana
