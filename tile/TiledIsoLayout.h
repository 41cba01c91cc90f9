// SPDX-License-Identifier: MIT
// Where a map editor puts each tile of an isometric map, to the pixel. Cells step by half
// the cell (31.5 rows for a 63-pixel cell), so odd sizes fall on half pixels and the editor
// rounds; how it rounds depends on where its drawing loop starts, which depends on the
// pictures' size and offset. This follows Tiled 1.8 drawing a whole map at 1:1, as
// tmxrasterizer does, and is checked against it (tests/tools/TiledLayoutTest.cpp).
#pragma once

#include "tile/TileCell.h"

#include <vector>

struct TPlacedPicture {
    int column = 0;
    int row = 0;
    int left = 0; // the picture's top-left pixel on the map's picture
    int top = 0;
};

struct TIsoMapLayout {
    int width = 0; // the map's picture: (columns + rows) half cells across and down
    int height = 0;
    std::vector<TPlacedPicture> pictures; // every cell once, in drawing order, back to front
};

// A map of columns x rows cells, each holding a picture of cell's size, moved by the
// tileset's offset as its descriptions set it (left by the overdraw, down by the overdraw).
TIsoMapLayout TiledIsoLayout(int columns, int rows, const TTileCell& cell);
