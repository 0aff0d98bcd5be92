#include "log/ScatterChoice.h"

namespace torvana {

namespace {

constexpr const char* Section = "LOG_SCATTER";
constexpr const char* KeyX = "X";
constexpr const char* KeyY = "Y";
constexpr const char* KeyColour = "Colour";

std::string Column(std::optional<LogChannel> channel)
{
    return channel ? std::string(ChannelInfo(*channel).column) : std::string();
}

std::optional<LogChannel> Read(const IniFile& settings, const char* key, std::optional<LogChannel> first)
{
    const std::string column = settings.ReadString(Section, key, Column(first));
    if (column.empty())
        return std::nullopt;
    const std::optional<LogChannel> channel = ChannelOfColumn(column);
    return channel ? channel : first;
}

}  // namespace

ScatterChoice LoadScatterChoice(const IniFile& settings)
{
    ScatterChoice choice;
    choice.x = Read(settings, KeyX, choice.x).value_or(choice.x);
    choice.y = Read(settings, KeyY, choice.y).value_or(choice.y);
    choice.colour = Read(settings, KeyColour, choice.colour);
    return choice;
}

std::string SaveScatterChoice(IniFile& settings, const ScatterChoice& choice)
{
    std::string reason;
    for (const auto& [key, channel] : {std::pair{KeyX, std::optional<LogChannel>(choice.x)},
                                       std::pair{KeyY, std::optional<LogChannel>(choice.y)},
                                       std::pair{KeyColour, choice.colour}}) {
        if (!settings.WriteString(Section, key, Column(channel), &reason))
            return "Unable to write to " + settings.Path() + "\n" + reason;
    }
    return {};
}

}  // namespace torvana
