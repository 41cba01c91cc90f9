// SPDX-License-Identifier: MIT
// The map cell a tile stands on, and how the tile's picture reaches past it: a block rises
// above its cell by its depth, and a PNG tile with overdraw reaches past it on every side.
#pragma once

struct TTileCell {
    int width = 0; // the cell's diamond: a map's tile width and height
    int height = 0;
    int depth = 0; // a block's side faces: its picture rises this much above the cell
    int overdraw = 0; // pixels the picture reaches past the cell on every side

    int PictureWidth() const { return width + 2 * overdraw; }
    int PictureHeight() const { return height + depth + 2 * overdraw; }
    // The cell's left and top edge in the picture: a block's floor diamond is its lowest.
    int CellLeft() const { return overdraw; }
    int CellTop() const { return overdraw + depth; }
};
