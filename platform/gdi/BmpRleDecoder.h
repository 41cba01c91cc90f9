// SPDX-License-Identifier: MIT
// Decodes the run-length encoded pixel streams of 8- and 4-bit BMP files.
#pragma once

#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/PixelRaster.h"

#include <cstdint>
#include <span>

// Fills raster (info.width x info.height) from an RLE8 or RLE4 stream that starts at the
// stream's first byte. Pixels the stream skips, by delta, end-of-line or end-of-bitmap
// codes, take palette colour 0, as the background an encoder leaves out. Throws
// EInvalidGraphic for a stream that is truncated or paints outside the picture.
void DecodeBmpRle(const BmpInfo& info, std::span<const std::uint8_t> stream, PixelRaster& raster);
