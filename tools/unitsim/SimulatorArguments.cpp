#include "SimulatorArguments.h"

#include "link/UnitLink.h"

#include <charconv>
#include <limits>

namespace torvana {

namespace {

constexpr int MaxPercent = 100;
constexpr int MaxByte = 255;
constexpr int MaxNoisePerSecond = 1000;
constexpr int MaxFuelErrorPercent = 50;
constexpr int MaxLambdaDelayMs = 5000;
constexpr double Percent = 100.0;

FuelledEngineSetup& Fuelled(SimulatorArguments& parsed)
{
    if (!parsed.simulator.fuelledEngine)
        parsed.simulator.fuelledEngine.emplace();
    return *parsed.simulator.fuelledEngine;
}

std::optional<long long> WholeNumber(const std::string& text, long long low, long long high)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (failure != std::errc() || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<SimulatorArguments> ParseSimulatorArguments(const std::vector<std::string>& args,
                                                          std::string& error)
{
    SimulatorArguments parsed;
    SimulatorFaults& faults = parsed.simulator.faults;
    double fuelError = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        auto value = [&]() -> const std::string* {
            if (i + 1 >= args.size()) {
                error = option + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        auto number = [&](long long low, long long high) -> std::optional<long long> {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            const auto n = WholeNumber(*text, low, high);
            if (!n)
                error = option + " takes a number from " + std::to_string(low) + " to " + std::to_string(high);
            return n;
        };

        if (option == "--help") {
            parsed.help = true;
        } else if (option == "--idle") {
            parsed.simulator.idleEngine = true;
        } else if (option == "--silent") {
            faults.silent = true;
        } else if (option == "--no-reading") {
            faults.readingRefused = true;
        } else if (option == "--owned-pattern") {
            faults.ownedPattern = true;
        } else if (option == "--narrow-band") {
            Fuelled(parsed).narrowBand = true;
        } else if (option == "--coolant-failed") {
            faults.coolantSensorFailed = true;
        } else if (option == "--raw") {
            parsed.rawImage = true;
        } else if (option == "--report") {
            parsed.report = true;
        } else if (option == "--image" || option == "--link") {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            (option == "--image" ? parsed.imagePath : parsed.linkPath) = *text;
        } else {
            std::optional<long long> n;
            if (option == "--seed" && (n = number(0, std::numeric_limits<std::uint32_t>::max())))
                faults.seed = static_cast<std::uint32_t>(*n);
            else if (option == "--drop" && (n = number(0, MaxPercent)))
                faults.dropPercent = static_cast<int>(*n);
            else if (option == "--corrupt" && (n = number(0, MaxPercent)))
                faults.corruptPercent = static_cast<int>(*n);
            else if (option == "--stray" && (n = number(0, MaxPercent)))
                faults.strayPercent = static_cast<int>(*n);
            else if (option == "--late" && (n = number(0, std::numeric_limits<int>::max())))
                faults.lateMilliseconds = static_cast<int>(*n);
            else if (option == "--version-byte" && (n = number(0, MaxByte)))
                faults.versionByte = static_cast<int>(*n);
            else if (option == "--verify-diff" && (n = number(0, ImageSize - 1)))
                faults.verifyDiffOffset = static_cast<std::size_t>(*n);
            else if (option == "--noise" && (n = number(0, MaxNoisePerSecond)))
                faults.noisePerSecond = static_cast<int>(*n);
            else if (option == "--store-stops-at" && (n = number(0, UnitStoreFull)))
                faults.storeStopsAt = static_cast<std::uint16_t>(*n);
            else if (option == "--fuel-error" && (n = number(0, MaxFuelErrorPercent))) {
                fuelError = static_cast<double>(*n) / Percent;
                Fuelled(parsed);
            } else if (option == "--lambda-delay" && (n = number(0, MaxLambdaDelayMs)))
                Fuelled(parsed).delayMs = static_cast<int>(*n);
            else if (option == "--hang-up-after" && (n = number(0, std::numeric_limits<int>::max())))
                parsed.hangUpAfter = static_cast<std::size_t>(*n);
            else if (error.empty())
                error = "unknown option " + option;
            if (!error.empty())
                return std::nullopt;
        }
    }
    if (parsed.simulator.fuelledEngine) {
        parsed.simulator.fuelledEngine->seed = faults.seed;
        parsed.simulator.fuelledEngine->fuelError = RandomFuelError(faults.seed, fuelError);
    }
    return parsed;
}

std::string SimulatorUsage()
{
    return "Usage: torvana-unitsim [options]\n"
           "Plays the engine unit on a pseudo-terminal and prints its device path.\n"
           "  --link PATH          also reach the device through a symbolic link at PATH\n"
           "  --image FILE.ign     parameter set the unit holds (default: factory set)\n"
           "  --raw                hold the --image set as it stands, without the consistency rules\n"
           "  --idle               engine stopped (rpm 0, throttle 0)\n"
           "  --seed N             seed of the faults below (default 1)\n"
           "  --drop PCT           share of replies never sent\n"
           "  --corrupt PCT        share of replies with a wrong check byte\n"
           "  --stray PCT          share of replies preceded by stray bytes\n"
           "  --late MS            every reply held back MS milliseconds\n"
           "  --silent             never answer\n"
           "  --no-reading         refuse to be read\n"
           "  --version-byte N     report image version N instead of 37\n"
           "  --verify-diff OFFSET read-back replies differ at image OFFSET\n"
           "  --noise N            N stray bytes a second between replies\n"
           "  --store-stops-at N   the store count after programming stops at N\n"
           "  --owned-pattern      the unit's own bytes hold a pattern instead of zeros\n"
           "  --coolant-failed     report a failed coolant temperature sensor\n"
           "  --fuel-error PCT     an engine whose lambda follows the Jet 1A table, each cell off by up\n"
           "                       to PCT (drawn from --seed); the sensor a wide-band 0.5..1.5 lambda\n"
           "                       over 0..5 V\n"
           "  --lambda-delay MS    that engine's sensor sees a cell MS later (default 400)\n"
           "  --narrow-band        that engine's sensor is a narrow-band one\n"
           "  --hang-up-after N    close the device after N requests, as if unplugged; run on\n"
           "  --report             on exit, the requests received and answered on standard error\n"
           "  --help               this text\n"
           "SIGUSR1 unplugs the device (closed, --link removed); the next SIGUSR1 plugs a new one in\n"
           "behind the same --link.\n";
}

}  // namespace torvana
