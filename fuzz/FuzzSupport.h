#pragma once
// What every fuzz target shares: a checked invariant that stops the run with
// a message, the factory image, and a memory of what a check has seen.

#include "core/ImageLayout.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

namespace torvana {

// Aborts (so libFuzzer records the input) when condition is false.
void Require(bool condition, const char* what);

// The factory set of variant 0, the start of every reader's image.
ParameterImage FactoryImage();

// True when these bytes (the state a check depends on, nothing else) came
// before: a check that is a function of them alone has already passed for
// them. Most inputs leave a state seen before, so whole-image round trips
// run once per state instead of once per input.
bool SeenBefore(std::span<const std::uint8_t> state, std::span<const std::uint8_t> more = {});

// A 64-bit fingerprint (FNV-1a) of what is added, to tell states and results
// apart without keeping or copying them.
class Fingerprint {
public:
    Fingerprint& Add(std::span<const std::uint8_t> bytes);
    Fingerprint& Add(std::string_view text);
    // A plain value's bytes (no padding in the types used).
    template <typename Value>
        requires std::has_unique_object_representations_v<Value>
    Fingerprint& AddValue(const Value& value)
    {
        return Add(std::span(reinterpret_cast<const std::uint8_t*>(&value), sizeof value));
    }
    std::uint64_t Value() const { return hash; }

private:
    std::uint64_t hash = 14695981039346656037ULL;
};

// The result first remembered for this state, or nothing when the state is
// new (the result is then remembered for it).
std::optional<std::uint64_t> RememberedResult(std::uint64_t state, std::uint64_t result);

}  // namespace torvana
