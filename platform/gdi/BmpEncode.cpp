// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpCodec.h"

#include "platform/gdi/BmpBytes.h"
#include "platform/rtl/SysUtils.h"

#include <cassert>
#include <limits>

using bmp_bytes::AppendU16;
using bmp_bytes::AppendU32;

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;
constexpr std::int32_t kPixelsPerMetre = 2835; // 72 dots per inch

void AppendHeaders(std::vector<std::uint8_t>& out, const PixelRaster& raster, std::uint16_t bitCount,
    std::uint32_t paletteSize, std::uint32_t imageSize)
{
    const std::uint32_t pixelOffset = kHeadersSize + paletteSize;
    out.push_back('B');
    out.push_back('M');
    AppendU32(out, pixelOffset + imageSize); // file size
    AppendU32(out, 0);                       // reserved
    AppendU32(out, pixelOffset);
    AppendU32(out, 40);                      // info header size
    AppendU32(out, std::uint32_t(raster.width));
    AppendU32(out, std::uint32_t(raster.height)); // positive: bottom-up
    AppendU16(out, 1);                       // planes
    AppendU16(out, bitCount);
    AppendU32(out, 0);                       // uncompressed
    AppendU32(out, imageSize);
    AppendU32(out, kPixelsPerMetre);
    AppendU32(out, kPixelsPerMetre);
    AppendU32(out, 0);                       // colours used: all the depth allows
    AppendU32(out, 0);                       // important colours: all
}

void StoreColorRow(std::uint8_t* stored, const COLORREF* pixels, int width)
{
    for (int x = 0; x < width; ++x, stored += 3) {
        stored[0] = GetBValue(pixels[x]);
        stored[1] = GetGValue(pixels[x]);
        stored[2] = GetRValue(pixels[x]);
    }
}

void StoreMonochromeRow(std::uint8_t* stored, const COLORREF* pixels, int width)
{
    for (int x = 0; x < width; ++x) {
        if (pixels[x] == clWhite)
            stored[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
    }
}

} // namespace

std::vector<std::uint8_t> WriteBmp(const PixelRaster& raster)
{
    if (raster.Empty())
        throw EInvalidGraphicOperation("Cannot save an empty picture as a bitmap");
    assert(raster.pixels.size() == std::size_t(raster.width) * std::size_t(raster.height)
        && "a raster holds width x height pixels");

    const std::uint16_t bitCount = raster.monochrome ? 1 : 24;
    const std::uint32_t paletteSize = raster.monochrome ? 8 : 0;
    const std::uint64_t rowStride = (std::uint64_t(raster.width) * bitCount + 31) / 32 * 4;
    const std::uint64_t imageSize = rowStride * std::uint64_t(raster.height);
    if (imageSize > std::numeric_limits<std::uint32_t>::max() - kHeadersSize - paletteSize)
        throw EInvalidGraphicOperation("The picture is too large to be saved as a bitmap");

    std::vector<std::uint8_t> out;
    out.reserve(kHeadersSize + paletteSize + imageSize);
    AppendHeaders(out, raster, bitCount, paletteSize, std::uint32_t(imageSize));
    if (raster.monochrome) {
        AppendU32(out, 0x00000000); // black
        AppendU32(out, 0x00FFFFFF); // white
    }
    const std::size_t firstRow = out.size();
    out.resize(firstRow + imageSize); // padding stays zero
    for (int y = 0; y < raster.height; ++y) {
        std::uint8_t* stored = out.data() + firstRow + std::size_t(raster.height - 1 - y) * rowStride;
        if (raster.monochrome)
            StoreMonochromeRow(stored, raster.Row(y), raster.width);
        else
            StoreColorRow(stored, raster.Row(y), raster.width);
    }
    return out;
}
