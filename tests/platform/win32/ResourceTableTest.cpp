// SPDX-License-Identifier: MIT
#include "platform/win32/resources/ResourceTable.h"

#include <gtest/gtest.h>

namespace {

PixelRaster Monochrome(int width, int height, COLORREF fill)
{
    PixelRaster raster { width, height, true, std::vector<COLORREF>(std::size_t(width * height), fill) };
    return raster;
}

// 2 x 2: transparent, black / white, inverted.
CursorResource FourKindCursor()
{
    CursorResource cursor { Monochrome(2, 2, clBlack), Monochrome(2, 2, clBlack), { 1, 1 } };
    cursor.andMask.pixels = { clWhite, clBlack, clBlack, clWhite };
    cursor.xorMask.pixels = { clBlack, clBlack, clWhite, clWhite };
    return cursor;
}

IconImage SolidIcon(int size, COLORREF color, std::uint8_t alpha)
{
    IconImage image;
    image.color = { size, size, false, std::vector<COLORREF>(std::size_t(size * size), color) };
    image.alpha.assign(std::size_t(size * size), alpha);
    return image;
}

} // namespace

TEST(ResourceTable, NamesMatchWithoutRegardToLetterCase)
{
    RegisterBitmapResource("Table_Case_Bitmap", Monochrome(3, 2, clWhite));
    const PixelRaster* found = FindBitmapResource("TABLE_CASE_bitmap");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->width, 3);
    EXPECT_EQ(FindBitmapResource("table_case_bitmap"), found);
}

TEST(ResourceTable, UnknownNamesAndOtherKindsAreNotFound)
{
    RegisterBitmapResource("Table_Kind_Only_Bitmap", Monochrome(1, 1, clBlack));
    EXPECT_EQ(FindBitmapResource("Table_Never_Registered"), nullptr);
    EXPECT_EQ(FindCursorResource("Table_Kind_Only_Bitmap"), nullptr);
    EXPECT_EQ(FindIconResource("Table_Kind_Only_Bitmap"), nullptr);
}

TEST(ResourceTable, RegisteringAgainReplacesTheResource)
{
    RegisterCursorResource("Table_Replace", FourKindCursor());
    CursorResource moved = FourKindCursor();
    moved.hotSpot = { 0, 1 };
    RegisterCursorResource("TABLE_REPLACE", moved);
    ASSERT_NE(FindCursorResource("table_replace"), nullptr);
    EXPECT_EQ(FindCursorResource("table_replace")->hotSpot, (TPoint { 0, 1 }));
}

TEST(ResourceTable, CursorPixelsFollowTheTwoMaskRule)
{
    const CursorResource cursor = FourKindCursor();
    EXPECT_EQ(CursorPixelAt(cursor, 0, 0), CursorPixel::Transparent);
    EXPECT_EQ(CursorPixelAt(cursor, 1, 0), CursorPixel::Black);
    EXPECT_EQ(CursorPixelAt(cursor, 0, 1), CursorPixel::White);
    EXPECT_EQ(CursorPixelAt(cursor, 1, 1), CursorPixel::Inverted);
}

TEST(ResourceTable, InconsistentCursorsAreRefused)
{
    CursorResource sizes = FourKindCursor();
    sizes.xorMask = Monochrome(3, 2, clBlack);
    EXPECT_THROW(RegisterCursorResource("Table_Bad", sizes), EInvalidGraphic);

    CursorResource grey = FourKindCursor();
    grey.andMask.pixels[0] = clGray;
    EXPECT_THROW(RegisterCursorResource("Table_Bad", grey), EInvalidGraphic);

    CursorResource colourFlag = FourKindCursor();
    colourFlag.xorMask.monochrome = false;
    EXPECT_THROW(RegisterCursorResource("Table_Bad", colourFlag), EInvalidGraphic);

    for (const TPoint outside : { TPoint { 2, 0 }, TPoint { 0, 2 }, TPoint { -1, 0 } }) {
        CursorResource hotSpot = FourKindCursor();
        hotSpot.hotSpot = outside;
        EXPECT_THROW(RegisterCursorResource("Table_Bad", hotSpot), EInvalidGraphic);
    }
    EXPECT_EQ(FindCursorResource("Table_Bad"), nullptr);
}

TEST(ResourceTable, BrokenBitmapsAndIconsAreRefusedWithTheirName)
{
    PixelRaster shortPixels = Monochrome(2, 2, clBlack);
    shortPixels.pixels.pop_back();
    try {
        RegisterBitmapResource("Table_Short", shortPixels);
        FAIL() << "a raster with missing pixels was accepted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_NE(error.Message().find("Table_Short"), AnsiString::npos) << error.Message();
    }
    EXPECT_THROW(RegisterBitmapResource("Table_Empty", PixelRaster {}), EInvalidGraphic);

    EXPECT_THROW(RegisterIconResource("Table_No_Images", IconResource {}), EInvalidGraphic);
    IconImage missingAlpha = SolidIcon(4, clLime, 255);
    missingAlpha.alpha.resize(15);
    EXPECT_THROW(RegisterIconResource("Table_Alpha", IconResource { { missingAlpha } }), EInvalidGraphic);
}

TEST(IconImage, Argb32PutsOpacityOnTopAndRedBeforeBlue)
{
    const IconImage image = SolidIcon(1, RGB(0x11, 0x22, 0x33), 0x80);
    EXPECT_EQ(image.ToArgb32(), (std::vector<std::uint32_t> { 0x80112233u }));
}
