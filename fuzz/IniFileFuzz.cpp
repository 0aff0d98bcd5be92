// Any byte sequence as the settings file's text, then one write. The written
// value reads back, and no other key of the probed ones changes its value.
// The text stays in memory: the file around it is the atomic writer's and
// the bounded reader's, tested on their own.

#include "FuzzSupport.h"
#include "settings/IniFile.h"

#include <array>
#include <cctype>
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

std::array<std::string, Probes.size()> ReadAll(std::string_view text)
{
    // A value that is missing reads as this default, which no value equals.
    static const std::string missing(1, '\x01');
    std::array<std::string, Probes.size()> values;
    for (std::size_t i = 0; i < Probes.size(); ++i)
        values[i] = IniTextValue(text, Probes[i].section, Probes[i].key).value_or(missing);
    return values;
}

bool SameKey(const Probe& a, const Probe& b)
{
    auto lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    return lower(a.section) == lower(b.section) && lower(a.key) == lower(b.key);
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
    const char* value = Values[(data[0] / Probes.size()) % Values.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto before = ReadAll(text);
    const Probe& written = Probes[probeIndex];
    const std::string writtenText = IniTextWith(text, written.section, written.key, value);
    const auto after = ReadAll(writtenText);
    for (std::size_t i = 0; i < Probes.size(); ++i) {
        if (SameKey(Probes[i], written))
            Require(after[i] == value, "the written value reads back");
        else
            Require(after[i] == before[i], "another key keeps its value");
    }
    return 0;
}
