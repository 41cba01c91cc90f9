// SPDX-License-Identifier: MIT
// A tile repeated as an isometric map lays it out, for seeing seams before a tile is saved.
#pragma once

#include "platform/gdi/PixelRaster.h"

#include <cstdint>
#include <span>

// columns x rows copies of the tile: copy (column, row) has its upper-left corner at
// ((column - row + rows - 1) * stepX, (column + row) * stepY), the steps half the tile's
// width and half the height of its face on the map, faceHeight (0: the whole tile; a block's
// top face, so its sides hang over the cells in front) (rounded up, so odd sizes leave no
// gap), drawn from the back row to the
// front one. Each tile pixel is blended over what lies beneath by its alpha (a byte a pixel,
// as many as the tile has), over a background of one colour. An empty tile gives an empty
// raster.
PixelRaster TileMosaic(const PixelRaster& tile, std::span<const std::uint8_t> alpha, int columns, int rows,
    COLORREF background, int faceHeight = 0);
