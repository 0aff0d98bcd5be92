#pragma once
#include "core/ImageLayout.h"

#include <iosfwd>
#include <string>

namespace torvana {

constexpr int ParameterFileVersion = 37;

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
};

struct ReadResult {
    ReadStatus status = ReadStatus::VersionMismatch;
    std::string message;  // for Rejected: what and on which line
    int line = 0;
};

// Reads into a copy of image/options and replaces them only when accepted.
ReadResult ReadParameterFile(std::istream& in, ParameterImage& image, FileOptions& options);

// Saves through a temporary file beside path that replaces it only when
// every byte was written and synced. Returns an empty string or the reason
// it failed; the old file is then kept whole and no temporary file is left.
std::string SaveParameterFile(const std::string& path, const ParameterImage& image,
                              const FileOptions& options);

}  // namespace torvana
