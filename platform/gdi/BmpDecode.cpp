// SPDX-License-Identifier: MIT
#include "platform/gdi/BmpCodec.h"

#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/BmpRleDecoder.h"
#include "platform/gdi/BmpRowConverter.h"
#include "platform/gdi/LargeBuffer.h"

PixelRaster ReadBmp(std::span<const std::uint8_t> bytes)
{
    const BmpInfo info = ParseBmpHeader(bytes, bytes.size());
    PixelRaster raster;
    raster.monochrome = info.Monochrome();
    if (info.Compressed()) {
        DecodeBmpRle(info, bytes.subspan(info.pixelOffset), raster);
        return raster;
    }
    // The header parser has checked that every stored row lies inside bytes.
    raster.width = info.width;
    raster.height = info.height;
    const std::size_t count = std::size_t(info.width) * std::size_t(info.height);
    ReserveLargeBuffer(raster.pixels, count);
    raster.pixels.resize(count);
    const BmpRowConverter converter(info);
    for (int y = 0; y < info.height; ++y)
        converter.Convert(bytes.data() + info.RowFileOffset(y), raster.Row(y));
    return raster;
}
