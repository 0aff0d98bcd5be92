#include "ui/pages/StylePalette.h"

#include <QStyleOptionComboBox>
#include <algorithm>
#include <deque>

namespace torvana {

namespace {
// Far more than the colour sets the pages use (normal, marked, each in their
// enabled and disabled looks), and small enough to search on every drawing.
constexpr std::size_t KeptPalettes = 16;
}  // namespace

QPalette SharedStylePalette(const QPalette& palette)
{
    static std::deque<QPalette> kept;
    const auto found = std::find(kept.begin(), kept.end(), palette);
    if (found != kept.end()) {
        return *found;
    }
    if (kept.size() == KeptPalettes) {
        kept.pop_front();
    }
    kept.push_back(palette);
    return palette;
}

void PageComboBox::initStyleOption(QStyleOptionComboBox* option) const
{
    QComboBox::initStyleOption(option);
    option->palette = SharedStylePalette(option->palette);
}

}  // namespace torvana
