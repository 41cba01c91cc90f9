// SPDX-License-Identifier: MIT
// The pixels of a one-pixel line, computed only where they can land on the drawable area.
#pragma once

#include "platform/gdi/Rect.h"

#include <cstdint>
#include <functional>

struct WidePoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Calls plot for each pixel of the line from start towards end, end excluded, that lies
// inside area. Each pixel's minor coordinate is the exact rounding (halves away from the
// start) of its place on the ideal line, so a long line clipped to a small area costs
// only the pixels inside.
void RasterizeLine(WidePoint start, WidePoint end, const TRect& area, const std::function<void(int x, int y)>& plot);
