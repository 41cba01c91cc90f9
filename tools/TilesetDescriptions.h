// SPDX-License-Identifier: MIT
// The two descriptions of a sheet: a Tiled tileset (TSX) and the sprite-atlas JSON that 2D
// engines' loaders read. Both name the sheet's picture relative to themselves, as all three
// files lie side by side.
#pragma once

#include "platform/rtl/SysUtils.h"
#include "tools/SheetLayout.h"

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

// The name of the sheet's picture, beside its descriptions.
AnsiString SheetImageName(const AnsiString& sheetName);
