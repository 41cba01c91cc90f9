// SPDX-License-Identifier: MIT
// A one-line progress bar redrawn in place, for a terminal.
#pragma once

#include "platform/rtl/SysUtils.h"

#include <cstddef>
#include <iosfwd>

class TProgressBar {
public:
    TProgressBar(std::ostream& stream, bool enabled) : FStream(stream), FEnabled(enabled) {}

    // Before item index (from 0) of total, named name.
    void Show(std::size_t index, std::size_t total, const AnsiString& name);
    // Clears the line, so what follows starts on a clean one.
    void Finish();

private:
    std::ostream& FStream;
    bool FEnabled;
    bool FShown = false;
};
