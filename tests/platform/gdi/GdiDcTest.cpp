// SPDX-License-Identifier: MIT
#include "platform/gdi/Gdi.h"

#include "tests/platform/gdi/GdiTestSurface.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(GdiMemoryDc, StartsWithOneMonochromePixelAndTheClassicDefaults)
{
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    ASSERT_NE(dc->bitmap, nullptr);
    EXPECT_EQ(dc->bitmap->raster.width, 1);
    EXPECT_EQ(dc->bitmap->raster.height, 1);
    EXPECT_TRUE(dc->bitmap->raster.monochrome);
    EXPECT_EQ(dc->bkColor, kWhite);
    EXPECT_EQ(dc->textColor, kBlack);
    EXPECT_EQ(dc->bkMode, OPAQUE);
    EXPECT_EQ(dc->brush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc->pen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc->font, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(GdiMemoryDc, SelectObjectReturnsThePreviousObjectOfTheSameKind)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP defaultBitmap = dc->bitmap;
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    HBRUSH brush = CreateSolidBrush(0x123456);
    HPEN pen = CreatePen(PS_SOLID, 1, 0x654321);
    HFONT font = CreateFontIndirect(LOGFONT {});
    EXPECT_EQ(SelectObject(dc, bitmap), defaultBitmap);
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(SelectObject(dc, GetStockObject(NULL_BRUSH)), brush);
    EXPECT_EQ(dc->bitmap, bitmap);
    EXPECT_EQ(dc->pen, pen);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    EXPECT_EQ(SelectObject(nullptr, brush), nullptr);

    // Deleting the DC leaves the objects it held to their owner.
    EXPECT_TRUE(DeleteDC(dc));
    bitmap->raster.At(1, 1) = kWhite;
    for (HGDIOBJ object : { HGDIOBJ(bitmap), HGDIOBJ(brush), HGDIOBJ(pen), HGDIOBJ(font) })
        EXPECT_TRUE(DeleteObject(object));
}

TEST(GdiMemoryDc, DeleteRefusesUnknownTwiceDeletedAndStillSelectedHandles)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(0x123456);
    HGDIOBJ previous = SelectObject(dc, brush);
    EXPECT_FALSE(DeleteObject(brush));
    SaveDC(dc);
    SelectObject(dc, previous);
    EXPECT_FALSE(DeleteObject(brush)) << "a saved state still holds it";
    RestoreDC(dc, -1);
    SelectObject(dc, previous);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_NE(GetStockObject(BLACK_PEN), nullptr);
    GdiPen handMade;
    EXPECT_FALSE(DeleteObject(&handMade));
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    GdiDc bare;
    EXPECT_FALSE(DeleteDC(&bare));
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(9), nullptr);
}

TEST(GdiBitmapCreation, CompatibleBitmapFollowsTheDepthOfTheDcsBitmap)
{
    HBITMAP colour = CreateCompatibleBitmap(nullptr, 3, 2);
    ASSERT_NE(colour, nullptr);
    EXPECT_FALSE(colour->raster.monochrome);
    EXPECT_EQ(colour->raster.pixels, Pixels(6, kBlack));

    HDC dc = CreateCompatibleDC(nullptr); // holds its monochrome default bitmap
    HBITMAP monochrome = CreateCompatibleBitmap(dc, 2, 2);
    EXPECT_TRUE(monochrome->raster.monochrome);
    HGDIOBJ previous = SelectObject(dc, colour);
    HBITMAP colourAgain = CreateCompatibleBitmap(dc, 1, 1);
    EXPECT_FALSE(colourAgain->raster.monochrome);
    SelectObject(dc, previous);
    DeleteDC(dc);
    for (HBITMAP bitmap : { colour, monochrome, colourAgain })
        EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(GdiBitmapCreation, NegativeAndUnallocatableSizesGiveNoBitmap)
{
    EXPECT_EQ(CreateBitmap(-1, 1, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 1, -1), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, INT_MAX, INT_MAX), nullptr);
    EXPECT_EQ(CreateBitmap(32768, 32768, 1, 1, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(1, 1, 2, 32, nullptr), nullptr);
    HBITMAP empty = CreateBitmap(0, 5, 1, 32, nullptr);
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->raster.Empty());
    EXPECT_TRUE(DeleteObject(empty));
}

TEST(GdiBitmapCreation, BitsAreReadAsWordAlignedRowsTopRowFirst)
{
    // 3 x 2 monochrome: rows 101 and 010, each padded to two bytes.
    const unsigned char monochromeBits[] { 0b10100000, 0xFF, 0b01000000, 0x00 };
    HBITMAP monochrome = CreateBitmap(3, 2, 1, 1, monochromeBits);
    EXPECT_EQ(monochrome->raster.pixels, (Pixels { kWhite, kBlack, kWhite, kBlack, kWhite, kBlack }));
    // 1 x 2 at 24 bits: blue, green, red bytes, each row padded to four bytes.
    const unsigned char colourBits[] { 0x11, 0x22, 0x33, 0xEE, 0x44, 0x55, 0x66, 0xEE };
    HBITMAP colour = CreateBitmap(1, 2, 1, 24, colourBits);
    EXPECT_EQ(colour->raster.pixels, (Pixels { RGB(0x33, 0x22, 0x11), RGB(0x66, 0x55, 0x44) }));
    EXPECT_EQ(CreateBitmap(1, 1, 1, 8, colourBits), nullptr) << "no palette to read 8-bit bits with";
    EXPECT_TRUE(DeleteObject(monochrome));
    EXPECT_TRUE(DeleteObject(colour));
}

