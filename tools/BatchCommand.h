// SPDX-License-Identifier: MIT
// durnik-batch: the Batch command of the window for the command line.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <iosfwd>
#include <span>

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitConversionFailed = 1;
inline constexpr int kExitUsage = 2;

struct TBatchCommandContext {
    std::ostream& out;
    std::ostream& err;
    AnsiString programDirectory; // with its separator; mask/iso.bmp is looked for there
    bool showProgress = false;   // a progress bar on err, for a terminal
};

// Runs the command with the arguments after the program name; returns the exit status.
int RunBatchCommand(std::span<const char* const> arguments, const TBatchCommandContext& context);
