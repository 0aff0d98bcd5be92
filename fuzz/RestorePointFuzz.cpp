// Any text as a restore point file. What parses writes back unchanged.

#include "FuzzSupport.h"
#include "history/RestorePoints.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const auto point = ParseRestorePoint(text, &problem);
    if (!point) {
        Require(!problem.empty(), "a rejected restore point says why");
        return 0;
    }
    const std::string written = FormatRestorePoint(*point);
    const auto again = ParseRestorePoint(written);
    Require(again.has_value(), "a written restore point parses");
    Require(again->state == point->state && again->cause == point->cause && again->name == point->name &&
                again->timeMs == point->timeMs && again->pinned == point->pinned,
            "a written restore point reads back unchanged");
    return 0;
}
