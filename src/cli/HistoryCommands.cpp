#include "cli/HistoryCommands.h"

#include "cli/FileCommands.h"
#include "history/HistoryPaths.h"
#include "history/RestorePoints.h"

#include <charconv>
#include <ctime>
#include <iostream>

namespace torvana {
namespace {

constexpr std::string_view OutputOption = "-o";
constexpr std::int64_t MsPerSecond = 1000;

RestorePointListing Listing()
{
    RestorePointListing listing = RestorePointStore(PrepareHistoryPaths().restorePoints).List();
    for (const std::string& problem : listing.problems) {
        std::cerr << "torvana-cli: skipped " << problem << '\n';
    }
    return listing;
}

std::string LocalTime(std::int64_t timeMs)
{
    const std::time_t seconds = static_cast<std::time_t>(timeMs / MsPerSecond);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

int RunRestorePoints(const Arguments& arguments)
{
    ParseArguments(arguments, {}, 0, 0);
    const RestorePointListing listing = Listing();
    for (std::size_t i = 0; i < listing.points.size(); ++i) {
        const RestorePoint& point = listing.points[i];
        std::cout << i + 1 << "  " << LocalTime(point.timeMs) << "  " << CauseName(point.cause)
                  << (point.pinned ? "  pinned" : "") << (point.name.empty() ? "" : "  " + point.name) << '\n';
    }
    std::cout.flush();
    if (!std::cout) {
        throw CommandFailure("cannot write to standard output");
    }
    return ExitSuccess;
}

int RunRestorePoint(const Arguments& arguments)
{
    const ParsedArguments parsed = ParseArguments(arguments, {OutputOption}, 1, 1);
    const std::string& text = parsed.positional[0];
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number == 0) {
        throw UsageError("restore-point takes the number that restore-points lists, from 1");
    }
    const RestorePointListing listing = Listing();
    if (number > listing.points.size()) {
        throw CommandFailure("there are " + std::to_string(listing.points.size()) + " restore points, not " + text);
    }
    const auto output = parsed.values.find(OutputOption);
    StoreParameterSet(output == parsed.values.end() ? std::string() : output->second,
                      listing.points[number - 1].state.image, FileOptions{});
    return ExitSuccess;
}

constexpr CliCommand Commands[] = {
    {"restore-points", "",
     "Lists the editor's restore points, newest first: number, time, cause\n"
     "(read, open, new, variant, program, undo, restore), a pin mark and the\n"
     "file name or unit version of the set they keep.",
     RunRestorePoints},
    {"restore-point", "N [-o FILE]",
     "Writes the set kept by restore point N (as restore-points numbers them)\n"
     "as a parameter file to FILE or to standard output.\n"
     "  -o FILE    write FILE instead of standard output",
     RunRestorePoint},
};

}  // namespace

std::span<const CliCommand> HistoryCommands() { return Commands; }

}  // namespace torvana
