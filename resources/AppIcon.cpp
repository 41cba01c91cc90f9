// SPDX-License-Identifier: MIT
#include "resources/AppIcon.h"

#include "platform/rtl/SysUtils.h"
#include "resources/ColorMix.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The tile in unit coordinates (0..1 across the icon); resources/durnik.svg draws the
// same shape, so the desktop icon and the window icon agree.
constexpr double kCenterX = 0.5;
constexpr double kCenterY = 0.42;
constexpr double kHalfWidth = 0.46;
constexpr double kHalfHeight = 0.23; // half the width: the 2:1 isometric diamond
constexpr double kSlabThickness = 0.16;

constexpr int kLargestIcon = 1024;
constexpr int kSubsamples = 4; // per axis, for the coverage of edge pixels

constexpr Rgb kGrassLight { 0x6A, 0xD0, 0x4E };
constexpr Rgb kGrassDark { 0x38, 0x96, 0x2E };
constexpr Rgb kGrassEdge { 0x1E, 0x55, 0x1A };
constexpr Rgb kEarthLeft { 0x8E, 0x5C, 0x2C };
constexpr Rgb kEarthRight { 0x6A, 0x42, 0x1E };
constexpr Rgb kEarthEdge { 0x3C, 0x24, 0x0E };

// The colour of the tile at a point, or false where the icon is transparent. edgeWidth
// is the width of the dark outline in unit coordinates.
bool TileColorAt(double x, double y, double edgeWidth, Rgb& color)
{
    const double dx = std::abs(x - kCenterX);
    const double dy = y - kCenterY;
    const double diamond = dx / kHalfWidth + std::abs(dy) / kHalfHeight;
    if (diamond <= 1) {
        const double distanceToEdge = (1 - diamond)
            / std::sqrt(1 / (kHalfWidth * kHalfWidth) + 1 / (kHalfHeight * kHalfHeight));
        if (distanceToEdge < edgeWidth) {
            color = kGrassEdge;
            return true;
        }
        // Light falls from the upper left.
        const double shade = std::clamp((x - kCenterX + kHalfWidth + y - kCenterY + kHalfHeight)
                / (2 * (kHalfWidth + kHalfHeight)), 0.0, 1.0);
        color = Mix(kGrassLight, kGrassDark, shade);
        return true;
    }
    if (dx > kHalfWidth || dy <= 0)
        return false;
    const double slabTop = kCenterY + kHalfHeight * (1 - dx / kHalfWidth);
    const double slabBottom = slabTop + kSlabThickness;
    if (y > slabBottom)
        return false;
    const bool onEdge = slabBottom - y < edgeWidth || kHalfWidth - dx < edgeWidth;
    color = onEdge ? kEarthEdge : (x < kCenterX ? kEarthLeft : kEarthRight);
    return true;
}

} // namespace

IconImage DrawTileIcon(int size)
{
    if (size < 1 || size > kLargestIcon)
        throw EInvalidGraphic("The icon size " + IntToStr(size) + " is out of range");

    IconImage icon;
    icon.color.width = size;
    icon.color.height = size;
    icon.color.pixels.resize(std::size_t(size) * std::size_t(size));
    icon.alpha.resize(icon.color.pixels.size());

    const double edgeWidth = std::max(1.0, size / 32.0) / size;
    constexpr int samplesPerPixel = kSubsamples * kSubsamples;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            Rgb sum;
            int covered = 0;
            for (int sample = 0; sample < samplesPerPixel; ++sample) {
                const double x = (column + (sample % kSubsamples + 0.5) / kSubsamples) / size;
                const double y = (row + (sample / kSubsamples + 0.5) / kSubsamples) / size;
                Rgb color;
                if (!TileColorAt(x, y, edgeWidth, color))
                    continue;
                sum = sum + color;
                ++covered;
            }
            const std::size_t index = std::size_t(row) * std::size_t(size) + std::size_t(column);
            icon.alpha[index] = ToChannel(255.0 * covered / samplesPerPixel);
            if (covered > 0)
                icon.color.pixels[index] = ToColorRef(sum * (1.0 / covered));
        }
    }
    return icon;
}

IconResource TileIcon()
{
    IconResource icon;
    for (const int size : { 16, 32, 48, 64 })
        icon.images.push_back(DrawTileIcon(size));
    return icon;
}
