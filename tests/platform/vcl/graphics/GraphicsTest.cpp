// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using Pixels = std::vector<COLORREF>;

Pixels PixelsOf(const TBitmap& bitmap) { return bitmap.Raster().pixels; }

std::unique_ptr<TBitmap> MakeBitmap(int width, int height, Pixels pixels, bool monochrome = false)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetRaster(PixelRaster { width, height, monochrome, std::move(pixels) });
    return bitmap;
}

constexpr COLORREF W = 0xFFFFFF;
constexpr COLORREF K = 0x000000;
constexpr COLORREF R = 0x0000FF;
constexpr COLORREF B = 0xFF0000;

} // namespace

TEST(BitmapSize, GrowingKeepsOldPixelsAndFillsTheRestWhite)
{
    auto bitmapOwner = MakeBitmap(1, 1, { R });
    TBitmap& bitmap = *bitmapOwner;
    bitmap.SetWidth(2);
    bitmap.SetHeight(2);
    EXPECT_EQ(PixelsOf(bitmap), (Pixels { R, W, W, W }));
}

TEST(BitmapSize, NegativeSizeIsRefusedWithAClearError)
{
    TBitmap bitmap;
    EXPECT_THROW(bitmap.SetWidth(-1), EInvalidGraphicOperation);
    EXPECT_TRUE(bitmap.Empty());
}

TEST(BitmapSize, ASizeTooLargeToAllocateRaisesOutOfResources)
{
    TBitmap bitmap;
    bitmap.SetWidth(100000);
    EXPECT_THROW(bitmap.SetHeight(100000), EOutOfResources);
    EXPECT_EQ(bitmap.Height(), 0);
}

TEST(BitmapSize, ResizingNotifiesTheOwner)
{
    TBitmap bitmap;
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.SetWidth(3);
    bitmap.SetWidth(3);
    EXPECT_EQ(changes, 1);
}

TEST(BitmapMonochrome, ColourTurnsWhereTheBrushColourIsAndBlackElsewhere)
{
    auto bitmapOwner = MakeBitmap(3, 1, { K, R, W });
    TBitmap& bitmap = *bitmapOwner;
    bitmap.Canvas()->Brush()->SetColor(clBlack);
    bitmap.SetMonochrome(true);
    EXPECT_TRUE(bitmap.Monochrome());
    EXPECT_EQ(PixelsOf(bitmap), (Pixels { W, K, K }));
}

TEST(BitmapMonochrome, ToColourTakesFontColourForBlackAndBrushColourForWhite)
{
    auto bitmapOwner = MakeBitmap(2, 1, { K, W }, true);
    TBitmap& bitmap = *bitmapOwner;
    bitmap.Canvas()->Font()->SetColor(clRed);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.SetMonochrome(false);
    EXPECT_FALSE(bitmap.Monochrome());
    EXPECT_EQ(PixelsOf(bitmap), (Pixels { R, B }));
}

TEST(BitmapTransparentColor, IsTheLowerLeftPixelUnlessFixed)
{
    auto bitmapOwner = MakeBitmap(2, 2, { W, W, R, W });
    TBitmap& bitmap = *bitmapOwner;
    EXPECT_EQ(bitmap.TransparentColor(), R | clPaletteRelative);
    bitmap.SetTransparentColor(clFuchsia);
    EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
    EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
}

TEST(BitmapAssign, CopiesPixelsSoTheCopyIsIndependent)
{
    auto originalOwner = MakeBitmap(2, 1, { R, B });
    TBitmap& original = *originalOwner;
    TBitmap copy;
    copy.Assign(&original);
    original.Canvas()->SetPixels(0, 0, clWhite);
    EXPECT_EQ(PixelsOf(copy), (Pixels { R, B }));
}

TEST(BitmapDormant, KeepsThePixelsAndTheCanvasStillDraws)
{
    auto bitmapOwner = MakeBitmap(2, 1, { R, B });
    TBitmap& bitmap = *bitmapOwner;
    bitmap.Canvas()->SetPixels(1, 0, clWhite);
    bitmap.Dormant();
    EXPECT_EQ(PixelsOf(bitmap), (Pixels { R, W }));
    bitmap.Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(PixelsOf(bitmap), (Pixels { K, W }));
}

TEST(CanvasDraw, StartsAtSourceCopyAndDrawingAnEmptyPictureDrawsNothing)
{
    auto targetOwner = MakeBitmap(2, 1, { R, B });
    TBitmap& target = *targetOwner;
    EXPECT_EQ(target.Canvas()->CopyMode(), SRCCOPY);
    TBitmap empty;
    target.Canvas()->StretchDraw(Rect(0, 0, 2, 1), &empty);
    target.Canvas()->Draw(0, 0, nullptr);
    EXPECT_EQ(PixelsOf(target), (Pixels { R, B }));
}

