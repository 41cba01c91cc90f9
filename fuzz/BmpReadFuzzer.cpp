// SPDX-License-Identifier: MIT
// libFuzzer entry for the BMP reader: any input is either refused with EInvalidGraphic
// or decoded to a raster that survives a write and a second read unchanged.
#include "platform/gdi/BmpCodec.h"
#include "platform/rtl/SysUtils.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PixelRaster raster;
    try {
        raster = ReadBmp(std::span(data, size));
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    const PixelRaster again = ReadBmp(WriteBmp(raster));
    if (!(again == raster))
        std::abort(); // the round trip lost or changed pixels
    return 0;
}
