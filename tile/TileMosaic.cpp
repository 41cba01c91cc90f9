// SPDX-License-Identifier: MIT
#include "tile/TileMosaic.h"

#include <cassert>

namespace {

std::uint8_t BlendChannel(int over, int under, int alpha)
{
    return std::uint8_t((over * alpha + under * (255 - alpha) + 127) / 255);
}

COLORREF Blend(COLORREF over, COLORREF under, std::uint8_t alpha)
{
    return RGB(BlendChannel(GetRValue(over), GetRValue(under), alpha),
        BlendChannel(GetGValue(over), GetGValue(under), alpha),
        BlendChannel(GetBValue(over), GetBValue(under), alpha));
}

void Lay(const PixelRaster& tile, std::span<const std::uint8_t> alpha, int left, int top, PixelRaster& map)
{
    for (int y = 0; y < tile.height; ++y) {
        const std::size_t rowStart = std::size_t(y) * std::size_t(tile.width);
        for (int x = 0; x < tile.width; ++x) {
            const std::uint8_t opacity = alpha[rowStart + std::size_t(x)];
            if (opacity == 0)
                continue;
            COLORREF& under = map.At(left + x, top + y);
            under = Blend(tile.At(x, y), under, opacity);
        }
    }
}

} // namespace

PixelRaster TileMosaic(const PixelRaster& tile, std::span<const std::uint8_t> alpha, int columns, int rows,
    COLORREF background, int faceHeight)
{
    assert(columns > 0 && rows > 0 && "a map has at least one tile");
    if (tile.Empty() || alpha.size() != tile.pixels.size())
        return {};
    const int stepX = (tile.width + 1) / 2;
    const int stepY = ((faceHeight > 0 ? faceHeight : tile.height) + 1) / 2;
    const int width = (columns + rows - 2) * stepX + tile.width;
    const int height = (columns + rows - 2) * stepY + tile.height;
    PixelRaster map { width, height, false,
        std::vector<COLORREF>(std::size_t(width) * std::size_t(height), background) };
    // Back to front: a tile further down the screen lies over the ones behind it.
    for (int depth = 0; depth < columns + rows - 1; ++depth)
        for (int row = 0; row < rows; ++row) {
            const int column = depth - row;
            if (column >= 0 && column < columns)
                Lay(tile, alpha, (column - row + rows - 1) * stepX, depth * stepY, map);
        }
    return map;
}
