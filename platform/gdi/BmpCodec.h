// SPDX-License-Identifier: MIT
// Reading and writing BMP files in memory.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <span>
#include <vector>

// Decodes every common BMP variant: 1, 4, 8, 16, 24 and 32 bits per pixel, bit fields,
// RLE8 and RLE4, bottom-up and top-down, OS/2 core and Windows 3 to 5 headers. A 1-bit
// file with palette black then white gives a monochrome raster. Throws EInvalidGraphic,
// saying what is wrong, for any file that is not a sound bitmap.
PixelRaster ReadBmp(std::span<const std::uint8_t> bytes);

// Encodes a colour raster as a 24-bit BMP and a monochrome one as a 1-bit BMP with
// palette black then white (a pixel is 1 when it is white). ReadBmp gives the raster back.
// Throws EInvalidGraphicOperation for an empty raster.
std::vector<std::uint8_t> WriteBmp(const PixelRaster& raster);

// The error of a picture file that is not a sound bitmap, naming the file as the host
// spells it: "Cannot load "<file>": <reason>".
[[noreturn]] void ThrowCannotLoad(const AnsiString& fileName, const EInvalidGraphic& error);
