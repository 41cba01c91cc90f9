// SPDX-License-Identifier: MIT
#include "tile/TileComposer.h"

#include <gtest/gtest.h>

namespace {

using Pixels = std::vector<COLORREF>;

std::unique_ptr<TBitmap> BitmapOf(PixelRaster raster)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetRaster(std::move(raster));
    return bitmap;
}

std::unique_ptr<TBitmap> Filled(int width, int height, COLORREF color)
{
    return BitmapOf(PixelRaster { width, height, false, Pixels(std::size_t(width) * std::size_t(height), color) });
}

// A source whose every pixel differs, so a wrong sample shows.
std::unique_ptr<TBitmap> Gradient(int width, int height)
{
    PixelRaster raster { width, height, false, {} };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.pixels.push_back(RGB(std::uint8_t(x * 7 + y), std::uint8_t(y * 3), std::uint8_t(x ^ y)));
    return BitmapOf(std::move(raster));
}

} // namespace

TEST(ComposeTile, WhiteMaskLeavesTheSourceOfTheTileSizeUnchanged)
{
    auto source = Gradient(128, 63);
    auto mask = Filled(128, 63, clWhite);
    TBitmap tile;
    ComposeTile(source.get(), mask.get(), tile, 128, 63);
    EXPECT_EQ(tile.Raster(), source->Raster());
}

TEST(ComposeTile, BlackMaskTurnsTheWholeTileWhite)
{
    auto source = Gradient(300, 200);
    auto mask = Filled(5, 5, clBlack);
    TBitmap tile;
    ComposeTile(source.get(), mask.get(), tile, 128, 63);
    EXPECT_EQ(tile.Raster().pixels, Pixels(128 * 63, clWhite));
}

TEST(ComposeTile, EachMaskBitThatIsClearForcesTheTileBitOn)
{
    struct Case {
        const char* name;
        COLORREF source;
        COLORREF mask;
        COLORREF expected;
    };
    const Case cases[] = {
        { "grey mask on 0x12", RGB(0x12, 0x12, 0x12), RGB(0x80, 0x80, 0x80), RGB(0x7F, 0x7F, 0x7F) },
        { "grey mask on 0x80", RGB(0x80, 0x80, 0x80), RGB(0x80, 0x80, 0x80), RGB(0xFF, 0xFF, 0xFF) },
        { "red mask keeps red only", RGB(0x12, 0x34, 0x56), RGB(0xFF, 0, 0), RGB(0x12, 0xFF, 0xFF) },
        { "each channel alone", RGB(0xA5, 0x5A, 0x0F), RGB(0xF0, 0x0F, 0xAA), RGB(0xAF, 0xFA, 0x5F) },
    };
    for (const Case& c : cases) {
        auto source = Filled(2, 2, c.source);
        auto mask = Filled(2, 2, c.mask);
        TBitmap tile;
        ComposeTile(source.get(), mask.get(), tile, 2, 2);
        EXPECT_EQ(tile.Raster().pixels, Pixels(4, c.expected)) << c.name;
    }
}

TEST(ComposeTile, EveryChannelValueFollowsSourceOrNotMask)
{
    PixelRaster sourceRaster { 256, 256, false, {} };
    PixelRaster maskRaster { 256, 256, false, {} };
    for (int s = 0; s < 256; ++s)
        for (int m = 0; m < 256; ++m) {
            sourceRaster.pixels.push_back(RGB(std::uint8_t(s), std::uint8_t(m), std::uint8_t(s ^ m)));
            maskRaster.pixels.push_back(RGB(std::uint8_t(m), std::uint8_t(s), std::uint8_t(255 - m)));
        }
    auto source = BitmapOf(sourceRaster);
    auto mask = BitmapOf(maskRaster);
    TBitmap tile;
    ComposeTile(source.get(), mask.get(), tile, 256, 256);
    for (std::size_t i = 0; i < tile.Raster().pixels.size(); ++i) {
        const COLORREF expected = (sourceRaster.pixels[i] | ~maskRaster.pixels[i]) & 0xFFFFFF;
        ASSERT_EQ(tile.Raster().pixels[i], expected) << "pixel " << i;
    }
}

TEST(ComposeTile, LeavesTheCanvasCopyingPlainly)
{
    auto source = Gradient(10, 10);
    auto mask = Filled(10, 10, clBlack);
    TBitmap tile;
    ComposeTile(source.get(), mask.get(), tile, 4, 4);
    EXPECT_EQ(tile.Canvas()->CopyMode(), SRCCOPY);
}

TEST(ComposeTile, ResultDependsOnlyOnSourceMaskAndSize)
{
    auto source = Gradient(97, 41);
    auto mask = Gradient(13, 29);
    TBitmap first;
    ComposeTile(source.get(), mask.get(), first, 64, 32);
    TBitmap second;
    ComposeTile(source.get(), mask.get(), second, 128, 63);
    ComposeTile(source.get(), mask.get(), second, 64, 32);
    EXPECT_EQ(second.Raster(), first.Raster());
    EXPECT_EQ(second.Width(), 64);
    EXPECT_EQ(second.Height(), 32);
}

TEST(ComposeTile, ALargerMaskActsAsItsReduction)
{
    auto source = Gradient(128, 63);
    auto small = Gradient(128, 63);
    PixelRaster doubled { 256, 126, false, {} };
    for (int y = 0; y < 126; ++y)
        for (int x = 0; x < 256; ++x)
            doubled.pixels.push_back(small->Raster().At(x / 2, y / 2));
    auto large = BitmapOf(std::move(doubled));
    TBitmap withSmall;
    ComposeTile(source.get(), small.get(), withSmall, 128, 63);
    TBitmap withLarge;
    ComposeTile(source.get(), large.get(), withLarge, 128, 63);
    EXPECT_EQ(withLarge.Raster(), withSmall.Raster());
}

TEST(ComposeTile, AMonochromeMaskActsAsBlackAndWhite)
{
    auto source = Filled(2, 1, RGB(1, 2, 3));
    auto mask = BitmapOf(PixelRaster { 2, 1, true, { clBlack, clWhite } });
    TBitmap tile;
    tile.Canvas()->Font()->SetColor(clRed); // must not leak into the mask's colours
    ComposeTile(source.get(), mask.get(), tile, 2, 1);
    EXPECT_EQ(tile.Raster().pixels, (Pixels { clWhite, RGB(1, 2, 3) }));
}

TEST(ComposeTile, OnPicturesTheTileIsThePicturesBitmap)
{
    TPicture source;
    source.Bitmap()->Assign(Gradient(8, 8).get());
    TPicture mask;
    TPicture tile;
    ComposeTile(source, mask, tile, 8, 8);
    EXPECT_EQ(tile.Bitmap()->Raster(), source.Bitmap()->Raster());
}