TEST(GdiObjectCreation, SystemColoursResolveAndBadPenStylesAreRefused)
{
    HBRUSH face = CreateSolidBrush(clBtnFace);
    EXPECT_EQ(face->color, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(CreatePen(17, 1, 0), nullptr);
    HPEN thin = CreatePen(PS_SOLID, 0, 0);
    EXPECT_EQ(thin->width, 1);
    HBITMAP empty = CreateBitmap(0, 0, 1, 1, nullptr);
    EXPECT_EQ(CreatePatternBrush(empty), nullptr);
    EXPECT_EQ(CreatePatternBrush(nullptr), nullptr);
    for (HGDIOBJ object : { HGDIOBJ(face), HGDIOBJ(thin), HGDIOBJ(empty) })
        EXPECT_TRUE(DeleteObject(object));
}

TEST(GdiSaveDc, RestoreBringsBackObjectsColoursModesOriginsAndClip)
{
    TestSurface surface(4, 4);
    HDC dc = surface.Dc();
    HBITMAP bitmap = dc->bitmap;
    EXPECT_EQ(SaveDC(dc), 1);
    SetTextColor(dc, 0x111111);
    SetBkColor(dc, 0x222222);
    SetBkMode(dc, TRANSPARENT);
    SetViewportOrgEx(dc, 5, 6, nullptr);
    SetBrushOrgEx(dc, 1, 2, nullptr);
    MoveToEx(dc, 3, 3, nullptr);
    IntersectClipRect(dc, 0, 0, 1, 1);
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(SaveDC(dc), 2);
    HBITMAP other = CreateBitmap(1, 1, 1, 1, nullptr);
    SelectObject(dc, other);
    SetTextColor(dc, 0x333333);

    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(dc->bitmap, bitmap);
    EXPECT_EQ(dc->textColor, 0x111111u);
    EXPECT_EQ(dc->pen, GetStockObject(NULL_PEN));

    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(dc->textColor, kBlack);
    EXPECT_EQ(dc->bkColor, kWhite);
    EXPECT_EQ(dc->bkMode, OPAQUE);
    EXPECT_EQ(dc->viewportOrigin, Point(0, 0));
    EXPECT_EQ(dc->brushOrigin, Point(0, 0));
    EXPECT_EQ(dc->penPosition, Point(0, 0));
    EXPECT_FALSE(dc->clip.has_value());
    EXPECT_EQ(dc->pen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc->brush, GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(dc->savedStates.empty());
    EXPECT_FALSE(RestoreDC(dc, -1));
    EXPECT_FALSE(RestoreDC(dc, 1));
    EXPECT_TRUE(DeleteObject(other));
}

TEST(GdiSaveDc, RestoringAnUnknownLevelChangesNothing)
{
    TestSurface surface(1, 1);
    SaveDC(surface.Dc());
    SetTextColor(surface.Dc(), 0x123456);
    EXPECT_FALSE(RestoreDC(surface.Dc(), 2));
    EXPECT_FALSE(RestoreDC(surface.Dc(), -2));
    EXPECT_FALSE(RestoreDC(surface.Dc(), 0));
    EXPECT_EQ(surface.Dc()->textColor, 0x123456u);
    EXPECT_EQ(surface.Dc()->savedStates.size(), 1u);
}

TEST(GdiClip, ClipRectanglesIntersectInDeviceSpaceAndReportInLogicalSpace)
{
    TestSurface surface(10, 10);
    HDC dc = surface.Dc();
    TRect box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(0, 0, 10, 10));
    SetViewportOrgEx(dc, 2, 3, nullptr);
    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 20, 20), SIMPLEREGION);
    EXPECT_EQ(dc->clip, Rect(2, 3, 22, 23));
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(0, 0, 8, 7));
    SetViewportOrgEx(dc, 0, 0, nullptr); // the clip stays where it was on the device
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, Rect(2, 3, 10, 10));
    EXPECT_EQ(IntersectClipRect(dc, 20, 0, 30, 5), NULLREGION);
    EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
    EXPECT_EQ(box, TRect {});
    EXPECT_EQ(IntersectClipRect(nullptr, 0, 0, 1, 1), ERROR_REGION);
}

TEST(GdiDcSetters, ReturnThePreviousValueAndRejectBadArguments)
{
    TestSurface surface(1, 1);
    HDC dc = surface.Dc();
    EXPECT_EQ(SetTextColor(dc, 0x010203), kBlack);
    EXPECT_EQ(SetTextColor(dc, clBtnShadow), 0x010203u);
    EXPECT_EQ(dc->textColor, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(dc->bkMode, TRANSPARENT);
    TPoint previous;
    EXPECT_TRUE(SetViewportOrgEx(dc, INT_MIN, INT_MAX, &previous));
    EXPECT_EQ(previous, Point(0, 0));
    EXPECT_TRUE(GetViewportOrgEx(dc, &previous));
    EXPECT_EQ(previous, Point(INT_MIN, INT_MAX));
    EXPECT_EQ(SetTextColor(nullptr, 0), CLR_INVALID);
    EXPECT_FALSE(SetViewportOrgEx(nullptr, 0, 0, nullptr));
}

} // namespace
