// SPDX-License-Identifier: MIT
#include "platform/gdi/DeviceScale.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSmallestRatio = 0.5;
constexpr double kLargestRatio = 8.0;

} // namespace

std::int64_t ScaleEdge(std::int64_t edge, double scale)
{
    if (scale == 1.0)
        return edge;
    return std::int64_t(std::floor(double(edge) * scale + 0.5));
}

std::int64_t LogicalCellOf(std::int64_t devicePixel, double scale)
{
    if (scale == 1.0)
        return devicePixel;
    // The quotient is off by at most one either way after rounding; the edges settle it.
    std::int64_t cell = std::int64_t(std::floor(double(devicePixel) / scale));
    while (ScaleEdge(cell, scale) > devicePixel)
        --cell;
    while (ScaleEdge(cell + 1, scale) <= devicePixel)
        ++cell;
    return cell;
}

int LineThickness(double scale)
{
    return std::max(1, int(std::lround(scale)));
}

double UsablePixelRatio(double ratio)
{
    if (!std::isfinite(ratio) || ratio < kSmallestRatio || ratio > kLargestRatio)
        return 1.0;
    return ratio;
}
