#include "ui/binding/CurvePageBinding.h"

#include "ui/binding/DisplayCodec.h"
#include "ui/binding/UpDownRange.h"

#include <algorithm>

namespace torvana {

namespace {

constexpr int ByteMin = 0;
constexpr int ByteMax = 255;
constexpr int GroupSize = 3;  // tables per coupling group

bool IsCurve(int t) { return t >= 0 && t < CurveCount; }

std::uint8_t GroupMode(const ParameterImage& image, int t)
{
    return image[IsIgnitionCurve(t) ? Offset::IgnMode : Offset::JetMode];
}

// Carries the new value of byte `index` of a first table into the same byte
// of its two followers, which lie followerPitch apart: Coupled adds the
// change (limited to a byte, the finer limits come with the normalisation),
// "1 = 2 = 3" copies. Must run before the first table's byte is stored.
void UpdateFollowers(ParameterImage& image, int t, std::size_t tableStart, std::size_t followerPitch,
                     std::size_t index, std::uint8_t newValue)
{
    const std::uint8_t mode = GroupMode(image, t);
    if (!IsFirstOfGroup(t) || (mode != ModeCoupled && mode != ModeCommon))
        return;
    const std::uint8_t oldValue = image[tableStart + index];
    for (int follower = 1; follower < GroupSize; ++follower) {
        std::uint8_t& byte = image[tableStart + followerPitch * follower + index];
        if (mode == ModeCommon) {
            byte = newValue;
        } else if (newValue != oldValue) {
            const int clampScratch = byte + newValue - oldValue;
            byte = static_cast<std::uint8_t>(std::clamp(clampScratch, ByteMin, ByteMax));
        }
    }
}

}  // namespace

CurvePageValues FillCurvePage(const ParameterImage& image, int t,
                              const std::array<std::uint8_t, CurveCount>& pageAllFlags)
{
    CurvePageValues values;
    if (!IsCurve(t))
        return values;
    for (int c = 0; c < CurveColumns; ++c)
        values.rpm[c] = codec::ShowMultiplied(image[CurveAxisOffset(t) + c], Ranges::EngineSpeed);
    for (int r = 0; r < CurveRows; ++r)
        for (int c = 0; c < CurveColumns; ++c)
            values.cell[r][c] = codec::ShowMultiplied(image[CurveCellOffset(t, r, c)], CurveCellRange(t));
    values.all = codec::ShowTick(pageAllFlags[t]);
    return values;
}

void WriteCurvePage(const CurvePageValues& values, int t, ParameterImage& image,
                    std::array<std::uint8_t, CurveCount>& pageAllFlags, const CurvePageValues* edited)
{
    if (!IsCurve(t))
        return;
    const codec::Edited<CurvePageValues> on(edited);
    const std::size_t axisPitch = CurveAxisOffset(1) - CurveAxisOffset(0);
    const std::size_t tablePitch = CurveTableOffset(1) - CurveTableOffset(0);
    for (int c = 0; c < CurveColumns; ++c) {
        if (!on(&CurvePageValues::rpm, c))
            continue;
        const std::uint8_t newValue = codec::StoreDivided(values.rpm[c], Ranges::EngineSpeed);
        UpdateFollowers(image, t, CurveAxisOffset(t), axisPitch, c, newValue);
        image[CurveAxisOffset(t) + c] = newValue;
    }
    const UpDownRange cellRange = CurveCellRange(t);
    for (int r = 0; r < CurveRows; ++r) {
        for (int c = 0; c < CurveColumns; ++c) {
            if (edited != nullptr && !edited->cell[r][c])
                continue;
            const std::uint8_t newValue = codec::StoreDivided(values.cell[r][c], cellRange);
            const std::size_t o = CurveColumns * r + c;
            UpdateFollowers(image, t, CurveTableOffset(t), tablePitch, o, newValue);
            image[CurveTableOffset(t) + o] = newValue;
        }
    }
    if (on(&CurvePageValues::all))
        pageAllFlags[t] = codec::StoreTick(values.all);
}

}  // namespace torvana
