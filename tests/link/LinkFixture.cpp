#include "LinkFixture.h"

#include "core/Defaults.h"
#include "core/Normalise.h"

#include <algorithm>

namespace torvana {

namespace {
constexpr char UnitVersionText[] = "TEST UNIT";
}  // namespace

LinkFixture::LinkFixture()
{
    SetMessageTexts(messages, English);
    FillDefaultParameters(image);
    NormaliseImage(image);
    image[Offset::ReadingAllowed] = ReadingAllowedValue;
    image[Offset::ImageVersion] = ImageVersion;

    // The unit holds the same parameters under its own header.
    unit.store = image;
    std::copy(std::begin(UnitVersionText), std::end(UnitVersionText),
              unit.store.begin() + Offset::FirmwareVersionText);
    link.SetLine(&line);
}

void LinkFixture::Ticks(int n)
{
    for (int i = 0; i < n; ++i) {
        link.Tick();
    }
}

int LinkFixture::RunUntilIdle(int limit)
{
    int ticks = 0;
    while (link.Mode() != TransferIdle && ticks < limit) {
        link.Tick();
        ++ticks;
    }
    return ticks;
}

std::vector<std::uint8_t> LinkFixture::BlockCommandsSent() const
{
    std::vector<std::uint8_t> commands = line.SentCommands();
    std::erase(commands, Command::MonitorRequest);
    return commands;
}

int LinkFixture::SendsOf(std::uint8_t command) const
{
    const std::vector<std::uint8_t> commands = line.SentCommands();
    return static_cast<int>(std::count(commands.begin(), commands.end(), command));
}

std::vector<std::uint8_t> CommandRange(int first, int last)
{
    std::vector<std::uint8_t> commands;
    for (int c = first; c <= last; ++c) {
        commands.push_back(static_cast<std::uint8_t>(c));
    }
    return commands;
}

}  // namespace torvana
