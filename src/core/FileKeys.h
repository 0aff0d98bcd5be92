#pragma once
// The keys of a parameter file: which image bytes each one carries, how a
// byte becomes the number in the file and back, and how its lines are laid
// out. The writer, the reader and the comparison all walk this one table.

#include "core/ImageLayout.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace torvana {

struct FileOptions;

// Steps between a stored byte and the number in the file.
constexpr int RpmStep = 50;
constexpr int InjectionTimeStep = 50;
constexpr int PositionStep = 5;
constexpr int TpsStep = 10;
constexpr int AccelThresholdStep = 10;
constexpr int ServoHysterStep = 5;
constexpr int ServoVoltStep = 20;
constexpr int AlarmStep = 20;
// Width of a key name padded with blanks at the start of its line.
constexpr int KeyFieldWidth = 13;

// The 100 % throttle byte holds tens of mV above 2500 mV.
constexpr int Tps100Bias = 250;

enum class Encoding : std::uint8_t {
    Identification,  // the version number, nothing stored
    Plain,           // b
    Scaled,          // b x step
    Flag,            // 1 for any non-zero byte, read back as the number
    InvertedFlag,    // 1 for a zero byte, read as a truth value
    Option,          // a flag held in FileOptions, read as a truth value
    Signed,          // b - 100, written with a sign
    PlusBias,        // b + 100 (after-start correction)
    Tps100,          // (b + 250) x 10
};

struct FileElement {
    std::size_t offset = 0;  // unused for Identification and Option
    Encoding encoding = Encoding::Plain;
    int step = 1;  // only for Scaled
};

// What follows a key's lines in the written file.
enum class Trailer : std::uint8_t { None, EmptyLine, BlankField };

struct FileKey {
    std::string_view name;
    std::vector<FileElement> elements;  // in file order
    std::vector<int> lineLengths;       // numbers per written line
    int fieldWidth = KeyFieldWidth;
    bool indentContinuation = true;     // continuation lines start with a blank field
    Trailer trailer = Trailer::None;
};

// Every key in the order the file lists them.
const std::vector<FileKey>& ParameterFileKeys();

// The key spelled exactly name, or null.
const FileKey* FindFileKey(std::string_view name);

// The number written for one element.
int FileValue(const FileElement& element, const ParameterImage& image, const FileOptions& options);

// Stores a number read for one element. Every conversion depends only on the
// number's low 16 bits (two's complement for negative numbers), so that is
// all the reader hands over.
void StoreFileValue(const FileElement& element, std::uint16_t lowBits, ParameterImage& image,
                    FileOptions& options);

}  // namespace torvana
