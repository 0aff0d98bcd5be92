#include "history/ParameterDiff.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace torvana {

namespace {

struct KeyPage {
    std::string_view key;
    int page;
};

constexpr std::array<KeyPage, 19> KeyPages = {{
    {"POSITION_A", PositionPageIndex}, {"POSITION_B", PositionPageIndex},
    {"RPM_SERVO", ServoPageIndex},     {"VOLT_SERVO", ServoPageIndex},
    {"SERVO_HYSTER", ServoPageIndex},  {"SERVO_ENABLE", ServoPageIndex},
    {"RPM_KNOCK", KnockPageIndex},     {"KNOCK_FREK", KnockPageIndex},
    {"REF_FREK", KnockPageIndex},      {"LEVEL", KnockPageIndex},
    {"KNOCK_CA", KnockPageIndex},      {"TIME_CONST", KnockPageIndex},
    {"START", KnockPageIndex},         {"END", KnockPageIndex},
    {"ALARM", KnockPageIndex},         {"WATER_TEMP", CorrectionsPageIndex},
    {"AIR_TEMP", CorrectionsPageIndex}, {"DRUCK", CorrectionsPageIndex},
    {"RETARD", CorrectionsPageIndex},
}};
constexpr std::string_view ChokeKey = "CHOKE";

// The curve table whose grid or axis an offset is in, or -1.
int CurveOfOffset(std::size_t offset)
{
    for (int t = 0; t < CurveCount; ++t) {
        const bool inAxis = offset >= CurveAxisOffset(t) && offset < CurveAxisOffset(t) + AxisLength;
        const bool inGrid = offset >= CurveTableOffset(t) && offset < CurveTableOffset(t) + CurveCells;
        if (inAxis || inGrid)
            return t;
    }
    return -1;
}

}  // namespace

int PageOfKey(const FileKey& key)
{
    if (key.name == ChokeKey)
        return CorrectionsPageIndex;
    const auto found = std::find_if(KeyPages.begin(), KeyPages.end(),
                                    [&](const KeyPage& entry) { return entry.key == key.name; });
    if (found != KeyPages.end())
        return found->page;
    if (!key.elements.empty() && key.elements.front().encoding != Encoding::Identification &&
        key.elements.front().encoding != Encoding::Option) {
        if (const int curve = CurveOfOffset(key.elements.front().offset); curve >= 0)
            return curve;
    }
    return VariousPageIndex;
}

std::vector<ParameterDifference> ParameterDifferences(const ParameterSet& a, const ParameterSet& b)
{
    std::vector<ParameterDifference> differences;
    for (const FileKey& key : ParameterFileKeys()) {
        for (std::size_t i = 0; i < key.elements.size(); ++i) {
            const FileElement& element = key.elements[i];
            if (element.encoding == Encoding::Identification)
                continue;
            const int valueA = FileValue(element, a.image, a.options);
            const int valueB = FileValue(element, b.image, b.options);
            if (valueA != valueB)
                differences.push_back({&key, i, valueA, valueB, PageOfKey(key)});
        }
    }
    return differences;
}

std::string DifferenceLine(const ParameterDifference& difference)
{
    return std::string(difference.key->name) + '[' + std::to_string(difference.element) +
           "]: " + std::to_string(difference.valueA) + " -> " + std::to_string(difference.valueB);
}

void TakeDifferences(ParameterSet& a, const ParameterSet& b, const std::vector<ParameterDifference>& chosen)
{
    for (const ParameterDifference& difference : chosen) {
        const FileElement& element = difference.key->elements[difference.element];
        if (element.encoding == Encoding::Option)
            a.options = b.options;
        else if (element.encoding != Encoding::Identification)
            a.image[element.offset] = b.image[element.offset];
    }
}

}  // namespace torvana
