// SPDX-License-Identifier: MIT
// A tile repeated as an isometric map lays it out, for seeing seams before a tile is saved:
// placed exactly where a map editor puts it (TiledIsoLayout), so the holes it shows are the
// ones the editor shows.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "tile/TileCell.h"

#include <cstdint>
#include <span>

struct TMosaic {
    // The map over a background of one colour, widened to show whatever reaches past the
    // map's own picture (a block's sides, overdraw at the edges).
    PixelRaster picture;
    int mapLeft = 0; // where the map's own picture, as the editor draws it, lies in picture
    int mapTop = 0;
    int mapWidth = 0;
    int mapHeight = 0;
    // The pixels inside the map's diamond less than 250 of 255 opaque: where a map drawn
    // from these tiles shows through.
    int holes = 0;
};

// columns x rows copies of the tile, a picture of the cell's picture size, each pixel
// blended over what lies beneath by its alpha (a byte a pixel, as many as the tile has),
// drawn in the editor's order. An empty tile, or an alpha or cell that does not fit it,
// gives an empty picture.
TMosaic TileMosaic(const PixelRaster& tile, std::span<const std::uint8_t> alpha, int columns, int rows,
    COLORREF background, const TTileCell& cell);
