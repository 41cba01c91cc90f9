// SPDX-License-Identifier: MIT
// The descriptions of a sheet: a Tiled tileset (TSX), the sprite-atlas JSON that 2D engines'
// loaders read and a Godot 4 TileSet resource. All three name the sheet's picture relative to
// themselves, as the files lie side by side, and all place each tile's cell, not its
// picture's corner, where the map puts the cell.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "tileset/SheetLayout.h"

#include <vector>

struct TSheetTile {
    AnsiString pictureName; // the source picture's file name
    AnsiString tileName; // the tile's file name
};

// tiles in sheet order, layout.tileCount of them; every name IsMarkupText.
AnsiString TsxDocument(
    const AnsiString& sheetName, const TSheetLayout& layout, const std::vector<TSheetTile>& tiles);

// app and version name the program that wrote the atlas.
AnsiString AtlasJsonDocument(const AnsiString& sheetName, const TSheetLayout& layout,
    const std::vector<TSheetTile>& tiles, const AnsiString& app, const AnsiString& version);

// An isometric TileSet with one atlas source over the sheet's picture, every tile of the
// layout declared once.
AnsiString GodotTileSetDocument(const AnsiString& sheetName, const TSheetLayout& layout);

// The name of the sheet's picture, beside its descriptions.
AnsiString SheetImageName(const AnsiString& sheetName);
