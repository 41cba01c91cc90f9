// SPDX-License-Identifier: MIT
#include "resources/AppIcon.h"
#include "resources/FolderGlyph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

TEST(FolderGlyph, Is14By12WithTransparentLowerLeftPixel)
{
    const PixelRaster glyph = FolderGlyph();
    EXPECT_EQ(glyph.width, 14);
    EXPECT_EQ(glyph.height, 12);
    EXPECT_EQ(glyph.At(0, glyph.height - 1), kGlyphTransparentColor);
}

TEST(FolderGlyph, UsesOnlyBlackWhiteDarkGreyAndTheBackground)
{
    const PixelRaster glyph = FolderGlyph();
    for (const COLORREF pixel : glyph.pixels)
        EXPECT_TRUE(pixel == kGlyphTransparentColor || pixel == clBlack || pixel == clWhite || pixel == clGray)
            << std::hex << pixel;
    EXPECT_GT(std::count(glyph.pixels.begin(), glyph.pixels.end(), clBlack), 20);
}

TEST(AppIcon, ComesInFourSquareSizes)
{
    const IconResource icon = TileIcon();
    ASSERT_EQ(icon.images.size(), 4u);
    int size = 16;
    for (const IconImage& image : icon.images) {
        EXPECT_EQ(image.color.width, size);
        EXPECT_EQ(image.color.height, size);
        EXPECT_EQ(image.alpha.size(), std::size_t(size * size));
        size += 16;
    }
}

TEST(AppIcon, IsAnOpaqueGreenTileOnATransparentBackground)
{
    const IconImage icon = DrawTileIcon(48);
    const auto alphaAt = [&](int x, int y) { return icon.alpha[std::size_t(y * 48 + x)]; };
    for (const auto& [x, y] : { std::pair { 0, 0 }, std::pair { 47, 0 }, std::pair { 0, 47 }, std::pair { 47, 47 } })
        EXPECT_EQ(alphaAt(x, y), 0) << x << "," << y;
    // The middle of the grass face.
    const COLORREF centre = icon.color.At(24, 20);
    EXPECT_EQ(alphaAt(24, 20), 255);
    EXPECT_GT(GetGValue(centre), GetRValue(centre) + 40);
    EXPECT_GT(GetGValue(centre), GetBValue(centre) + 40);
    // The outline is darker than the face inside it.
    const int edgeRow = int(0.42 * 48);
    const COLORREF edge = icon.color.At(2, edgeRow);
    EXPECT_GT(alphaAt(2, edgeRow), 0);
    EXPECT_LT(GetGValue(edge), GetGValue(centre));
}

TEST(AppIcon, OutlineIsSymmetricLeftToRight)
{
    for (const int size : { 16, 33, 64 }) {
        const IconImage icon = DrawTileIcon(size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size / 2; ++x) {
                const int left = icon.alpha[std::size_t(y * size + x)];
                const int right = icon.alpha[std::size_t(y * size + size - 1 - x)];
                // One subsample of sixteen may fall either way on the exact boundary.
                EXPECT_LE(std::abs(left - right), 16) << size << ": " << x << "," << y;
            }
        }
    }
}

TEST(AppIcon, RefusesSizesOutOfRange)
{
    EXPECT_THROW(DrawTileIcon(0), EInvalidGraphic);
    EXPECT_THROW(DrawTileIcon(-5), EInvalidGraphic);
    EXPECT_THROW(DrawTileIcon(100000), EInvalidGraphic);
}
