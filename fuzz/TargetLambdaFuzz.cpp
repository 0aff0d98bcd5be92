// Any text as a target-lambda file. A refused text says why and gives no
// grid; an accepted one has every lambda in range and is written and read
// back to the same text.

#include "FuzzSupport.h"
#include "analysis/TargetLambda.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TargetLambdaParse parsed = ParseTargetLambda(text);
    if (!parsed.ok) {
        Require(!parsed.error.empty(), "a refused file says why");
        Require(parsed.grid == LambdaGrid{}, "a refused file gives no grid");
        return 0;
    }
    for (const auto& row : parsed.grid)
        for (double value : row)
            Require(value >= LowestTargetLambda && value <= HighestTargetLambda, "every lambda within range");
    const std::string written = FormatTargetLambda(parsed.grid);
    const TargetLambdaParse again = ParseTargetLambda(written);
    Require(again.ok, "a written file reads");
    Require(FormatTargetLambda(again.grid) == written, "a written file reads back to the same text");
    return 0;
}
