#include "cli/Command.h"

#include <algorithm>

namespace torvana {
namespace {

constexpr std::string_view EndOfOptions = "--";

}  // namespace

bool AsksForHelp(const Arguments& arguments)
{
    for (const std::string& argument : arguments) {
        if (argument == EndOfOptions) {
            return false;
        }
        if (argument == "--help" || argument == "-h") {
            return true;
        }
    }
    return false;
}

ParsedArguments ParseArguments(const Arguments& arguments, const std::vector<std::string_view>& valueOptions,
                               std::size_t minPositional, std::size_t maxPositional)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';
        if (!isOption) {
            parsed.positional.push_back(argument);
        } else if (argument == EndOfOptions) {
            optionsEnded = true;
        } else if (std::find(valueOptions.begin(), valueOptions.end(), argument) != valueOptions.end()) {
            // An empty value would quietly mean the option's default.
            if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
                throw UsageError("option " + argument + " needs a value");
            }
            parsed.values[argument] = arguments[++i];
        } else {
            throw UsageError("unknown option " + argument);
        }
    }
    if (parsed.positional.size() < minPositional) {
        throw UsageError("missing file argument");
    }
    if (parsed.positional.size() > maxPositional) {
        throw UsageError("unexpected argument " + parsed.positional[maxPositional]);
    }
    return parsed;
}

}  // namespace torvana
