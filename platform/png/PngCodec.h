// SPDX-License-Identifier: MIT
// PNG files through libspng, for durnik-batch and the window alike. Kept out of the toolkit,
// so the toolkit's pictures stay BMP.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/gdi/SampleMap.h"
#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <span>
#include <vector>

// Whether the file starts with the PNG signature; false for a file too short or unreadable.
bool IsPngFile(const AnsiString& path);

// The picture of a PNG file of any colour type and bit depth, interlaced or not, sampled
// through the sampler's map: 16-bit channels keep their high byte, grey and palette pictures
// become their colours, and the picture's own transparency (alpha or a transparent colour)
// is laid over white. A picture stored without interlacing is decoded row by row and only
// the row being decoded is held, so memory does not grow with the picture. The whole file is
// checked all the same: a bad checksum, a cut-off file, an absurd size or more pixels than
// its compressed data can hold raises EInvalidGraphic ("Cannot load "<file>": The file is
// not a valid PNG picture: <reason>") before anything large is allocated; EInOutError when
// it cannot be read.
PixelRaster ReadPngFileSampled(const AnsiString& path, TSampler& sampler);

// The whole picture, the same way: for masks, and for the window, which shows it.
PixelRaster ReadPngFile(const AnsiString& path);

// An 8-bit RGBA PNG: colour from colours, opacity from alpha (one byte a pixel, as many as
// the raster has). Throws EInvalidGraphicOperation for an empty raster.
std::vector<std::uint8_t> WritePng(const PixelRaster& colours, std::span<const std::uint8_t> alpha);
