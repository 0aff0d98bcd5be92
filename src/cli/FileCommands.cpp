#include "cli/FileCommands.h"

#include "core/Defaults.h"
#include "core/Normalise.h"
#include "cli/LinkSession.h"
#include "history/ParameterDiff.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace torvana {
namespace {

constexpr std::string_view BikeOption = "--bike";
constexpr std::string_view OutputOption = "-o";

ParameterImage DefaultImage(int bike)
{
    ParameterImage image{};
    image[Offset::Bike] = static_cast<std::uint8_t>(bike);
    FillDefaultParameters(image);
    return image;
}

ParameterImage FactorySet(int bike)
{
    ParameterImage image = DefaultImage(bike);
    NormaliseImage(image);
    return image;
}

void CheckStandardOutput()
{
    errno = 0;
    if (!std::cout.flush()) {
        const int error = errno;
        throw CommandFailure(error == 0 ? std::string("cannot write to standard output")
                                        : "cannot write to standard output: " + std::string(std::strerror(error)));
    }
}

int ParseBike(const std::string& text)
{
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + BikeCount) {
        throw UsageError("--bike takes a variant from 0 to " + std::to_string(BikeCount - 1));
    }
    return text[0] - '0';
}

std::string OptionValue(const ParsedArguments& parsed, std::string_view option)
{
    const auto found = parsed.values.find(option);
    return found == parsed.values.end() ? std::string() : found->second;
}

int RunDefaults(const Arguments& arguments)
{
    const ParsedArguments parsed = ParseArguments(arguments, {BikeOption, OutputOption}, 0, 0);
    const std::string bike = OptionValue(parsed, BikeOption);
    StoreParameterSet(OptionValue(parsed, OutputOption), FactorySet(bike.empty() ? 0 : ParseBike(bike)), {});
    return ExitSuccess;
}

int RunNormalise(const Arguments& arguments)
{
    const ParsedArguments parsed = ParseArguments(arguments, {OutputOption}, 1, 1);
    ParameterImage image = EditorStartImage();
    FileOptions options;
    LoadParameterSet(parsed.positional[0], image, options);
    StoreParameterSet(OptionValue(parsed, OutputOption), image, options);
    return ExitSuccess;
}

constexpr std::string_view UnitFlag = "--unit";
constexpr std::string_view PortOption = "--port";

// The unit's set, read into a copy; a unit that does not give it whole is
// the command's failure, not a difference.
ParameterSet UnitSet(const std::string& device, const FileOptions& options)
{
    ParameterSet unit{EditorStartImage(), options};  // the monitor option is not the unit's
    std::string failure;
    if (ReadUnit(device, unit.image, failure) != ExitSuccess || !failure.empty()) {
        throw CommandFailure(failure.empty() ? "the unit's set could not be read from " + device : failure);
    }
    return unit;
}

int RunDiff(const Arguments& arguments)
{
    Arguments rest;
    bool withUnit = false;
    for (const std::string& argument : arguments) {
        if (argument == UnitFlag && rest.end() == std::find(rest.begin(), rest.end(), "--")) {
            withUnit = true;
        } else {
            rest.push_back(argument);
        }
    }
    const ParsedArguments parsed =
        withUnit ? ParseArguments(rest, {PortOption}, 1, 1) : ParseArguments(rest, {}, 2, 2);
    ParameterSet a{EditorStartImage(), {}};
    ParameterSet b = a;
    LoadParameterSet(parsed.positional[0], a.image, a.options);
    if (withUnit) {
        const std::string device = OptionValue(parsed, PortOption);
        if (device.empty()) {
            throw UsageError("diff --unit needs --port DEVICE");
        }
        b = UnitSet(device, a.options);
    } else {
        LoadParameterSet(parsed.positional[1], b.image, b.options);
    }
    const std::vector<ParameterDifference> differences = ParameterDifferences(a, b);
    for (const ParameterDifference& difference : differences) {
        std::cout << DifferenceLine(difference) << '\n';
    }
    // Exit 1 must not also stand for a listing that was lost.
    CheckStandardOutput();
    const bool different = !differences.empty();
    return different ? ExitDifferent : ExitSuccess;
}

constexpr CliCommand Commands[] = {
    {"defaults", "[--bike N] [-o FILE]",
     "Writes the factory parameter set of engine variant N (0 to 3, default 0),\n"
     "normalised, to FILE or to standard output.\n"
     "  --bike N   0, 1: six injectors; 2, 3: three injectors\n"
     "  -o FILE    write FILE instead of standard output",
     RunDefaults},
    {"normalise", "FILE [-o OUT]",
     "Reads FILE over the editor's start-up set, applies the consistency rules\n"
     "and writes the result to OUT or to standard output.\n"
     "  -o OUT     write OUT instead of standard output",
     RunNormalise},
    {"diff", "A B | A --unit --port DEVICE",
     "Lists every parameter whose value differs between the files A and B,\n"
     "one line each as KEY[element]: value in A -> value in B.\n"
     "With --unit, B is the set read from the unit on DEVICE (into a copy).\n"
     "Exit status 0 when the sets are equal, 1 when they differ, 2 when a file\n"
     "or the unit cannot be read.",
     RunDiff},
};

}  // namespace

std::span<const CliCommand> FileCommands() { return Commands; }

ParameterImage EditorStartImage() { return DefaultImage(0); }

void LoadParameterSet(const std::string& path, ParameterImage& image, FileOptions& options)
{
    const ReadResult result = LoadParameterFile(path, image, options);
    if (result.status == ReadStatus::Unreadable) {
        throw CommandFailure(result.message);
    }
    if (result.status == ReadStatus::VersionMismatch) {
        throw CommandFailure(path + ": unmatched version of *.ign file (" + result.message + ")");
    }
    if (result.status == ReadStatus::Rejected) {
        throw CommandFailure(path + ": " + result.message);
    }
    NormaliseImage(image);
}

void StoreParameterSet(const std::string& path, const ParameterImage& image, const FileOptions& options)
{
    if (!path.empty()) {
        const std::string reason = SaveParameterFile(path, image, options);
        if (!reason.empty()) {
            throw CommandFailure(reason);
        }
        return;
    }
    WriteParameterFile(std::cout, image, options);
    CheckStandardOutput();
}

}  // namespace torvana
