#include "FuzzSupport.h"

#include "core/Defaults.h"

#include <cstdio>
#include <cstdlib>
#include <unordered_set>

namespace torvana {

namespace {

// About 40 MB of remembered states; then memory starts over.
constexpr std::size_t MaxRemembered = std::size_t{1} << 20;
constexpr std::uint64_t HashStart = 14695981039346656037ULL;  // FNV-1a, 64 bits
constexpr std::uint64_t HashPrime = 1099511628211ULL;

std::uint64_t Hash(std::uint64_t hash, std::span<const std::uint8_t> bytes)
{
    for (const std::uint8_t byte : bytes)
        hash = (hash ^ byte) * HashPrime;
    return hash;
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

bool SeenBefore(std::span<const std::uint8_t> state, std::span<const std::uint8_t> more)
{
    static std::unordered_set<std::uint64_t> seen;
    if (seen.size() >= MaxRemembered)
        seen.clear();
    // The length joins the hash so that moving bytes between the two parts is a new state.
    return !seen.insert(Hash(Hash(HashStart ^ state.size(), state), more)).second;
}

}  // namespace torvana
