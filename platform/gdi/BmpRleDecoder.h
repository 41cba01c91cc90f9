// SPDX-License-Identifier: MIT
// Decodes the run-length encoded pixel streams of 8- and 4-bit BMP files.
#pragma once

#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/PixelRaster.h"
#include "platform/rtl/ByteSource.h"

#include <cstdint>
#include <functional>
#include <span>

// Fills raster (info.width x info.height) from an RLE8 or RLE4 stream that starts at the
// stream's first byte. Pixels the stream skips, by delta, end-of-line or end-of-bitmap
// codes, take palette colour 0, as the background an encoder leaves out. Throws
// EInvalidGraphic for a stream that is truncated or paints outside the picture.
void DecodeBmpRle(const BmpInfo& info, std::span<const std::uint8_t> stream, PixelRaster& raster);

// Where a decoded row goes: the buffer of info.width pixels for raster row y (0 = top),
// already holding palette colour 0, or nullptr for a row the caller does not keep. Rows
// not kept are decoded and checked all the same.
using TRleRowSink = std::function<COLORREF*(int row)>;

// The same decoding as DecodeBmpRle, row by row from a stream read in order wherever it is
// kept, so a caller can keep only some rows.
void DecodeBmpRleRows(const BmpInfo& info, TSequentialReader& stream, const TRleRowSink& sink);
