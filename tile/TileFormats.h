// SPDX-License-Identifier: MIT
// The picture formats beyond the toolkit's BMP, shared by the window and durnik-batch so
// both read and write the same pixels: PNG sources, masks and tiles.
#pragma once

#include "platform/vcl/graphics/Graphics.h"
#include "tile/TileFileConverters.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// A whole picture from a BMP or a PNG file, told apart by the file's first bytes; a file
// that is neither gets the BMP reader's error. A failed load leaves the bitmap as it was.
void LoadPicture(const AnsiString& fileName, TBitmap& picture);

// A source sampled through the sampler: a PNG when its name ends in ".png" in any letter
// case, a BMP otherwise.
PixelRaster ReadTileSource(const AnsiString& sourceFile, TSampler& sampler);

// The brightness of the mask stretched to the tile, (r + g + b) / 3 rounded down, a byte a
// pixel; all 255 without a mask.
std::vector<std::uint8_t> MaskBrightness(TGraphic* mask, int width, int height);
// A tile's opacity: the mask's brightness, or 0 where the source covers nothing.
std::vector<std::uint8_t> TileAlpha(std::vector<std::uint8_t> brightness, const TSampleMap& map);
// The tile's colours with that opacity as an 8-bit RGBA PNG, written atomically.
void WritePngTile(
    const PixelRaster& colours, std::span<const std::uint8_t> alpha, const AnsiString& tileFile);

// Told of each PNG tile once it is written, with the pixels written.
using TPngTileWritten = std::function<void(const PixelRaster& colours, std::span<const std::uint8_t> alpha)>;

// Writes 8-bit RGBA PNG tiles: the colour is the composed tile's, so a viewer that ignores
// alpha sees the BMP tile, and the alpha is the brightness of the mask stretched to the tile,
// (r + g + b) / 3 rounded down, or 0 where the source covers nothing. Without a mask the
// tile is opaque wherever the source covers it. mask must outlive the writer.
TTileWriter PngTileWriter(TGraphic* mask, int width, int height, TPngTileWritten written = {});
