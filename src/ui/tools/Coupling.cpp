#include "ui/tools/Coupling.h"

#include <algorithm>
#include <span>

namespace torvana {

namespace {

constexpr int FollowerCount = 2;
constexpr int FirstIgnition = 0;
constexpr int FirstJetA = 3;
constexpr int FirstJetB = 6;

std::span<const int> GroupFirsts(CouplingMenu menu)
{
    static constexpr int ign[] = {FirstIgnition};
    static constexpr int jet[] = {FirstJetA, FirstJetB};
    return menu == CouplingMenu::Ign123 ? std::span<const int>(ign) : std::span<const int>(jet);
}

bool InMenuGroups(CouplingMenu menu, int page)
{
    return IsCurvePage(page) && (IsIgnitionCurve(page) == (menu == CouplingMenu::Ign123));
}

// Copies length bytes of curve `first` at start(first) to its two followers.
template <typename Start>
void CopyToFollowers(ParameterImage& image, int first, std::size_t length, Start start)
{
    const auto from = image.begin() + start(first);
    for (int f = 1; f <= FollowerCount; ++f)
        std::copy(from, from + length, image.begin() + start(first + f));
}

bool ShownBytesDiffer(const ParameterImage& before, const ParameterImage& after, int page)
{
    const auto differ = [&](std::size_t start, std::size_t length) {
        return !std::equal(before.begin() + start, before.begin() + start + length, after.begin() + start);
    };
    return differ(CurveAxisOffset(page), AxisLength) || differ(CurveTableOffset(page), CurveCells);
}

}  // namespace

std::uint8_t GroupMode(const ParameterImage& image, int t)
{
    return image[IsIgnitionCurve(t) ? Offset::IgnMode : Offset::JetMode];
}

bool SlaveView(const ParameterImage& image, int activePageIndex)
{
    return IsCurvePage(activePageIndex) && !IsFirstOfGroup(activePageIndex) &&
           GroupMode(image, activePageIndex) == ModeCoupled;
}

ModeChange ChooseCouplingMode(ParameterImage& image, CouplingMenu menu, CouplingMode mode, int activePageIndex)
{
    const ParameterImage before = image;
    image[menu == CouplingMenu::Ign123 ? Offset::IgnMode : Offset::JetMode] = mode;
    for (const int first : GroupFirsts(menu)) {
        if (mode == ModeCoupled || mode == ModeCommon)
            CopyToFollowers(image, first, AxisLength, CurveAxisOffset);
        if (mode == ModeCommon)
            CopyToFollowers(image, first, CurveCells, CurveTableOffset);
    }

    ModeChange result;
    result.changed = image != before;
    const bool onFollower = InMenuGroups(menu, activePageIndex) && !IsFirstOfGroup(activePageIndex);
    if (mode == ModeCommon) {
        if (onFollower)
            result.switchTo = ActivePageFor(GroupFirstCurve(activePageIndex));
        result.fillActivePage = true;
        result.programOnChange = true;
    } else if (mode == ModeCoupled) {
        // The follower page shows its old axis; left so, the next page write
        // (save, program, exit) would store it back over the copy.
        result.fillActivePage = onFollower && ShownBytesDiffer(before, image, activePageIndex);
    }
    return result;
}

}  // namespace torvana
