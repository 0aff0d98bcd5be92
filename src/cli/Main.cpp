// torvana-cli: parameter-set work without the editor window. Each group of
// commands lives in its own file and is listed once below.

#include "cli/Command.h"
#include "cli/FileCommands.h"
#include "cli/HistoryCommands.h"
#include "cli/LinkCommands.h"
#include "core/AtomicFile.h"

#include <iostream>
#include <span>

namespace torvana {
namespace {

constexpr std::string_view ToolName = "torvana-cli";

const std::span<const CliCommand> CommandGroups[] = {
    FileCommands(),
    LinkCommands(),
    HistoryCommands(),
};

const CliCommand* FindCommand(std::string_view name)
{
    for (const auto group : CommandGroups) {
        for (const CliCommand& command : group) {
            if (command.name == name) {
                return &command;
            }
        }
    }
    return nullptr;
}

void PrintToolHelp(std::ostream& out)
{
    out << "usage: " << ToolName << " COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto group : CommandGroups) {
        for (const CliCommand& command : group) {
            out << "  " << command.name << ' ' << command.synopsis << '\n';
        }
    }
    out << "\n" << ToolName << " COMMAND --help describes a command.\n"
        << "Exit status 2 for a usage error or a file that cannot be used.\n";
}

int Run(const CliCommand& command, const Arguments& arguments)
{
    if (AsksForHelp(arguments)) {
        std::cout << "usage: " << ToolName << ' ' << command.name << ' ' << command.synopsis << "\n\n"
                  << command.help << '\n';
        return ExitSuccess;
    }
    try {
        return command.run(arguments);
    } catch (const UsageError& error) {
        std::cerr << ToolName << ' ' << command.name << ": " << error.what() << " (see " << ToolName << ' '
                  << command.name << " --help)\n";
    } catch (const CommandFailure& failure) {
        std::cerr << ToolName << ": " << failure.what() << '\n';
    } catch (const std::exception& error) {
        // Whatever else goes wrong still ends in one line and exit 2.
        std::cerr << ToolName << ' ' << command.name << ": " << error.what() << '\n';
    }
    return ExitFailure;
}

}  // namespace
}  // namespace torvana

int main(int argc, char** argv)
{
    using namespace torvana;
    IgnoreFileSizeSignal();
    const Arguments arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        PrintToolHelp(std::cerr);
        return ExitFailure;
    }
    if (AsksForHelp({arguments[0]})) {
        PrintToolHelp(std::cout);
        return ExitSuccess;
    }
    const CliCommand* command = FindCommand(arguments[0]);
    if (command == nullptr) {
        std::cerr << ToolName << ": unknown command " << arguments[0] << " (see " << ToolName << " --help)\n";
        return ExitFailure;
    }
    return Run(*command, Arguments(arguments.begin() + 1, arguments.end()));
}
