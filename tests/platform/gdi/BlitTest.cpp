// SPDX-License-Identifier: MIT
#include "platform/gdi/Gdi.h"

#include "tests/platform/gdi/GdiTestSurface.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kGreen = RGB(0, 0xFF, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);

// 4 x 3 colour picture whose pixels are all different: 1 .. 12.
Pixels Numbered()
{
    Pixels pixels;
    for (COLORREF value = 1; value <= 12; ++value)
        pixels.push_back(value);
    return pixels;
}

TEST(BlitMonochrome, EmbossMaskPaintsBrushWhereSetAndKeepsTheRestWithDspdxax)
{
    TestSurface mask(3, 1, { kWhite, kBlack, kWhite }, Depth::Monochrome);
    TestSurface target(3, 1, { kRed, kGreen, kBlue });
    SelectedBrush brush(target.Dc(), CreateSolidBrush(kGrey));
    SetTextColor(target.Dc(), kBlack);
    SetBkColor(target.Dc(), kWhite);
    ASSERT_TRUE(BitBlt(target.Dc(), 0, 0, 3, 1, mask.Dc(), 0, 0, DSPDxax));
    EXPECT_EQ(target.PixelValues(), (Pixels { kGrey, kGreen, kGrey }));
}

TEST(BlitMonochrome, MonochromeSourceTakesTheDestinationTextAndBackgroundColours)
{
    TestSurface mask(2, 1, { kBlack, kWhite }, Depth::Monochrome);
    SetTextColor(mask.Dc(), kBlue); // the source DC's colours play no part
    SetBkColor(mask.Dc(), kBlue);
    TestSurface target(2, 1);
    SetTextColor(target.Dc(), kRed);
    SetBkColor(target.Dc(), kGreen);
    ASSERT_TRUE(BitBlt(target.Dc(), 0, 0, 2, 1, mask.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(target.PixelValues(), (Pixels { kRed, kGreen }));
}

TEST(BlitMonochrome, ColourSourceTurnsWhiteExactlyWhereItHasTheSourceBackgroundColour)
{
    TestSurface picture(4, 1, { kRed, kGreen, kRed | 0x010000, kBlack });
    SetBkColor(picture.Dc(), kRed);
    TestSurface mask(4, 1, Depth::Monochrome, kBlack);
    SetBkColor(mask.Dc(), kGreen); // the destination DC's colours play no part
    SetTextColor(mask.Dc(), kGreen);
    ASSERT_TRUE(BitBlt(mask.Dc(), 0, 0, 4, 1, picture.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(mask.PixelValues(), (Pixels { kWhite, kBlack, kBlack, kBlack }));
}

TEST(BlitMonochrome, MonochromeDestinationComputesOnBitZeroOfEachOperand)
{
    // Stray values in a monochrome bitmap read as the colour of their bit 0.
    TestSurface target(4, 1, { 0x000001, 0xFFFFFE, kWhite, kBlack }, Depth::Monochrome);
    TestSurface source(4, 1, { kWhite, kWhite, kBlack, kBlack }, Depth::Monochrome);
    ASSERT_TRUE(BitBlt(target.Dc(), 0, 0, 4, 1, source.Dc(), 0, 0, SRCINVERT));
    EXPECT_EQ(target.PixelValues(), (Pixels { kBlack, kWhite, kWhite, kBlack }));
}

TEST(BlitMonochrome, SolidBrushOnMonochromeTakesTheNearerOfBlackAndWhite)
{
    TestSurface target(1, 1, Depth::Monochrome);
    {
        SelectedBrush brush(target.Dc(), CreateSolidBrush(RGB(0xFF, 0xFF, 0x00)));
        ASSERT_TRUE(PatBlt(target.Dc(), 0, 0, 1, 1, PATCOPY));
        EXPECT_EQ(target.At(0, 0), kWhite);
    }
    SelectedBrush brush(target.Dc(), CreateSolidBrush(kBlue));
    ASSERT_TRUE(PatBlt(target.Dc(), 0, 0, 1, 1, PATCOPY));
    EXPECT_EQ(target.At(0, 0), kBlack);
}

TEST(BlitPattern, PatternBrushTilesFromTheBrushOrigin)
{
    HBITMAP tile = CreateBitmap(2, 1, 1, 32, nullptr);
    tile->raster.pixels = { kRed, kGreen };
    TestSurface target(5, 2);
    SelectedBrush brush(target.Dc(), CreatePatternBrush(tile));
    ASSERT_TRUE(DeleteObject(tile)); // the brush keeps its own copy
    SetBrushOrgEx(target.Dc(), 1, 0, nullptr);
    ASSERT_TRUE(PatBlt(target.Dc(), 0, 0, 5, 2, PATCOPY));
    EXPECT_EQ(target.PixelValues(), (Pixels { kGreen, kRed, kGreen, kRed, kGreen, kGreen, kRed, kGreen, kRed, kGreen }));
}

TEST(BlitPattern, MonochromePatternTakesTextColourForZeroAndBackgroundForOne)
{
    HBITMAP tile = CreateBitmap(2, 2, 1, 1, nullptr);
    tile->raster.pixels = { kBlack, kWhite, kWhite, kBlack };
    TestSurface target(3, 2);
    SelectedBrush brush(target.Dc(), CreatePatternBrush(tile));
    DeleteObject(tile);
    SetTextColor(target.Dc(), kRed);
    SetBkColor(target.Dc(), kBlue);
    ASSERT_TRUE(PatBlt(target.Dc(), 0, 0, 3, 2, PATCOPY));
    EXPECT_EQ(target.PixelValues(), (Pixels { kRed, kBlue, kRed, kBlue, kRed, kBlue }));
}

TEST(BlitPattern, HollowBrushCountsAsBlack)
{
    TestSurface target(1, 1, Depth::Colour, kRed);
    SelectObject(target.Dc(), GetStockObject(NULL_BRUSH));
    ASSERT_TRUE(PatBlt(target.Dc(), 0, 0, 1, 1, PATINVERT));
    EXPECT_EQ(target.At(0, 0), kRed);
    ASSERT_TRUE(PatBlt(target.Dc(), 0, 0, 1, 1, PATCOPY));
    EXPECT_EQ(target.At(0, 0), kBlack);
}

struct ClipCase {
    const char* name;
    int x;
    int y;
    Pixels expected; // 4 x 3 target, 0 where nothing was drawn
};

class BlitClipping : public ::testing::TestWithParam<ClipCase> {};

// A 4 x 3 source numbered 1 .. 12 copied to (x, y) of a black 4 x 3 target.
TEST_P(BlitClipping, OnlyTheOverlapIsCopied)
{
    TestSurface source(4, 3, Numbered());
    TestSurface target(4, 3);
    ASSERT_TRUE(BitBlt(target.Dc(), GetParam().x, GetParam().y, 4, 3, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(target.PixelValues(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Edges, BlitClipping,
    ::testing::Values(ClipCase { "Left", -2, 0, { 3, 4, 0, 0, 7, 8, 0, 0, 11, 12, 0, 0 } },
        ClipCase { "Right", 3, 0, { 0, 0, 0, 1, 0, 0, 0, 5, 0, 0, 0, 9 } },
        ClipCase { "Top", 0, -2, { 9, 10, 11, 12, 0, 0, 0, 0, 0, 0, 0, 0 } },
        ClipCase { "Bottom", 0, 2, { 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4 } },
        ClipCase { "Corner", 3, 2, { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1 } },
        ClipCase { "FarAway", INT_MAX, INT_MIN, Pixels(12, 0) }),
    [](const auto& clipCase) { return std::string(clipCase.param.name); });

TEST(BlitClip, SourcePixelsOutsideTheSourceLeaveTheDestinationAlone)
{
    TestSurface source(4, 3, Numbered());
    TestSurface target(4, 3, Depth::Colour, kRed);
    ASSERT_TRUE(BitBlt(target.Dc(), 0, 0, 4, 3, source.Dc(), 2, -1, SRCCOPY));
    EXPECT_EQ(target.PixelValues(), (Pixels { kRed, kRed, kRed, kRed, 3, 4, kRed, kRed, 7, 8, kRed, kRed }));
}

TEST(BlitClip, ViewportOriginsShiftBothRectanglesAndClipRectangleStaysInDeviceSpace)
{
    TestSurface source(4, 3, Numbered());
    SetViewportOrgEx(source.Dc(), -1, 0, nullptr); // logical (1, 0) is device (0, 0)
    TestSurface target(4, 3);
    SetViewportOrgEx(target.Dc(), 1, 1, nullptr);
    EXPECT_EQ(IntersectClipRect(target.Dc(), -1, -1, 2, 5), SIMPLEREGION); // device columns 0 .. 2
    ASSERT_TRUE(BitBlt(target.Dc(), 0, 0, 4, 3, source.Dc(), 1, 0, SRCCOPY));
    EXPECT_EQ(target.PixelValues(), (Pixels { 0, 0, 0, 0, 0, 1, 2, 0, 0, 5, 6, 0 }));
}

TEST(BlitClip, ArgumentsAtTheEndsOfTheIntRangeDrawNothingOutside)
{
    TestSurface source(4, 3, Numbered());
    TestSurface target(4, 3);
    SetViewportOrgEx(target.Dc(), INT_MAX, INT_MAX, nullptr);
    EXPECT_TRUE(BitBlt(target.Dc(), INT_MAX, INT_MAX, INT_MAX, INT_MAX, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_TRUE(StretchBlt(target.Dc(), INT_MIN, INT_MIN, INT_MIN, INT_MIN, source.Dc(), INT_MIN, INT_MIN,
        INT_MIN, INT_MIN, SRCCOPY));
    EXPECT_TRUE(PatBlt(target.Dc(), 0, 0, INT_MAX, INT_MAX, WHITENESS));
    EXPECT_EQ(target.PixelValues(), Pixels(12, 0));
    // INT_MAX + INT_MIN is -1: the span [-1, 1) on both axes covers exactly pixel (0, 0).
    SetViewportOrgEx(target.Dc(), INT_MIN, INT_MIN, nullptr);
    EXPECT_TRUE(PatBlt(target.Dc(), INT_MAX, INT_MAX, 2, 2, WHITENESS));
    EXPECT_EQ(target.PixelValues(), (Pixels { kWhite, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));
}

TEST(BlitClip, NegativeExtentsNormaliseWithoutMirroring)
{
    TestSurface source(4, 3, Numbered());
    TestSurface target(4, 3);
    ASSERT_TRUE(BitBlt(target.Dc(), 4, 3, -4, -3, source.Dc(), 4, 3, SRCCOPY));
    EXPECT_EQ(target.PixelValues(), Numbered());
}

TEST(BlitOverlap, ScrollingWithinOneBitmapReadsThePixelsAsTheyWere)
{
    TestSurface down(4, 3, Numbered());
    ASSERT_TRUE(BitBlt(down.Dc(), 1, 1, 4, 3, down.Dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(down.PixelValues(), (Pixels { 1, 2, 3, 4, 5, 1, 2, 3, 9, 5, 6, 7 }));
    TestSurface up(4, 3, Numbered());
    ASSERT_TRUE(BitBlt(up.Dc(), 0, 0, 4, 3, up.Dc(), 1, 1, SRCCOPY));
    EXPECT_EQ(up.PixelValues(), (Pixels { 6, 7, 8, 4, 10, 11, 12, 8, 9, 10, 11, 12 }));
}

TEST(BlitFailure, MissingDestinationOrBitmapIsRefused)
{
    TestSurface source(1, 1);
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_FALSE(PatBlt(nullptr, 0, 0, 1, 1, BLACKNESS));
    GdiDc bare; // a DC without a bitmap
    EXPECT_FALSE(PatBlt(&bare, 0, 0, 1, 1, BLACKNESS));
    EXPECT_FALSE(BitBlt(&bare, 0, 0, 1, 1, source.Dc(), 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(source.Dc(), 0, 0, 1, 1, &bare, 0, 0, SRCCOPY));
}

} // namespace
