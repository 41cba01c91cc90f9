// SPDX-License-Identifier: MIT
// Where each tile of a batch goes on its sheet: row by row in the batch's order, with
// spacing between tiles and a margin around them, as Tiled and sprite-atlas loaders count.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "tile/TileCell.h"

#include <optional>

// The widest and tallest sheet written, a size every engine's texture loader takes.
inline constexpr int kMostSheetSide = 16384;

// A sheet the batch cannot write as asked; refused before anything is written.
class ESheetRefused : public Exception {
    using Exception::Exception;
};

// The most pixels a sheet repeats each tile's edge by.
inline constexpr int kMostExtrude = 64;

struct TSheetOptions {
    AnsiString name; // the sheet's files are name.png, name.tsx, name.json and name.tres; empty: no sheet
    std::optional<int> columns; // default: the smallest n with n * n >= the number of tiles
    int spacing = 0; // pixels between neighbouring tiles, besides the extrusion
    int margin = 0; // pixels around all tiles, besides the extrusion
    int extrude = 0; // pixels each tile's edge is repeated by into the gap around it
};

struct TSheetPosition {
    int x = 0;
    int y = 0;
};

struct TSheetLayout {
    TTileCell cell;
    int tileWidth = 0; // a tile's picture
    int tileHeight = 0;
    int tileCount = 0;
    int columns = 0;
    int rows = 0;
    int spacing = 0; // the extrusion included
    int margin = 0;
    int extrude = 0;
    int width = 0;
    int height = 0;

    // The top-left pixel of tile index, from 0.
    TSheetPosition Position(int index) const;
};

// Raises ESheetRefused when the sheet would be wider or taller than kMostSheetSide.
TSheetLayout LayOutSheet(int tileCount, const TTileCell& cell, const TSheetOptions& options);
