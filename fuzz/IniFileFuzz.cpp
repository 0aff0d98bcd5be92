// Any byte sequence as the settings file's text, then one write. The written
// value reads back, and no other key of the probed ones changes its value.
// The text stays in memory: the file around it is the atomic writer's and
// the bounded reader's, tested on their own.

#include "FuzzSupport.h"
#include "core/CharClass.h"
#include "settings/IniFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace torvana {
namespace {

struct Probe {
    const char* section;
    const char* key;
};

// The settings file's own sections and keys, with case variants.
constexpr std::array<Probe, 8> Probes = {{
    {"FORM_HLAV", "ComPort"},
    {"FORM_HLAV", "Language"},
    {"form_hlav", "LEFT"},
    {"FORM_HLAV", "File"},
    {"Form_Hlav", "inidir"},
    {"IGNITION", "PageControl1->ActivePageIndex"},
    {"PORTS", "COM1"},
    {"A", "B"},
}};

constexpr std::array<const char*, 4> Values = {"1", "-2147483648", "", "C:\\tuning\\base map.ign"};

using ProbeValues = std::array<std::optional<std::string_view>, Probes.size()>;

ProbeValues ReadAll(std::string_view text)
{
    ProbeValues values;
    for (std::size_t i = 0; i < Probes.size(); ++i)
        values[i] = IniTextValue(text, Probes[i].section, Probes[i].key);
    return values;
}

bool SameKey(const Probe& a, const Probe& b)
{
    auto lower = [](std::string_view text) {
        std::string lowered(text);
        std::ranges::transform(lowered, lowered.begin(), AsciiLower);
        return lowered;
    };
    return lower(a.section) == lower(b.section) && lower(a.key) == lower(b.key);
}

// Which probes name the same key, worked out once.
using SameKeyTable = std::array<std::array<bool, Probes.size()>, Probes.size()>;

const SameKeyTable& SameKeys()
{
    static const SameKeyTable table = [] {
        SameKeyTable same{};
        for (std::size_t a = 0; a < Probes.size(); ++a)
            for (std::size_t b = 0; b < Probes.size(); ++b)
                same[a][b] = SameKey(Probes[a], Probes[b]);
        return same;
    }();
    return table;
}

}  // namespace
}  // namespace torvana

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    if (size == 0)
        return 0;
    // The first byte picks the write; the rest is the file.
    const std::size_t probeIndex = data[0] % Probes.size();
    const std::string value = Values[(data[0] / Probes.size()) % Values.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const ProbeValues before = ReadAll(text);
    const Probe& written = Probes[probeIndex];
    const std::string writtenText = IniTextWith(text, written.section, written.key, value);
    const ProbeValues after = ReadAll(writtenText);
    for (std::size_t i = 0; i < Probes.size(); ++i) {
        if (SameKeys()[probeIndex][i])
            Require(after[i] == value, "the written value reads back");
        else
            Require(after[i] == before[i], "another key keeps its value");
    }
    return 0;
}
