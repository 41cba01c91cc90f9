// SPDX-License-Identifier: MIT
// PNG files for durnik-batch and the window alike: read with libdeflate or ISA-L inflating the
// pixels and libspng checking every other chunk, written through libspng. Kept out of the
// toolkit, so the toolkit's pictures stay BMP.
#pragma once

#include "platform/gdi/PixelRaster.h"
#include "platform/gdi/SampleMap.h"
#include "platform/png/PngInflate.h"
#include "platform/rtl/ByteSource.h"
#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// Whether the file starts with the PNG signature; false for a file too short or unreadable.
bool IsPngFile(const AnsiString& path);

// The picture of a PNG file of any colour type and bit depth, interlaced or not, sampled
// through the sampler's map: 16-bit channels keep their high byte, grey and palette pictures
// become their colours, and the picture's own transparency (alpha or a transparent colour)
// is laid over white. A picture whose image data fits the whole-inflate budget is inflated in
// one go; a larger one streams, decoded row by row with only the row being decoded held, so
// memory does not grow with the picture (an interlaced one keeps the rows the sampler takes
// besides). The whole file is
// checked all the same: a bad checksum, a cut-off file, an absurd size or more pixels than
// its compressed data can hold raises EInvalidGraphic ("Cannot load "<file>": The file is
// not a valid PNG picture: <reason>") before anything large is allocated; EInOutError when
// it cannot be read.
PixelRaster ReadPngFileSampled(const AnsiString& path, TSampler& sampler);

// The whole picture, the same way: for masks, and for the window, which shows it.
PixelRaster ReadPngFile(const AnsiString& path);

// The same two from bytes wherever they are kept. EInvalidGraphic says what is wrong without
// naming a file ("The file is not a valid PNG picture: <reason>"). A budget of 0 streams every
// picture, as tests of the streaming inflater want.
PixelRaster ReadPngSampled(
    const TByteSource& bytes, TSampler& sampler, std::uint64_t wholeInflateBudget = kWholeInflateBudget);
PixelRaster ReadPng(const TByteSource& bytes, std::uint64_t wholeInflateBudget = kWholeInflateBudget);

// An 8-bit RGBA PNG: colour from colours, opacity from alpha (one byte a pixel, as many as
// the raster has). Throws EInvalidGraphicOperation for an empty raster.
std::vector<std::uint8_t> WritePng(const PixelRaster& colours, std::span<const std::uint8_t> alpha);

// The same picture given row by row from the top, so a large one need not be held whole and
// its rows can be compressed while later ones are still being made.
// Smallest: zlib's default effort and the best filter for each row, as for tiles. Fastest:
// about a tenth of that effort for a file about a fifth larger, for a picture that repeats
// what other files hold already, such as a sheet of tiles.
enum class TPngCompression : std::uint8_t { Smallest, Fastest };

class TPngRowEncoder {
public:
    // Throws EInvalidGraphicOperation for an empty size.
    TPngRowEncoder(int width, int height, TPngCompression compression = TPngCompression::Smallest);
    ~TPngRowEncoder();
    TPngRowEncoder(const TPngRowEncoder&) = delete;
    TPngRowEncoder& operator=(const TPngRowEncoder&) = delete;

    // The next row: width colours and width opacities.
    void AddRow(const COLORREF* colours, const std::uint8_t* alpha);
    // The file, once every row is in.
    std::vector<std::uint8_t> Finish();

private:
    struct Context;
    std::unique_ptr<Context> FContext;
    int FWidth;
    int FHeight;
    int FRowsAdded = 0;
    std::vector<std::uint8_t> FRow; // RGBA
};
