// SPDX-License-Identifier: MIT
// The sheet of a batch of PNG tiles: every tile laid out on one picture, written with its
// Tiled tileset and sprite atlas once the whole batch has converted.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "tile/BatchConverter.h"
#include "tools/SheetLayout.h"
#include "tools/TilesetDescriptions.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class TTileSheet {
public:
    TTileSheet(TSheetOptions options, AnsiString outputDirectory, int tileWidth, int tileHeight);

    // Lays the sheet out for these pictures (names without directory, in batch order) before
    // any tile is written. Raises ESheetRefused for a sheet too large, a name neither TSX nor
    // JSON can hold, or a tile that would be overwritten by the sheet's picture.
    void Plan(const std::vector<AnsiString>& pictureNames, const TBatchNames& names);
    // The next tile in batch order, as written.
    void Add(const PixelRaster& colours, std::span<const std::uint8_t> alpha);
    // The picture, the tileset and the atlas, each written atomically; after every tile.
    void Write(const AnsiString& version) const;

private:
    TSheetOptions FOptions;
    AnsiString FOutputDirectory;
    int FTileWidth;
    int FTileHeight;
    std::optional<TSheetLayout> FLayout;
    std::vector<TSheetTile> FTiles;
    PixelRaster FColours;
    std::vector<std::uint8_t> FAlpha;
    int FAdded = 0;
};
