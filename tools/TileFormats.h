// SPDX-License-Identifier: MIT
// The file formats of durnik-batch beyond the window's BMP: PNG sources, masks and tiles.
#pragma once

#include "platform/vcl/graphics/Graphics.h"
#include "tile/TileFileConverters.h"

#include <cstdint>
#include <functional>
#include <span>

// A mask from a BMP or a PNG file, told apart by the file's first bytes.
void LoadMask(const AnsiString& maskFile, TBitmap& mask);

// A source sampled through the sampler: a PNG when its name ends in ".png" in any letter
// case, a BMP otherwise.
PixelRaster ReadTileSource(const AnsiString& sourceFile, TSampler& sampler);

// Told of each PNG tile once it is written, with the pixels written.
using TPngTileWritten = std::function<void(const PixelRaster& colours, std::span<const std::uint8_t> alpha)>;

// Writes 8-bit RGBA PNG tiles: the colour is the composed tile's, so a viewer that ignores
// alpha sees the BMP tile, and the alpha is the brightness of the mask stretched to the tile,
// (r + g + b) / 3 rounded down, or 0 where the source covers nothing. Without a mask the
// tile is opaque wherever the source covers it. mask must outlive the writer.
TTileWriter PngTileWriter(TGraphic* mask, int width, int height, TPngTileWritten written = {});