TEST(CanvasDraw, MonochromeImagesDrawBlackAndWhiteWhateverTheCanvasColours)
{
    auto maskOwner = MakeBitmap(2, 1, { K, W }, true);
    TBitmap& mask = *maskOwner;
    auto targetOwner = MakeBitmap(2, 1, { R, R });
    TBitmap& target = *targetOwner;
    target.Canvas()->Font()->SetColor(clBlue);
    target.Canvas()->Brush()->SetColor(clLime);
    target.Canvas()->Draw(0, 0, &mask);
    EXPECT_EQ(PixelsOf(target), (Pixels { K, W }));
}

TEST(CanvasCopyRect, StretchesBetweenCanvasesWithTheCopyMode)
{
    auto sourceOwner = MakeBitmap(2, 1, { R, B });
    TBitmap& source = *sourceOwner;
    auto targetOwner = MakeBitmap(4, 1, { W, W, W, W });
    TBitmap& target = *targetOwner;
    target.Canvas()->CopyRect(Rect(0, 0, 4, 1), source.Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(PixelsOf(target), (Pixels { R, R, B, B }));
}

TEST(Frame3D, DrawsTopLeftThenBottomRightAndShrinksTheRectangle)
{
    TBitmap bitmap;
    bitmap.SetSize(5, 5);
    TRect rect = Rect(0, 0, 5, 5);
    Frame3D(bitmap.Canvas(), rect, clRed, clBlue, 1);
    // clang-format off
    EXPECT_EQ(PixelsOf(bitmap), (Pixels {
        R, R, R, R, B,
        R, W, W, W, B,
        R, W, W, W, B,
        R, W, W, W, B,
        B, B, B, B, B }));
    // clang-format on
    EXPECT_EQ(rect, Rect(1, 1, 4, 4));
}

TEST(Frame3D, WidthTwoNestsTheSecondFrameInside)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    TRect rect = Rect(0, 0, 4, 4);
    Frame3D(bitmap.Canvas(), rect, clBlack, clBlue, 2);
    // clang-format off
    EXPECT_EQ(PixelsOf(bitmap), (Pixels {
        K, K, K, B,
        K, K, B, B,
        K, B, B, B,
        B, B, B, B }));
    // clang-format on
    EXPECT_EQ(rect, Rect(2, 2, 2, 2));
}

TEST(PictureBitmap, IsCreatedEmptyWhenThePictureHoldsNone)
{
    TPicture picture;
    EXPECT_EQ(picture.Graphic(), nullptr);
    TBitmap* bitmap = picture.Bitmap();
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(picture.Bitmap(), bitmap);
}

TEST(PictureSave, AnEmptyPictureIsRefusedAndNoFileIsWritten)
{
    const auto path = std::filesystem::temp_directory_path() / "durnik-empty-picture.bmp";
    std::filesystem::remove(path);
    TPicture picture;
    EXPECT_THROW(picture.SaveToFile(path.string()), EInvalidGraphicOperation);
    picture.Bitmap();
    try {
        picture.SaveToFile(path.string());
        FAIL() << "an empty bitmap was saved";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "There is no picture to save");
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PictureFile, SavedBitmapLoadsBackUnchanged)
{
    const auto path = std::filesystem::temp_directory_path() / "durnik-picture-roundtrip.bmp";
    TPicture picture;
    picture.Bitmap()->SetRaster(PixelRaster { 2, 2, false, { R, B, W, 0x123456 } });
    picture.SaveToFile(path.string());
    TPicture loaded;
    loaded.LoadFromFile(path.string());
    EXPECT_EQ(loaded.Bitmap()->Raster(), picture.Bitmap()->Raster());
    std::filesystem::remove(path);
}

TEST(PictureFile, AFailedLoadLeavesThePictureAsItWasAndNamesTheFile)
{
    const auto path = std::filesystem::temp_directory_path() / "durnik-not-a-bitmap.bmp";
    std::ofstream(path) << "this is text, not a picture";
    TPicture picture;
    picture.Bitmap()->SetRaster(PixelRaster { 1, 1, false, { R } });
    try {
        picture.LoadFromFile(path.string());
        FAIL() << "text loaded as a picture";
    } catch (const EInvalidGraphic& error) {
        EXPECT_NE(error.Message().find(path.string()), std::string::npos) << error.Message();
    }
    EXPECT_EQ(picture.Bitmap()->Raster().pixels, (Pixels { R }));
    std::filesystem::remove(path);
}
