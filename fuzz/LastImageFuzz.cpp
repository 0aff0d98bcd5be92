// Any byte sequence as the last-image file's text. Whatever it held, the
// image and flags it leaves are written and read back unchanged. The text
// is read from memory: the file around it is the atomic writer's and the
// bounded reader's, tested on their own.

#include "FuzzSupport.h"
#include "settings/LastImageFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    static const ParameterImage factory = FactoryImage();
    constexpr std::uint8_t untouchedFlag = 7;  // never written by the program, so visible if kept
    ParameterImage image = factory;
    PageAllFlags flags;
    flags.fill(untouchedFlag);
    const LastImageReading reading =
        ParseLastImage(std::string_view(reinterpret_cast<const char*>(data), size), image, flags);
    Require(reading.numbers <= LastImageNumberCount, "no more numbers taken than there are places");
    if (SeenBefore(image, flags))
        return 0;

    const std::string written = FormatLastImage(image, flags);
    ParameterImage again{};
    PageAllFlags againFlags{};
    const LastImageReading back = ParseLastImage(written, again, againFlags);
    Require(back.numbers == LastImageNumberCount && back.stopLine == 0, "the written text is read whole");
    Require(again == image && againFlags == flags, "image and flags read back unchanged");
    return 0;
}
