// SPDX-License-Identifier: MIT
// Decoding of RLE8 and RLE4 streams: runs, literals, line ends, skips and their limits.
#include "tests/platform/gdi/BmpTestFiles.h"

#include <gtest/gtest.h>

using Pixels = std::vector<COLORREF>;

namespace {

const Pixels kPalette { clLime, clRed, clBlue, clWhite };

Bytes Rle8(int width, int height, Bytes stream, Pixels palette = kPalette)
{
    return AssembleBmp(BmpParts().Width(width).Height(height).BitCount(8).Compression(kRle8).ColorsUsed(std::uint32_t(palette.size())).Palette(palette).Pixels(std::move(stream)));
}

Bytes Rle4(int width, int height, Bytes stream)
{
    return AssembleBmp(BmpParts().Width(width).Height(height).BitCount(4).Compression(kRle4).ColorsUsed(std::uint32_t(kPalette.size())).Palette(kPalette).Pixels(std::move(stream)));
}

} // namespace

TEST(BmpReadRle, Rle8RunsAndLiteralsFillRowsFromTheBottom)
{
    const Bytes stream = {
        4, 1,          // bottom row: four of colour 1
        0, 0,          // end of line
        0, 3, 0, 2, 3, // top row: three literal pixels
        0,             // padding to a whole word
        1, 1,          // one of colour 1
        0, 1,          // end of bitmap
    };
    EXPECT_EQ(DecodeTestBmp(Rle8(4, 2, stream)).pixels,
        (Pixels { clLime, clBlue, clWhite, clRed, clRed, clRed, clRed, clRed }));
}

TEST(BmpReadRle, SkippedPixelsTakePaletteColourZero)
{
    const Bytes stream = {
        0, 2, 1, 1, // delta: one right, one up
        1, 1,       // one of colour 1 in the middle
        0, 0,       // end of line: on to the top row
        2, 1,       // two of colour 1
        0, 1,       // end of bitmap: the rest stays colour 0
    };
    const Pixels teal = { clTeal, clRed };
    EXPECT_EQ(DecodeTestBmp(Rle8(3, 3, stream, teal)).pixels,
        (Pixels { clRed, clRed, clTeal, clTeal, clRed, clTeal, clTeal, clTeal, clTeal }));
}

TEST(BmpReadRle, ADeltaInTheMiddleOfARowStepsOnFromWhereTheRowHasGot)
{
    // Rows of six: colour 1 at column 0, then two skipped; colour 2 at column 3, then one
    // skipped and up a row; colour 3 at column 5 of the top row. RLE4 runs hold two colours
    // in a byte, the second unused here.
    const auto stream = [](std::uint8_t shift) {
        return Bytes {
            1, std::uint8_t(1 << shift), // one of colour 1
            0, 2, 2, 0, // delta: two right
            1, std::uint8_t(2 << shift), // one of colour 2
            0, 2, 1, 1, // delta: one right, one up
            1, std::uint8_t(3 << shift), // one of colour 3
            0, 1, // end of bitmap
        };
    };
    const Pixels expected {
        clLime, clLime, clLime, clLime, clLime, clWhite, // top row
        clRed, clLime, clLime, clBlue, clLime, clLime, // bottom row
    };
    EXPECT_EQ(DecodeTestBmp(Rle8(6, 2, stream(0))).pixels, expected);
    EXPECT_EQ(DecodeTestBmp(Rle4(6, 2, stream(4))).pixels, expected);
}

TEST(BmpReadRle, EndOfBitmapIsOptionalAfterTheLastRow)
{
    EXPECT_EQ(DecodeTestBmp(Rle8(2, 1, { 2, 1, 0, 0 })).pixels, (Pixels { clRed, clRed }));
}

TEST(BmpReadRle, Rle4RunsAlternateTheirTwoColours)
{
    EXPECT_EQ(DecodeTestBmp(Rle4(5, 1, { 5, 0x12, 0, 1 })).pixels,
        (Pixels { clRed, clBlue, clRed, clBlue, clRed }));
}

TEST(BmpReadRle, Rle4LiteralsArePaddedToWholeWords)
{
    const Bytes stream = {
        0, 5, 0x12, 0x30, 0x10, // bottom row: five literal pixels in three bytes
        0,                      // padding to a whole word
        0, 0,                   // end of line
        0, 3, 0x32, 0x10,       // top row: three literal pixels in two bytes, no padding
        2, 0x00,                // two of colour 0
        0, 1,                   // end of bitmap
    };
    EXPECT_EQ(DecodeTestBmp(Rle4(5, 2, stream)).pixels,
        (Pixels { clWhite, clBlue, clRed, clLime, clLime, clRed, clBlue, clWhite, clLime, clRed }));
}

TEST(BmpReadRle, PaintingOutsideThePictureIsRejected)
{
    ExpectRejected(Rle8(2, 1, { 3, 1 }), "past the end of a row");
    ExpectRejected(Rle8(2, 1, { 0, 3, 1, 1, 1, 0 }), "past the end of a row");
    ExpectRejected(Rle4(2, 1, { 3, 0x11 }), "past the end of a row");
    ExpectRejected(Rle8(1, 1, { 1, 1, 0, 0, 1, 1 }), "past the end of the picture");
    ExpectRejected(Rle8(1, 1, { 1, 1, 0, 0, 0, 0 }), "past the end of the picture");
}

TEST(BmpReadRle, SkipsOutsideThePictureAreRejected)
{
    ExpectRejected(Rle8(2, 2, { 0, 2, 3, 0 }), "skip");
    ExpectRejected(Rle8(2, 2, { 0, 2, 0, 2 }), "skip");
    ExpectRejected(Rle8(2, 2, { 1, 1, 0, 2, 2, 0 }), "skip");
}

TEST(BmpReadRle, TruncatedStreamsAreRejected)
{
    ExpectRejected(Rle8(2, 2, { 2, 1, 0, 0 }), "truncated");
    ExpectRejected(Rle8(4, 1, { 0, 3, 1 }), "truncated");
    ExpectRejected(Rle8(4, 1, { 0, 3, 1, 1, 1 }), "truncated"); // the padding is missing
    ExpectRejected(Rle8(4, 1, { 0, 2, 1 }), "truncated");
    ExpectRejected(Rle8(4, 1, { 0 }), "truncated");
}

TEST(BmpReadRle, ColoursPastThePaletteAreRejected)
{
    ExpectRejected(Rle8(2, 1, { 2, 4, 0, 1 }), "past the end of the palette");
    ExpectRejected(Rle8(4, 1, { 0, 3, 1, 9, 1, 0, 0, 1 }), "past the end of the palette");
    ExpectRejected(Rle4(2, 1, { 2, 0x1F, 0, 1 }), "past the end of the palette");
}

TEST(BmpReadRle, CompressedPicturesCannotBeTopDown)
{
    ExpectRejected(Rle8(2, -1, { 2, 1, 0, 1 }), "top-down");
}

TEST(BmpReadRle, RasterIsBoundedByTheStreamSize)
{
    // 10000 x 10000 from four bytes: an end-of-bitmap could claim it, but no real file does.
    ExpectRejected(Rle8(10000, 10000, { 0, 1, 0, 0 }), "larger than its compressed data");
}
