#pragma once
// What every command of torvana-cli shares: its table entry, the exit codes
// and the parsing of its arguments.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace torvana {

constexpr int ExitSuccess = 0;
constexpr int ExitDifferent = 1;  // diff: the sets differ
constexpr int ExitFailure = 2;    // usage error, unreadable or rejected file

using Arguments = std::vector<std::string>;

struct CliCommand {
    std::string_view name;
    std::string_view synopsis;  // arguments after the name
    std::string_view help;      // what it does, for --help
    int (*run)(const Arguments& arguments);
};

// Wrong use of a command: reported with a pointer to --help, exit 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that cannot do its work (file missing, rejected, unwritable).
class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ParsedArguments {
    Arguments positional;
    std::map<std::string, std::string, std::less<>> values;  // option -> its value
};

// True when "--help" or "-h" comes before any "--".
bool AsksForHelp(const Arguments& arguments);

// Splits arguments into positionals and the listed options that take a
// value; "--" ends the options. Throws
// UsageError for an unknown option, a missing or empty value, or a positional count
// outside minPositional..maxPositional.
ParsedArguments ParseArguments(const Arguments& arguments, const std::vector<std::string_view>& valueOptions,
                               std::size_t minPositional, std::size_t maxPositional);

}  // namespace torvana
