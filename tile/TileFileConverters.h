// SPDX-License-Identifier: MIT
// How a batch without a window turns one picture file into one tile file. It composes with
// ComposeTile, as the window does, so both write the same tile for the same picture.
#pragma once

#include "platform/gdi/SampleMap.h"
#include "platform/vcl/Graphics.h"
#include "tile/BatchConverter.h"

#include <functional>

// Reads a source file already sampled to the tile through the sampler.
using TSampledReader = std::function<PixelRaster(const AnsiString& sourceFile, TSampler& sampler)>;
// Writes a composed tile; the map (the sampler's, for this source) tells which tile pixels
// the source covers.
using TTileWriter = std::function<void(TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile)>;

// The sampled BMP reader and the tile's own BMP save.
PixelRaster ReadBmpTileSource(const AnsiString& sourceFile, TSampler& sampler);
void WriteBmpTile(TBitmap& tile, const TSampleMap& map, const AnsiString& tileFile);

// For batches without a window: only the part of each picture the sampling takes is read,
// so the cost does not grow with the size of the pictures. mask must outlive the converter.
TConvertFile SampledTileConverter(TGraphic* mask, TSampler sampler, TSampledReader read = ReadBmpTileSource,
    TTileWriter write = WriteBmpTile);

// A stretch to width x height, BMP in and out.
TConvertFile SampledTileConverter(TGraphic* mask, int width, int height);
