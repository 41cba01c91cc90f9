// SPDX-License-Identifier: MIT
// The sheet of a batch of PNG tiles: every tile laid out on one picture, written with its
// Tiled tileset, sprite atlas and Godot TileSet once the whole batch has converted.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/png/PngCodec.h"
#include "tile/BatchConverter.h"
#include "tileset/SheetLayout.h"
#include "tileset/TilesetDescriptions.h"

#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class TTileSheet {
public:
    // Every tile stands on a cell of this shape.
    TTileSheet(TSheetOptions options, AnsiString outputDirectory, TTileCell cell);
    ~TTileSheet();
    TTileSheet(const TTileSheet&) = delete;
    TTileSheet& operator=(const TTileSheet&) = delete;

    // Lays the sheet out for these pictures (the batch's source files in inputDirectory, in
    // its order) before any tile is written. Raises ESheetRefused for a sheet too large, a name neither TSX
    // nor JSON can hold, or a tile that would be overwritten by the sheet's picture.
    void Plan(const std::vector<AnsiString>& sourceFiles, const AnsiString& inputDirectory,
        const TBatchNames& names);
    // The next tile in batch order, as written.
    void Add(const PixelRaster& colours, std::span<const std::uint8_t> alpha);
    // The picture and its three descriptions, each written atomically; after every tile.
    // The atlas names the program's version.
    void Write(const AnsiString& version);

private:
    // One row of tiles with the transparent rows below it, as pixel rows of the sheet.
    struct Band {
        PixelRaster colours;
        std::vector<std::uint8_t> alpha;
    };

    Band EmptyBand(int rows) const;
    // Copies a tile's pixels into the band with its top edge at row top, its edge repeated
    // by the extrusion all around.
    void Place(const PixelRaster& colours, std::span<const std::uint8_t> alpha, int left, int top);
    // Compresses band after the bands before it, on another thread, so the batch goes on.
    void Encode(Band band);

    TSheetOptions FOptions;
    AnsiString FOutputDirectory;
    TTileCell FCell;
    std::optional<TSheetLayout> FLayout;
    std::vector<TSheetTile> FTiles;
    std::unique_ptr<TPngRowEncoder> FEncoder;
    Band FBand; // the row of tiles being filled
    int FAdded = 0;
    std::future<void> FEncoded; // the last band handed to the encoder
};
