#include "cli/LinkCommands.h"

#include "cli/FileCommands.h"
#include "cli/LinkSession.h"
#include "core/FileKeys.h"
#include "link/PortList.h"
#include "link/PortNames.h"
#include "settings/ConfigPaths.h"
#include "settings/IniFile.h"
#include "texts/MessageTable.h"
#include "texts/PortTexts.h"

#include <charconv>
#include <iostream>

namespace torvana {

namespace {

const std::vector<std::string_view> PortOptions = {"--port", "--com"};

std::vector<std::string_view> With(std::vector<std::string_view> options, std::string_view more)
{
    options.push_back(more);
    return options;
}

std::optional<int> WholeNumber(const std::string& text)
{
    int n = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, n);
    if (failure != std::errc() || stop != end)
        return std::nullopt;
    return n;
}

// --port DEVICE, or --com N through the PORTS section of the settings file.
std::string PortDevice(const ParsedArguments& parsed)
{
    const auto port = parsed.values.find("--port");
    const auto com = parsed.values.find("--com");
    if ((port == parsed.values.end()) == (com == parsed.values.end()))
        throw UsageError("give the port as --port DEVICE or --com N");
    if (port != parsed.values.end())
        return port->second;
    const auto number = WholeNumber(com->second);
    if (!number || !IsComPortNumber(*number))
        throw UsageError("--com takes a port number from " + std::to_string(FirstComPort) + " to " +
                         std::to_string(LastComPort));
    const IniFile settings(PrepareConfigPaths().settingsFile);
    return ComPortDevice(*number, &settings);
}

// A port or file failure is the command's failure (exit 2), not the unit's.
int Checked(int exitCode, const std::string& failure)
{
    if (!failure.empty())
        throw CommandFailure(failure);
    return exitCode;
}

// The file keeps what the editor would hold: the normalised set. What
// normalisation changed is said, so that nothing changes unnoticed.
void ReportNormalisation(const ParameterImage& received, const ParameterImage& normalised)
{
    const FileOptions options;
    for (const FileKey& key : ParameterFileKeys()) {
        for (std::size_t i = 0; i < key.elements.size(); ++i) {
            const FileElement& element = key.elements[i];
            if (element.encoding == Encoding::Identification)
                continue;
            const int before = FileValue(element, received, options);
            const int after = FileValue(element, normalised, options);
            if (before != after)
                std::cerr << "torvana-cli: normalised " << key.name << '[' << i << "]: " << before << " -> " << after
                          << std::endl;
        }
    }
}

int RunRead(const Arguments& arguments)
{
    const ParsedArguments parsed = ParseArguments(arguments, With(PortOptions, "-o"), 0, 0);
    const std::string device = PortDevice(parsed);
    const auto output = parsed.values.find("-o");

    ParameterImage image = EditorStartImage();
    ParameterImage received{};
    std::string failure;
    const int code = Checked(ReadUnit(device, image, failure, &received), failure);
    if (code == ExitSuccess)
        ReportNormalisation(received, image);
    if (code == ExitSuccess)
        StoreParameterSet(output == parsed.values.end() ? std::string() : output->second, image, FileOptions{});
    return code;
}

int RunTransfer(const Arguments& arguments, bool program)
{
    const ParsedArguments parsed = ParseArguments(arguments, PortOptions, 1, 1);
    const std::string device = PortDevice(parsed);
    ParameterImage image = EditorStartImage();
    FileOptions options;
    LoadParameterSet(parsed.positional[0], image, options);

    std::string failure;
    return Checked(TransferToUnit(device, image, program, failure), failure);
}

int RunProgram(const Arguments& arguments)
{
    return RunTransfer(arguments, true);
}

int RunVerify(const Arguments& arguments)
{
    return RunTransfer(arguments, false);
}

int RunMonitor(const Arguments& arguments)
{
    // --ext is the one option without a value.
    Arguments rest;
    MonitorSettings settings;
    for (const std::string& argument : arguments) {
        if (argument == "--ext")
            settings.extended = true;
        else
            rest.push_back(argument);
    }
    const ParsedArguments parsed = ParseArguments(rest, With(With(PortOptions, "--count"), "--csv"), 0, 0);
    const std::string device = PortDevice(parsed);
    if (const auto count = parsed.values.find("--count"); count != parsed.values.end()) {
        const auto n = WholeNumber(count->second);
        if (!n || *n <= 0)
            throw UsageError("--count takes a positive number of frames");
        settings.frameCount = *n;
    }
    if (const auto csv = parsed.values.find("--csv"); csv != parsed.values.end())
        settings.csvPath = csv->second;

    std::string failure;
    return Checked(MonitorUnit(device, settings, failure), failure);
}

int RunPorts(const Arguments& arguments)
{
    ParseArguments(arguments, {}, 0, 0);
    const IniFile settings(PrepareConfigPaths().settingsFile);
    const PortTexts texts = PortTextsFor(English);
    for (const ComPortPresence& port : ListComPorts(&settings))
        std::cout << ComPortKey(port.number) << "  " << DescribeComPort(port, texts) << '\n';
    return ExitSuccess;
}

const CliCommand Commands[] = {
    {"read", "--port DEVICE | --com N [-o FILE]",
     "Reads the unit's parameter set (blocks 0 to 19, then a verify pass) and writes it as a parameter\n"
     "file to FILE, or to standard output; each value that normalisation changed is named on\n"
     "standard error. Progress goes to standard error. Exit 1 when the unit\n"
     "refuses, reports another version or the transfer fails; 2 when the port cannot be opened.",
     RunRead},
    {"program", "--port DEVICE | --com N FILE",
     "Programs the parameter set of FILE into the unit, verifies it and waits until the unit has\n"
     "stored it. The bytes that belong to the unit are read from it first and kept. Progress goes\n"
     "to standard error. Exit 1 when the transfer fails or the store stops.",
     RunProgram},
    {"verify", "--port DEVICE | --com N FILE",
     "Compares the unit's parameter set with FILE; the bytes that belong to the unit are not\n"
     "compared. Exit 1 when they differ or the unit does not answer.",
     RunVerify},
    {"monitor", "--port DEVICE | --com N [--count N] [--csv FILE] [--ext]",
     "Shows the unit's live values: one \"Label: text\" line per monitor label and a blank line after\n"
     "each frame; --ext adds the sensor voltages; --csv FILE logs every value instead, one row per\n"
     "frame, in the columns of the window's datalog. Runs until N frames were shown, or until interrupted; exit 2 when the port goes away,\n"
     "exit 1 when with --count no frame comes for 5 s.",
     RunMonitor},
    {"ports", "",
     "Lists the port numbers COM1 to COM10 (--com N), the device each opens (section PORTS of the\n"
     "settings file) and whether that device exists now, with the adapter's description and serial\n"
     "number where the system gives them.",
     RunPorts},
};

}  // namespace

std::span<const CliCommand> LinkCommands()
{
    return Commands;
}

}  // namespace torvana
