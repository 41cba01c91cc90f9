// SPDX-License-Identifier: MIT
// Decoding of the uncompressed BMP variants, down to exact pixels.
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/BmpHeader.h"
#include "platform/gdi/BmpRowConverter.h"
#include "tests/platform/gdi/BmpTestFiles.h"

#include <gtest/gtest.h>

using Pixels = std::vector<COLORREF>;

TEST(BmpRead, BottomUpRowsComeOutTopDown)
{
    const PixelRaster raster = DecodeTestBmp(kTiny24BottomUp);
    EXPECT_EQ(raster.width, 2);
    EXPECT_EQ(raster.height, 2);
    EXPECT_FALSE(raster.monochrome);
    EXPECT_EQ(raster.pixels, (Pixels { clRed, clWhite, clBlue, clLime }));
}

TEST(BmpRead, NegativeHeightMeansTopDown)
{
    Bytes bytes = kTiny24BottomUp;
    bytes[22] = 0xFE; // height -2
    bytes[23] = bytes[24] = bytes[25] = 0xFF;
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clBlue, clLime, clRed, clWhite }));
}

TEST(BmpRead, LastRowMayLackItsPadding)
{
    // 1 x 2, 24 bpp: the bottom row is padded to four bytes, the top row stops after its pixel.
    const Bytes bytes = AssembleBmp(BmpParts().Width(1).Height(2).Pixels({ 0, 0, 0xFF, 0, 0xFF, 0, 0 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clBlue, clRed }));
}

TEST(BmpRead, ThirtyTwoBitsIgnoreTheFourthByte)
{
    const Bytes bytes = AssembleBmp(BmpParts().Width(2).BitCount(32).Pixels({ 1, 2, 3, 0xFF, 0x30, 0x20, 0x10, 0x77 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { RGB(3, 2, 1), RGB(0x10, 0x20, 0x30) }));
}

TEST(BmpReadPalette, BlackThenWhiteOneBitIsMonochrome)
{
    // 10 pixels cross a byte boundary; the leftmost pixel is the high bit.
    const Bytes bytes = AssembleBmp(BmpParts().Width(10).BitCount(1).Palette({ clBlack, clWhite }).Pixels({ 0b1010'0000, 0b0100'0000, 0, 0 }));
    const PixelRaster raster = DecodeTestBmp(bytes);
    EXPECT_TRUE(raster.monochrome);
    EXPECT_EQ(raster.pixels, (Pixels { clWhite, clBlack, clWhite, clBlack, clBlack, clBlack, clBlack, clBlack,
                                 clBlack, clWhite }));
}

TEST(BmpReadPalette, OtherOneBitPalettesAreColour)
{
    const Pixels whiteThenBlack { clWhite, clBlack };
    const Pixels redThenWhite { clRed, clWhite };
    for (const Pixels& palette : { whiteThenBlack, redThenWhite }) {
        const Bytes bytes = AssembleBmp(BmpParts().Width(2).BitCount(1).Palette(palette).Pixels({ 0x40, 0, 0, 0 }));
        const PixelRaster raster = DecodeTestBmp(bytes);
        EXPECT_FALSE(raster.monochrome);
        EXPECT_EQ(raster.pixels, (Pixels { palette[0], palette[1] }));
    }
}

TEST(BmpReadPalette, FourBitsTakeTheHighNibbleFirst)
{
    const Bytes bytes = AssembleBmp(BmpParts().Width(3).BitCount(4).ColorsUsed(4).Palette({ clBlack, clRed, clLime, clBlue }).Pixels({ 0x12, 0x30, 0, 0 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clRed, clLime, clBlue }));
}

TEST(BmpReadPalette, ColoursUsedShortensThePalette)
{
    const Bytes bytes = AssembleBmp(BmpParts().Width(4).BitCount(8).ColorsUsed(2).Palette({ clNavy, clYellow }).Pixels({ 1, 0, 0, 1 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clYellow, clNavy, clNavy, clYellow }));
}

TEST(BmpReadPalette, PixelsMayStartAfterAGap)
{
    const Bytes bytes = AssembleBmp(BmpParts().Width(1).BitCount(8).ColorsUsed(2).Palette({ clTeal, clOlive }).Gap(10).Pixels({ 1, 0, 0, 0 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clOlive }));
}

TEST(BmpReadPalette, CoreHeaderHasThreeBytePaletteEntries)
{
    const Bytes bytes = {
        'B', 'M',           // signature
        36, 0, 0, 0,        // file size
        0, 0, 0, 0,         // reserved
        32, 0, 0, 0,        // pixel data offset: after two 3-byte palette entries
        12, 0, 0, 0,        // core header size
        2, 0,               // width, 16 bits
        1, 0,               // height, 16 bits
        1, 0,               // planes
        1, 0,               // bits per pixel
        0, 0xFF, 0,         // palette 0: green (blue, green, red)
        0xFF, 0, 0,         // palette 1: blue
        0b0100'0000, 0, 0, 0, // the row: green, blue
    };
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clLime, clBlue }));
}

TEST(BmpReadPalette, CoreHeaderReadsTwentyFourBits)
{
    const Bytes bytes = AssembleBmp(BmpParts().HeaderSize(kCoreHeader).Width(1).Height(2).Pixels({ 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clWhite, clRed }));
}

TEST(BmpReadPacked, SixteenBitsDefaultToFiveFiveFive)
{
    // Little-endian words: white, pure red, blue 16 of 31, and the unused top bit alone.
    const Bytes bytes = AssembleBmp(BmpParts().Width(4).BitCount(16).Pixels({ 0xFF, 0x7F, 0x00, 0x7C, 0x10, 0x00, 0x00, 0x80 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clWhite, clRed, RGB(0, 0, 132), clBlack }));
}

