#include "FuzzSupport.h"

#include "core/Defaults.h"

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <vector>

namespace torvana {

namespace {

constexpr std::uint64_t HashPrime = 1099511628211ULL;

// States and their results in one open-addressed table of 32 MB, made once:
// no run allocates for it (libFuzzer runs an input again, looking for a
// leak, whenever a run allocates more than it frees). When half full, it
// starts over.
class Memory {
public:
    // The result stored for state, or nothing when the state is new (then result is stored).
    std::optional<std::uint64_t> Remember(std::uint64_t state, std::uint64_t result)
    {
        // Zero marks a free slot.
        state = state == 0 ? 1 : state;
        if (used >= Slots / 2) {
            std::ranges::fill(states, 0);
            used = 0;
        }
        for (std::size_t slot = state & (Slots - 1);; slot = (slot + 1) & (Slots - 1)) {
            if (states[slot] == state)
                return results[slot];
            if (states[slot] == 0) {
                states[slot] = state;
                results[slot] = result;
                ++used;
                return std::nullopt;
            }
        }
    }

private:
    static constexpr std::size_t Slots = std::size_t{1} << 21;
    std::vector<std::uint64_t> states = std::vector<std::uint64_t>(Slots);
    std::vector<std::uint64_t> results = std::vector<std::uint64_t>(Slots);
    std::size_t used = 0;
};

Memory& SharedMemory()
{
    static Memory memory;
    return memory;
}

}  // namespace

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

ParameterImage FactoryImage()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    return image;
}

Fingerprint& Fingerprint::Add(std::span<const std::uint8_t> bytes)
{
    for (const std::uint8_t byte : bytes)
        hash = (hash ^ byte) * HashPrime;
    return *this;
}

Fingerprint& Fingerprint::Add(std::string_view text)
{
    // The length first, so that moving bytes between two texts is a new fingerprint.
    AddValue(text.size());
    return Add(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool SeenBefore(std::span<const std::uint8_t> state, std::span<const std::uint8_t> more)
{
    // The length joins the hash so that moving bytes between the two parts is a new state.
    return SharedMemory().Remember(Fingerprint().AddValue(state.size()).Add(state).Add(more).Value(), 0).has_value();
}

std::optional<std::uint64_t> RememberedResult(std::uint64_t state, std::uint64_t result)
{
    return SharedMemory().Remember(state, result);
}

}  // namespace torvana
