#include "FuzzSupport.h"

#include "core/Defaults.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace torvana {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

const std::string& ScratchPath()
{
    // In memory where there is such a directory: the writers sync every file.
    static const std::filesystem::path memoryDirectory = "/dev/shm";
    static const std::filesystem::path directory =
        std::filesystem::is_directory(memoryDirectory) ? memoryDirectory : std::filesystem::temp_directory_path();
    static const std::string path = (directory / ("torvana-fuzz-" + std::to_string(::getpid()) + ".txt")).string();
    // Removes the file when the run ends.
    static const struct Remover {
        ~Remover() { std::filesystem::remove(path); }
    } remover;
    return path;
}

void WriteScratch(const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(ScratchPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Require(out.good(), "scratch file written");
}

ParameterImage FactoryImage()
{
    ParameterImage image{};
    FillDefaultParameters(image);
    return image;
}

}  // namespace torvana
