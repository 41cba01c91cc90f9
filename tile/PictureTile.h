// SPDX-License-Identifier: MIT
// The tile of a whole picture held in memory, as the window makes it: under any projection
// the picture is sampled exactly as a batch without a window samples it from the file, so
// the window and durnik-batch give the same tile, and a PNG save writes the same bytes.
#pragma once

#include "platform/gdi/SampleMap.h"
#include "platform/vcl/graphics/Graphics.h"
#include "tile/BlockProjection.h"
#include "tile/TileCell.h"
#include "tile/TileProjection.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

enum class TTileFormat : std::uint8_t { Bmp, Png };

// PNG for a name ending in ".png" in any letter case, BMP for any other.
TTileFormat TileFormatOf(const AnsiString& fileName);

// The height of a tile whose top face is height high: a block's adds its side faces.
int ProjectedTileHeight(TTileProjection projection, int height, int blockDepth);

// A tile as a file of one format holds it: its pixels, their opacity (all 255 where a BMP
// holds no opacity of its own, the mask's where it does) and the cell it stands on.
struct TWrittenTile {
    PixelRaster colours;
    std::vector<std::uint8_t> alpha;
    TTileCell cell;
};

// A composed tile and what it takes to write it in either format: the PNG's alpha comes from
// the mask as it was at composing, so a mask loaded later does not change the saved tile.
class TPictureTile {
public:
    // Composes tile from source (empty: the source draws nothing) and mask. A block tile is
    // blockDepth (0: height) pixels taller than height and takes no mask. With a source, the
    // PNG tile reaches kDefaultOverdraw pixels past its cell, as durnik-batch writes it.
    void Compose(TGraphic* source, TGraphic* mask, TBitmap& tile, int width, int height,
        TTileProjection projection, int blockDepth = 0);
    // Writes tile, which Compose made, atomically in that format. Raises
    // EInvalidGraphicOperation when nothing has been composed.
    void Save(TBitmap& tile, const AnsiString& fileName, TTileFormat format) const;
    // The opacity of each pixel of tile, as the mask and the projection give it; empty when
    // nothing has been composed.
    std::vector<std::uint8_t> Alpha() const;
    // What a save of tile, which Compose made, in that format writes; a BMP's opacity is
    // Alpha(), which a map of BMP tiles shows through a colour key.
    TWrittenTile Written(const TBitmap& tile, TTileFormat format) const;
    // The height of the tile's face on the map: a block's top face, else the whole tile.
    int FaceHeight() const { return FFaceHeight; }

private:
    void ComposeOverdrawn(const PixelRaster& picture, TGraphic* mask, int width, TTileProjection projection,
        const TBlockShape& block);

    std::shared_ptr<const TSampleMap> FMap; // which tile pixels the source covers
    std::vector<std::uint8_t> FMaskBrightness;
    int FFaceHeight = 0;
    int FDepth = 0;
    std::optional<TWrittenTile> FOverdrawn; // the PNG tile, reaching past its cell
};
