#pragma once
#include "core/ImageLayout.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace torvana {

constexpr int ParameterFileVersion = 37;

// A parameter file is about 13 kB; a larger one than this is not read.
constexpr std::size_t ParameterFileSizeLimit = std::size_t{1} << 20;

// What a parameter file carries besides the image.
struct FileOptions {
    bool extMonitor = false;  // CheckBoxExtMonitor
};

// Writes the .ign layout (CR LF line ends) to a binary stream.
void WriteParameterFile(std::ostream& out, const ParameterImage& image, const FileOptions& options);

enum class ReadStatus {
    Accepted,         // image and options replaced
    VersionMismatch,  // no identification with 37: nothing loaded
    Rejected,         // malformed file: nothing loaded, see message
    Unreadable,       // no file, not a regular file, too large or a read error: see message
};

// Why a file was rejected, for a message in the user's language.
enum class ReadFault {
    None,
    NotText,      // byte: a control byte inside a word
    WordTooLong,  // a word longer than MaxWordLength
    NotANumber,   // word where a number of key is expected
};

struct ReadResult {
    ReadStatus status = ReadStatus::VersionMismatch;
    std::string message;  // for Rejected: what and on which line
    int line = 0;
    ReadFault fault = ReadFault::None;
    unsigned char byte = 0;
    std::string word;  // quoted, cut after a few characters
    std::string key;
};

// Reads a file's text into a copy of image/options and replaces them only
// when accepted.
ReadResult ReadParameterFile(std::string_view text, ParameterImage& image, FileOptions& options);

// Reads the regular file at path, up to ParameterFileSizeLimit bytes, as
// ReadParameterFile does. Never blocks on a pipe and never throws.
ReadResult LoadParameterFile(const std::string& path, ParameterImage& image, FileOptions& options);

// Saves through a temporary file beside path that replaces it only when
// every byte was written and synced. Returns an empty string or the reason
// it failed; the old file is then kept whole and no temporary file is left.
std::string SaveParameterFile(const std::string& path, const ParameterImage& image,
                              const FileOptions& options);

}  // namespace torvana
