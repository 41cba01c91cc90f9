// SPDX-License-Identifier: MIT
#include "tile/TileMosaic.h"

#include "tile/TiledIsoLayout.h"

#include <algorithm>
#include <cassert>

namespace {

// Opaque enough that no map editor's rendering lets the background through visibly.
constexpr int kLeastSolidAlpha = 250;

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

// Blends the tile over map at (left, top); cover holds how opaque each map pixel has become.
void Lay(const PixelRaster& tile, std::span<const std::uint8_t> alpha, int left, int top, PixelRaster& map,
    std::vector<std::uint8_t>& cover)
{
    for (int y = 0; y < tile.height; ++y) {
        const std::size_t rowStart = std::size_t(y) * std::size_t(tile.width);
        for (int x = 0; x < tile.width; ++x) {
            const std::uint8_t opacity = alpha[rowStart + std::size_t(x)];
            if (opacity == 0)
                continue;
            COLORREF& under = map.At(left + x, top + y);
            under = Blend(tile.At(x, y), under, opacity);
            std::uint8_t& covered
                = cover[std::size_t(top + y) * std::size_t(map.width) + std::size_t(left + x)];
            covered = std::uint8_t(opacity + (covered * (255 - opacity) + 127) / 255);
        }
    }
}

// Whether the centre of pixel (x, y) of the map's own picture lies inside its diamond.
bool InsideMap(int x, int y, int columns, int rows, const TTileCell& cell)
{
    const double across = (x + 0.5) / cell.width - rows / 2.0;
    const double down = (y + 0.5) / cell.height;
    const double column = down + across;
    const double row = down - across;
    return column >= 0 && column < columns && row >= 0 && row < rows;
}

} // namespace

TMosaic TileMosaic(const PixelRaster& tile, std::span<const std::uint8_t> alpha, int columns, int rows,
    COLORREF background, const TTileCell& cell)
{
    assert(columns > 0 && rows > 0 && "a map has at least one tile");
    if (tile.Empty() || alpha.size() != tile.pixels.size() || cell.height < 2
        || tile.width != cell.PictureWidth() || tile.height != cell.PictureHeight())
        return {};
    const TIsoMapLayout layout = TiledIsoLayout(columns, rows, cell);
    int left = 0;
    int top = 0;
    int right = layout.width;
    int bottom = layout.height;
    for (const TPlacedPicture& placed : layout.pictures) {
        left = std::min(left, placed.left);
        top = std::min(top, placed.top);
        right = std::max(right, placed.left + tile.width);
        bottom = std::max(bottom, placed.top + tile.height);
    }
    TMosaic mosaic;
    mosaic.mapLeft = -left;
    mosaic.mapTop = -top;
    mosaic.mapWidth = layout.width;
    mosaic.mapHeight = layout.height;
    const int width = right - left;
    const std::size_t pixels = std::size_t(width) * std::size_t(bottom - top);
    mosaic.picture = PixelRaster { width, bottom - top, false, std::vector<COLORREF>(pixels, background) };
    std::vector<std::uint8_t> cover(pixels, 0);
    for (const TPlacedPicture& placed : layout.pictures)
        Lay(tile, alpha, placed.left - left, placed.top - top, mosaic.picture, cover);
    for (int y = 0; y < layout.height; ++y)
        for (int x = 0; x < layout.width; ++x)
            if (InsideMap(x, y, columns, rows, cell)
                && cover[std::size_t(y - top) * std::size_t(width) + std::size_t(x - left)]
                    < kLeastSolidAlpha)
                ++mosaic.holes;
    return mosaic;
}
