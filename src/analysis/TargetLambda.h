#pragma once
// The lambda the tuner wants in each cell of the injection tables: the same
// throttle rows and engine-speed columns as the curve tables. Kept as a
// small text file of its own beside the parameter file.

#include "core/ImageLayout.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace torvana {

using LambdaGrid = std::array<std::array<double, CurveColumns>, CurveRows>;

constexpr double LowestTargetLambda = 0.6;
constexpr double HighestTargetLambda = 1.6;
constexpr double StoichiometricLambda = 1.0;
constexpr double PowerLambda = 0.88;
// Rows from this throttle on get the power mixture by default.
constexpr int PowerThrottlePercent = 60;

// 0.88 from 60 % throttle on, 1.0 below.
LambdaGrid DefaultTargetLambda();

constexpr std::string_view TargetLambdaHeader = "TORVANA TARGET LAMBDA 1";
constexpr std::string_view TargetLambdaExtension = ".lambda";
constexpr std::size_t TargetLambdaSizeLimit = 64 * 1024;

// The header, a comment line, then one line per throttle row: the row's
// throttle percent and its 15 lambdas with three decimals.
std::string FormatTargetLambda(const LambdaGrid& grid);

struct TargetLambdaParse {
    bool ok = false;
    LambdaGrid grid{};
    std::string error;  // when !ok: "line N: why"
};

// Blank lines and lines starting with '#' are skipped; CR LF and a
// byte-order mark are taken. Anything else that is not exactly the header
// and ten rows in throttle order, each with 15 lambdas within range, is
// refused with the reason.
TargetLambdaParse ParseTargetLambda(std::string_view text);

// The target file that belongs to a parameter file: the same name with the
// extension .lambda; without a parameter file, target.lambda in dataFolder.
std::string TargetLambdaPath(const std::string& parameterFile, const std::string& dataFolder);

// Reads path; a missing file is an error too (the caller keeps its grid).
TargetLambdaParse LoadTargetLambda(const std::string& path);
// Empty on success, else why the file could not be written.
std::string SaveTargetLambda(const std::string& path, const LambdaGrid& grid);

}  // namespace torvana
