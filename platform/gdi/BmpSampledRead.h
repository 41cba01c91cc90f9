// SPDX-License-Identifier: MIT
// Reading a BMP file already shrunk or grown to a given size by nearest neighbour. An
// uncompressed file is read in place: only the stored rows the stretch samples are read,
// so a picture of any size costs a few rows of memory and reading.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/gdi/SampleMap.h"
#include "platform/rtl/ByteSource.h"
#include "platform/rtl/SysUtils.h"

// The picture of the file stretched to width x height exactly as StretchBlt stretches the
// whole decoded picture; a monochrome picture stays monochrome. Raises EInOutError when the
// file cannot be opened or read and EInvalidGraphic when it is not a sound bitmap.
PixelRaster ReadBmpFileSampled(const AnsiString& path, int width, int height);
// The same through any sampling; only the rows the sampler's map takes are kept.
PixelRaster ReadBmpFileSampled(const AnsiString& path, TSampler& sampler);
// The same from bytes wherever they are kept. EInvalidGraphic says what is wrong without
// naming a file ("The file is not a valid bitmap: <reason>"), as ReadBmp does.
PixelRaster ReadBmpSampled(const TByteSource& bytes, TSampler& sampler);

// The same sampling of a decoded picture.
PixelRaster SampleRaster(const PixelRaster& source, int width, int height);
PixelRaster SampleRaster(const PixelRaster& source, TSampler& sampler);
