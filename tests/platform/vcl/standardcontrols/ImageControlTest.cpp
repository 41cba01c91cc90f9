// SPDX-License-Identifier: MIT
#include "platform/vcl/standardcontrols/ExtCtrls.h"

#include "tests/platform/vcl/controls/ControlTestWindow.h"

#include <gtest/gtest.h>

namespace {

using Pixels = std::vector<COLORREF>;

constexpr COLORREF R = 0x0000FF;
constexpr COLORREF G = 0x00FF00;
constexpr COLORREF B = 0xFF0000;
constexpr COLORREF W = 0xFFFFFF;
constexpr COLORREF F = 0x123456; // the window behind the image

// 2 × 2: red green / blue white.
void LoadTinyPicture(TImage& image)
{
    TBitmap bitmap;
    bitmap.SetRaster(PixelRaster { 2, 2, false, { R, G, B, W } });
    image.Picture()->SetGraphic(&bitmap);
}

// An image placed on the window; the window owns it.
TImage* PlacedImage(TTestWindow& window, int left, int top, int width, int height)
{
    auto* image = new TImage(&window);
    image->SetParent(&window);
    image->SetBounds(left, top, width, height);
    return image;
}

Pixels WindowPixels(TTestWindow& window, int width, int height)
{
    window.PaintNow();
    Pixels pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(window.Handle()->paintBuffer.raster.At(x, y));
    return pixels;
}

} // namespace

TEST(Image, WithoutStretchThePictureSitsAtItsNaturalSizeTopLeft)
{
    TTestWindow window(4, 4, F);
    auto* image = PlacedImage(window, 1, 1, 3, 3);
    LoadTinyPicture(*image);
    EXPECT_EQ(WindowPixels(window, 4, 4),
        (Pixels {
            F, F, F, F, //
            F, R, G, F, //
            F, B, W, F, //
            F, F, F, F, //
        }));
}

TEST(Image, APictureLargerThanTheControlIsCutAtItsEdges)
{
    TTestWindow window(3, 3, F);
    auto* image = PlacedImage(window, 0, 0, 1, 2);
    LoadTinyPicture(*image);
    EXPECT_EQ(WindowPixels(window, 3, 3), (Pixels { R, F, F, B, F, F, F, F, F }));
}

TEST(Image, WithStretchThePictureCoversTheClientArea)
{
    TTestWindow window(4, 4, F);
    auto* image = PlacedImage(window, 0, 0, 4, 4);
    image->SetStretch(true);
    LoadTinyPicture(*image);
    EXPECT_EQ(WindowPixels(window, 4, 4),
        (Pixels {
            R, R, G, G, //
            R, R, G, G, //
            B, B, W, W, //
            B, B, W, W, //
        }));
}

TEST(Image, AnEmptyPictureLeavesThePixelsBelow)
{
    TTestWindow window(2, 2, F);
    PlacedImage(window, 0, 0, 2, 2);
    EXPECT_EQ(WindowPixels(window, 2, 2), (Pixels { F, F, F, F }));
}

TEST(Image, ANewPictureOrStretchIsShownAtTheNextPaint)
{
    TTestWindow window(2, 2, F);
    auto* image = PlacedImage(window, 0, 0, 2, 2);
    ASSERT_EQ(WindowPixels(window, 2, 2), (Pixels { F, F, F, F }));
    TBitmap bitmap;
    bitmap.SetRaster(PixelRaster { 1, 1, false, { B } });
    image->Picture()->SetGraphic(&bitmap);
    EXPECT_EQ(WindowPixels(window, 2, 2), (Pixels { B, F, F, F }));
    image->SetStretch(true);
    EXPECT_EQ(WindowPixels(window, 2, 2), (Pixels { B, B, B, B }));
}

TEST(Image, AutoSizeTakesThePictureSize)
{
    TImage image(nullptr);
    image.SetBounds(5, 6, 50, 50);
    image.SetAutoSize(true);
    LoadTinyPicture(image);
    EXPECT_EQ(image.BoundsRect(), Bounds(5, 6, 2, 2));
}

TEST(Image, CanvasOfAnEmptyImageIsABitmapOfTheControlSize)
{
    TImage image(nullptr);
    image.SetBounds(0, 0, 128, 63);
    TCanvas* canvas = image.Canvas();
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(image.Picture()->Width(), 128);
    EXPECT_EQ(image.Picture()->Height(), 63);
    EXPECT_EQ(canvas, image.Picture()->Bitmap()->Canvas());
}

TEST(Image, DrawingOnTheCanvasShowsOnTheNextPaint)
{
    TTestWindow window(2, 1, F);
    auto* image = PlacedImage(window, 0, 0, 2, 1);
    TCanvas* canvas = image->Canvas();
    canvas->Brush()->SetColor(TColor(B));
    canvas->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(WindowPixels(window, 2, 1), (Pixels { B, W }));
}
