// Any text as the history file. What parses writes back and parses to the
// same steps; nothing else is ever half taken.

#include "FuzzSupport.h"
#include "history/HistoryFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    HistoryParse parsed = ParseHistory(text);
    if (!parsed.history) {
        Require(!parsed.problem.empty(), "a rejected history says why");
        return 0;
    }
    const std::string written = FormatHistory(*parsed.history);
    const HistoryParse again = ParseHistory(written);
    Require(again.history.has_value(), "a written history parses");
    Require(FormatHistory(*again.history) == written, "a written history reads back unchanged");
    Require(again.history->Cursor() <= again.history->Steps().size(), "the cursor stays within the steps");
    return 0;
}
