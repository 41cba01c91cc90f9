// SPDX-License-Identifier: MIT
// Writing rasters as BMP files, and reading them back unchanged.
#include "platform/gdi/BmpCodec.h"
#include "platform/rtl/SysUtils.h"
#include "tests/platform/gdi/BmpTestFiles.h"

#include <gtest/gtest.h>

namespace {

PixelRaster MakeRaster(int width, int height, bool monochrome)
{
    PixelRaster raster { .width = width, .height = height, .monochrome = monochrome, .pixels = {} };
    std::uint32_t seed = 0x9E3779B9u * std::uint32_t(width * 31 + height);
    for (int pixel = 0; pixel < width * height; ++pixel) {
        seed = seed * 1664525u + 1013904223u;
        const COLORREF color = (seed >> 8) & 0xFFFFFF;
        raster.pixels.push_back(monochrome ? ((color & 1) ? clWhite : clBlack) : color);
    }
    return raster;
}

} // namespace

TEST(BmpWrite, ColourRasterBecomesATwentyFourBitFile)
{
    const PixelRaster raster { .width = 2, .height = 2, .monochrome = false,
        .pixels = { clRed, clWhite, clBlue, clLime } };
    EXPECT_EQ(WriteBmp(raster), kTiny24BottomUp);
}

TEST(BmpWrite, MonochromeRasterBecomesAOneBitFile)
{
    // 3 x 2: top row white black white, bottom row black black white.
    const PixelRaster raster { .width = 3, .height = 2, .monochrome = true,
        .pixels = { clWhite, clBlack, clWhite, clBlack, clBlack, clWhite } };
    const Bytes expected = {
        'B', 'M',             // signature
        70, 0, 0, 0,          // file size
        0, 0, 0, 0,           // reserved
        62, 0, 0, 0,          // pixel data offset: after the two palette entries
        40, 0, 0, 0,          // info header size
        3, 0, 0, 0,           // width
        2, 0, 0, 0,           // height: bottom-up
        1, 0,                 // planes
        1, 0,                 // bits per pixel
        0, 0, 0, 0,           // compression: none
        8, 0, 0, 0,           // image size
        0x13, 0x0B, 0, 0,     // pixels per metre, x
        0x13, 0x0B, 0, 0,     // pixels per metre, y
        0, 0, 0, 0,           // colours used
        0, 0, 0, 0,           // important colours
        0, 0, 0, 0,           // palette 0: black
        0xFF, 0xFF, 0xFF, 0,  // palette 1: white
        0b0010'0000, 0, 0, 0, // bottom row
        0b1010'0000, 0, 0, 0, // top row
    };
    EXPECT_EQ(WriteBmp(raster), expected);
}

TEST(BmpWrite, ReadingBackGivesTheSameRaster)
{
    // Widths 1 to 9 pass through every row padding of both depths.
    for (bool monochrome : { false, true }) {
        for (int width = 1; width <= 9; ++width) {
            for (int height = 1; height <= 3; ++height) {
                const PixelRaster raster = MakeRaster(width, height, monochrome);
                EXPECT_EQ(DecodeTestBmp(WriteBmp(raster)), raster)
                    << width << " x " << height << (monochrome ? " monochrome" : " colour");
            }
        }
    }
}

TEST(BmpWrite, EmptyRasterCannotBeSaved)
{
    EXPECT_THROW(WriteBmp(PixelRaster {}), EInvalidGraphicOperation);
    EXPECT_THROW(WriteBmp(PixelRaster { .width = 3, .height = 0, .monochrome = false, .pixels = {} }),
        EInvalidGraphicOperation);
}
