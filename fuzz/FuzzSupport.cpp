#include "FuzzSupport.h"

#include "core/Defaults.h"

#include <cstdio>
#include <cstdlib>

namespace torvana {

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

}  // namespace torvana