TEST(BmpReadPacked, SixteenBitFieldsReadFiveSixFive)
{
    const Bytes bytes = AssembleBmp(BmpParts().Width(3).BitCount(16).Compression(kBitFields).Masks({ 0xF800, 0x07E0, 0x001F }).Pixels({ 0x00, 0xF8, 0xE0, 0x07, 0x20, 0x00, 0, 0 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clRed, clLime, RGB(0, 4, 0) }));
}

TEST(BmpReadPacked, ThirtyTwoBitFieldsMayReorderTheBytes)
{
    // Red in the lowest byte, blue in the third, the top byte unused.
    const Bytes bytes = AssembleBmp(BmpParts().Width(1).BitCount(32).Compression(kBitFields).Masks({ 0x0000FF, 0x00FF00, 0xFF0000 }).Pixels({ 0x10, 0x20, 0x30, 0x40 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { RGB(0x10, 0x20, 0x30) }));
}

TEST(BmpReadPacked, TenBitChannelsAreScaledToEight)
{
    // Red 1023, green 512, blue 1 in 10-10-10.
    const std::uint32_t pixel = (1023u << 20) | (512u << 10) | 1u;
    const Bytes bytes = AssembleBmp(BmpParts().Width(1).BitCount(32).Compression(kBitFields).Masks({ 0x3FF00000, 0x000FFC00, 0x000003FF }).Pixels({ std::uint8_t(pixel), std::uint8_t(pixel >> 8), std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 24) }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { RGB(255, 128, 0) }));
}

TEST(BmpReadPacked, LongerHeadersCarryTheirMasksInside)
{
    for (std::uint32_t headerSize : { 52u, 56u, kV4Header, kV5Header }) {
        const Bytes bytes = AssembleBmp(BmpParts().HeaderSize(headerSize).Width(1).BitCount(16).Compression(kBitFields).Masks({ 0xF800, 0x07E0, 0x001F, 0 }).Pixels({ 0x1F, 0x00, 0, 0 }));
        EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clBlue })) << "header size " << headerSize;
    }
}

TEST(BmpReadPacked, UncompressedFilesIgnoreTheMasksOfLongerHeaders)
{
    const Bytes bytes = AssembleBmp(BmpParts().HeaderSize(kV5Header).Width(1).BitCount(32).Masks({ 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000 }).Pixels({ 0xFF, 0, 0, 0 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { clBlue }));
}

TEST(BmpReadPacked, AlphaBitFieldsFollowAShortHeader)
{
    // Compression 6 keeps four masks after the 40-byte header; alpha is dropped.
    const Bytes bytes = AssembleBmp(BmpParts().Width(1).BitCount(32).Compression(6).Masks({ 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000 }).Pixels({ 0x01, 0x02, 0x03, 0x80 }));
    EXPECT_EQ(DecodeTestBmp(bytes).pixels, (Pixels { RGB(3, 2, 1) }));
}

TEST(BmpChannelScale, RoundsToTheNearestEightBitValue)
{
    struct Case {
        int width;
        std::uint32_t value;
        std::uint8_t expected;
    };
    const Case cases[] = { { 1, 1, 255 }, { 2, 1, 85 }, { 3, 3, 109 }, { 5, 15, 123 }, { 5, 16, 132 },
        { 5, 31, 255 }, { 6, 32, 130 }, { 8, 200, 200 }, { 10, 512, 128 }, { 16, 0x8000, 128 },
        { 24, 0xFFFFFF, 255 }, { 30, 0, 0 } };
    for (const Case& row : cases)
        EXPECT_EQ(ScaleChannelTo8Bits(row.value, row.width), row.expected) << row.width << " bits, value " << row.value;
}

TEST(BmpHeader, RowOffsetsFollowTheRowOrder)
{
    // 3 x 3, 24 bpp: 9 bytes of pixels per row, stored 12 apart.
    Bytes bytes = AssembleBmp(BmpParts().Width(3).Height(3).Pixels(Bytes(36, 0)));
    BmpInfo info = ParseBmpHeader(bytes, bytes.size());
    EXPECT_EQ(info.rowBytes, 9u);
    EXPECT_EQ(info.rowStride, 12u);
    EXPECT_EQ(info.pixelOffset, 54u);
    EXPECT_EQ(info.RowFileOffset(0), 54u + 24u);
    EXPECT_EQ(info.RowFileOffset(2), 54u);

    bytes[22] = 0xFD; // height -3
    bytes[23] = bytes[24] = bytes[25] = 0xFF;
    info = ParseBmpHeader(bytes, bytes.size());
    EXPECT_TRUE(info.topDown);
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(info.RowFileOffset(0), 54u);
    EXPECT_EQ(info.RowFileOffset(2), 54u + 24u);
}

TEST(BmpHeader, HeadOfTheFileIsEnoughToReadSingleRows)
{
    // 2 x 3, 8 bpp: the rows hold indexes 0 0, 1 1 and 2 2 from the bottom.
    const Bytes bytes = AssembleBmp(BmpParts().Width(2).Height(3).BitCount(8).ColorsUsed(3).Palette({ clRed, clLime, clBlue }).Pixels({ 0, 0, 0, 0, 1, 1, 0, 0, 2, 2 }));
    const std::size_t headSize = 54 + 3 * 4;
    const BmpInfo info = ParseBmpHeader(std::span(bytes).first(headSize), bytes.size());
    const BmpRowConverter converter(info);
    Pixels row(2);
    converter.Convert(bytes.data() + info.RowFileOffset(0), row.data());
    EXPECT_EQ(row, (Pixels { clBlue, clBlue }));
    converter.Convert(bytes.data() + info.RowFileOffset(2), row.data());
    EXPECT_EQ(row, (Pixels { clRed, clRed }));
}
