// Any byte sequence as the last-image file. Whatever it held, the image and
// flags it leaves are written and read back unchanged.

#include "FuzzSupport.h"
#include "settings/LastImageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace torvana;
    static const ParameterImage factory = FactoryImage();
    constexpr std::uint8_t untouchedFlag = 7;  // never written by the program, so visible if kept
    WriteScratch(data, size);
    ParameterImage image = factory;
    PageAllFlags flags;
    flags.fill(untouchedFlag);
    Require(ReadLastImageFile(ScratchPath(), image, flags), "an existing file opens");

    Require(WriteLastImageFile(ScratchPath(), image, flags), "the file is written");
    ParameterImage again{};
    PageAllFlags againFlags{};
    Require(ReadLastImageFile(ScratchPath(), again, againFlags), "the written file opens");
    Require(again == image && againFlags == flags, "image and flags read back unchanged");
    return 0;
}
