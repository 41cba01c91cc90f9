// SPDX-License-Identifier: MIT
#include "platform/gdi/Gdi.h"

#include "tests/platform/gdi/GdiTestSurface.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kUntouched = 0xABCDEF;

// A one-row picture whose pixel values are their column numbers.
Pixels ColumnNumbers(int width)
{
    Pixels pixels;
    for (int x = 0; x < width; ++x)
        pixels.push_back(COLORREF(x));
    return pixels;
}

// The source column each destination column of a one-row stretch took.
Pixels StretchedColumns(int sourceWidth, int destWidth, int x = 0, int width = 0, int sourceX = 0,
    int stretchSourceWidth = 0)
{
    TestSurface source(sourceWidth, 1, ColumnNumbers(sourceWidth));
    TestSurface dest(destWidth, 1, Depth::Colour, kUntouched);
    EXPECT_TRUE(StretchBlt(dest.Dc(), x, 0, width ? width : destWidth, 1, source.Dc(), sourceX, 0,
        stretchSourceWidth ? stretchSourceWidth : sourceWidth, 1, SRCCOPY));
    return dest.PixelValues();
}

TEST(StretchColumns, ReductionTakesTheSourcePixelUnderEachCentre)
{
    EXPECT_EQ(StretchedColumns(3, 2), (Pixels { 0, 2 }));
    EXPECT_EQ(StretchedColumns(6, 4), (Pixels { 0, 2, 3, 5 }));
}

TEST(StretchColumns, EnlargementRepeatsSourcePixels)
{
    EXPECT_EQ(StretchedColumns(2, 5), (Pixels { 0, 0, 1, 1, 1 }));
    EXPECT_EQ(StretchedColumns(1, 3), (Pixels { 0, 0, 0 }));
}

TEST(StretchColumns, TileWidthFromAThousandTwentyFourTakesEveryEighthColumnFromTheFourth)
{
    const Pixels columns = StretchedColumns(1024, 128);
    ASSERT_EQ(columns.size(), 128u);
    for (int x = 0; x < 128; ++x)
        EXPECT_EQ(columns[std::size_t(x)], COLORREF(8 * x + 4)) << "column " << x;
}

TEST(StretchColumns, OppositeSignsMirrorAndEqualSignsDoNot)
{
    EXPECT_EQ(StretchedColumns(2, 5, 5, -5), (Pixels { 1, 1, 1, 0, 0 }));
    EXPECT_EQ(StretchedColumns(2, 5, 0, 5, 2, -2), (Pixels { 1, 1, 1, 0, 0 }));
    EXPECT_EQ(StretchedColumns(2, 5, 5, -5, 2, -2), (Pixels { 0, 0, 1, 1, 1 }));
}

TEST(StretchColumns, ClippedDestinationKeepsTheColumnsOfTheWholeStretch)
{
    // Columns 2 .. 4 of the 2 -> 5 stretch land on the 3-wide destination.
    EXPECT_EQ(StretchedColumns(2, 3, -2, 5, 0, 2), (Pixels { 1, 1, 1 }));
}

TEST(StretchColumns, ColumnsReadingOutsideTheSourceAreSkipped)
{
    // Source span [-1, 1) over 4 columns reads source -1, -1, 0, 0.
    EXPECT_EQ(StretchedColumns(2, 4, 0, 4, -1, 2), (Pixels { kUntouched, kUntouched, 0, 0 }));
}

TEST(StretchRows, RowsFollowTheSameRuleAndMirror)
{
    TestSurface source(1, 6, ColumnNumbers(6));
    TestSurface dest(1, 4);
    ASSERT_TRUE(StretchBlt(dest.Dc(), 0, 0, 1, 4, source.Dc(), 0, 0, 1, 6, SRCCOPY));
    EXPECT_EQ(dest.PixelValues(), (Pixels { 0, 2, 3, 5 }));
    ASSERT_TRUE(StretchBlt(dest.Dc(), 0, 4, 1, -4, source.Dc(), 0, 0, 1, 6, SRCCOPY));
    EXPECT_EQ(dest.PixelValues(), (Pixels { 5, 3, 2, 0 }));
}

TEST(StretchEqualSizes, MatchesBitBltForAnOperationUsingAllThreeOperands)
{
    Pixels picture;
    for (COLORREF value = 0; value < 35; ++value)
        picture.push_back(value * 0x070B0D);
    TestSurface source(7, 5, picture);
    TestSurface byBitBlt(6, 4, Depth::Colour, 0x336699);
    TestSurface byStretch(6, 4, Depth::Colour, 0x336699);
    SelectedBrush bitBltBrush(byBitBlt.Dc(), CreateSolidBrush(0x5A5A5A));
    SelectedBrush stretchBrush(byStretch.Dc(), CreateSolidBrush(0x5A5A5A));
    ASSERT_TRUE(BitBlt(byBitBlt.Dc(), -1, 1, 7, 5, source.Dc(), 1, 0, 0x00B80000));
    ASSERT_TRUE(StretchBlt(byStretch.Dc(), -1, 1, 7, 5, source.Dc(), 1, 0, 7, 5, 0x00B80000));
    EXPECT_EQ(byStretch.PixelValues(), byBitBlt.PixelValues());
}

TEST(StretchMonochrome, MaskStretchedOntoColourTakesDestinationColours)
{
    TestSurface mask(2, 1, { kBlack, kWhite }, Depth::Monochrome);
    TestSurface tile(4, 1);
    SetTextColor(tile.Dc(), RGB(1, 2, 3));
    SetBkColor(tile.Dc(), RGB(4, 5, 6));
    ASSERT_TRUE(StretchBlt(tile.Dc(), 0, 0, 4, 1, mask.Dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(tile.PixelValues(), (Pixels { RGB(1, 2, 3), RGB(1, 2, 3), RGB(4, 5, 6), RGB(4, 5, 6) }));
}

TEST(StretchEmpty, ZeroExtentsDrawNothingAndSucceed)
{
    TestSurface source(2, 2, Depth::Colour, kWhite);
    TestSurface dest(2, 2);
    EXPECT_TRUE(StretchBlt(dest.Dc(), 0, 0, 2, 2, source.Dc(), 0, 0, 0, 2, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dest.Dc(), 0, 0, 0, 2, source.Dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(dest.PixelValues(), Pixels(4, kBlack));
}

} // namespace
