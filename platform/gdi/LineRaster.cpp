// SPDX-License-Identifier: MIT
#include "platform/gdi/LineRaster.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Products of two device distances (each below 2^34) need more than 64 bits.
__extension__ using Int128 = __int128;

std::int64_t Sign(std::int64_t value) { return value < 0 ? -1 : 1; }

} // namespace

void RasterizeLine(WidePoint start, WidePoint end, const TRect& area, const std::function<void(int x, int y)>& plot)
{
    if (area.IsEmpty())
        return;
    const std::int64_t deltaX = end.x - start.x;
    const std::int64_t deltaY = end.y - start.y;
    const bool xMajor = std::abs(deltaX) >= std::abs(deltaY);
    const std::int64_t majorStart = xMajor ? start.x : start.y;
    const std::int64_t minorStart = xMajor ? start.y : start.x;
    const std::int64_t majorDelta = xMajor ? deltaX : deltaY;
    const std::int64_t minorDelta = xMajor ? deltaY : deltaX;
    const std::int64_t steps = std::abs(majorDelta);
    if (steps == 0)
        return;
    const std::int64_t majorStep = Sign(majorDelta);
    const std::int64_t minorStep = Sign(minorDelta);
    const std::int64_t minorLength = std::abs(minorDelta);
    const std::int64_t areaMajorStart = xMajor ? area.Left : area.Top;
    const std::int64_t areaMajorEnd = xMajor ? area.Right : area.Bottom;
    const std::int64_t areaMinorStart = xMajor ? area.Top : area.Left;
    const std::int64_t areaMinorEnd = xMajor ? area.Bottom : area.Right;

    // The steps whose major coordinate lies inside the area.
    std::int64_t firstStep = majorStep > 0 ? areaMajorStart - majorStart : majorStart - (areaMajorEnd - 1);
    std::int64_t lastStep = majorStep > 0 ? areaMajorEnd - majorStart : majorStart - areaMajorStart + 1;
    firstStep = std::max<std::int64_t>(firstStep, 0);
    lastStep = std::min(lastStep, steps);

    for (std::int64_t step = firstStep; step < lastStep; ++step) {
        const auto minorOffset
            = std::int64_t((Int128(2) * step * minorLength + steps) / (Int128(2) * steps));
        const std::int64_t major = majorStart + majorStep * step;
        const std::int64_t minor = minorStart + minorStep * minorOffset;
        if (minor < areaMinorStart || minor >= areaMinorEnd)
            continue;
        if (xMajor)
            plot(int(major), int(minor));
        else
            plot(int(minor), int(major));
    }
}
