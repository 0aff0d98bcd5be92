#pragma once
// The unit link on a real port, ticked by a 55 ms timer in an event loop as
// the editor window does, with every status change written to stderr.

#include "core/ImageLayout.h"

#include <string>

namespace torvana {

constexpr int ExitTransferFailed = 1;  // the unit refused, differed or stopped answering
constexpr int LinkTickMilliseconds = 55;

// When one of these returns with failure set, nothing was transferred or the
// result could not be kept: the port could not be opened, a file not written.

// Read and its verify pass; on success image holds the unit's set,
// normalised, and received (when given) the blocks as the unit sent them.
int ReadUnit(const std::string& device, ParameterImage& image, std::string& failure,
             ParameterImage* received = nullptr);

// Program (then verify and wait for the unit's store progress) or Verify
// alone. The unit's own bytes, which a parameter file does not carry, are
// read from the unit first and go into image.
int TransferToUnit(const std::string& device, ParameterImage& image, bool program, std::string& failure);

// Without --count a silent unit is only reported; with it, this long
// without a frame ends the monitor.
constexpr int MonitorGiveUpSeconds = 5;

struct MonitorSettings {
    int frameCount = 0;  // 0: until interrupted
    std::string csvPath;  // empty: the label texts on stdout
    bool extended = false;
};

// A port that goes away ends the monitor with failure set.
int MonitorUnit(const std::string& device, const MonitorSettings& settings, std::string& failure);

}  // namespace torvana
