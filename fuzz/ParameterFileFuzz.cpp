// Any byte sequence as a parameter file. A file that is not accepted leaves
// image and options alone; one that is accepted writes a file that reads
// back to the same text.

#include "FuzzSupport.h"
#include "core/ParameterFile.h"

#include <span>
#include <sstream>
#include <string>
#include <string_view>

namespace torvana {
namespace {

std::string Written(const ParameterImage& image, const FileOptions& options)
{
    std::ostringstream out;
    WriteParameterFile(out, image, options);
    return out.str();
}

}  // namespace
}  // namespace torvana

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    static const ParameterImage factory = FactoryImage();
    ParameterImage image = factory;
    FileOptions options;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ReadResult result = ReadParameterFile(text, image, options);
    if (result.status != ReadStatus::Accepted) {
        Require(image == factory && !options.extMonitor, "a refused file changes nothing");
        Require(result.status == ReadStatus::VersionMismatch || !result.message.empty(),
                "a rejected file says why");
        return 0;
    }
    const std::uint8_t optionByte = options.extMonitor ? 1 : 0;
    if (SeenBefore(image, std::span(&optionByte, 1)))
        return 0;
    const std::string first = Written(image, options);
    ParameterImage again = factory;
    FileOptions againOptions;
    Require(ReadParameterFile(first, again, againOptions).status == ReadStatus::Accepted,
            "a written file is accepted");
    Require(Written(again, againOptions) == first, "a written file reads back to the same text");
    return 0;
}
