// SPDX-License-Identifier: MIT
#include "tile/TileProjection.h"

#include "platform/gdi/BmpSampledRead.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

PixelRaster Projected(const PixelRaster& source, int width, int height)
{
    TSampler sampler(width, height, ProjectionRule(TTileProjection::Iso));
    return SampleRaster(source, sampler);
}

// A source whose every pixel names its own position: red is the column, green the row.
PixelRaster Positions(int width, int height)
{
    PixelRaster raster { width, height, false, {} };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.pixels.push_back(RGB(std::uint8_t(x), std::uint8_t(y), 1));
    return raster;
}

bool Covered(COLORREF pixel)
{
    return GetBValue(pixel) == 1;
}

} // namespace

TEST(TileProjection, TheSourceCornersLandOnTheFourTips)
{
    for (const auto& [width, height] :
        { std::pair { 128, 64 }, std::pair { 128, 63 }, std::pair { 31, 17 } }) {
        const PixelRaster tile = Projected(Positions(40, 30), width, height);
        int top = height, bottom = -1, left = width, right = -1;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!Covered(tile.At(x, y)))
                    continue;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        // The outermost covered pixels of each side take the matching corner of the source,
        // within a pixel: top-left at the top, top-right at the right, and so on.
        const auto expectCorner = [&](int x, int y, int cornerX, int cornerY) {
            const COLORREF pixel = tile.At(x, y);
            EXPECT_LE(std::abs(int(GetRValue(pixel)) - cornerX), 1) << "column at " << x << ", " << y;
            EXPECT_LE(std::abs(int(GetGValue(pixel)) - cornerY), 1) << "row at " << x << ", " << y;
        };
        for (int x = 0; x < width; ++x) {
            if (Covered(tile.At(x, top)))
                expectCorner(x, top, 0, 0);
            if (Covered(tile.At(x, bottom)))
                expectCorner(x, bottom, 39, 29);
        }
        for (int y = 0; y < height; ++y) {
            if (Covered(tile.At(right, y)))
                expectCorner(right, y, 39, 0);
            if (Covered(tile.At(left, y)))
                expectCorner(left, y, 0, 29);
        }
        EXPECT_LE(top, 0);
        EXPECT_GE(bottom, height - 1);
        EXPECT_LE(left, 1);
        EXPECT_GE(right, width - 2);
    }
}

TEST(TileProjection, ACheckerboardLandsWhereTheDiamondsGeometrySaysExactly)
{
    // 8 x 8 cells; at a 2:1 tile of twice the source width every position below is a
    // quarter of a pixel, which a double holds exactly, so no tie is left to rounding.
    constexpr int kSource = 64;
    PixelRaster board { kSource, kSource, false, {} };
    for (int y = 0; y < kSource; ++y)
        for (int x = 0; x < kSource; ++x)
            board.pixels.push_back(((x / 8 + y / 8) % 2 == 0) ? clBlack : clRed);
    const PixelRaster tile = Projected(board, 2 * kSource, kSource);

    for (int y = 0; y < kSource; ++y) {
        for (int x = 0; x < 2 * kSource; ++x) {
            // The diamond spans top (W/2, 0), right (W, H/2), left (0, H/2): a point at
            // u along top->right and v along top->left is x = W/2 + (u - v) W/2, y = (u + v) H/2.
            const double centreX = (x + 0.5) / (2 * kSource);
            const double centreY = (y + 0.5) / kSource;
            const double u = centreX + centreY - 0.5;
            const double v = centreY - centreX + 0.5;
            COLORREF expected = clWhite;
            if (u >= 0 && u < 1 && v >= 0 && v < 1) {
                const int column = int(std::floor(u * kSource));
                const int row = int(std::floor(v * kSource));
                expected = ((column / 8 + row / 8) % 2 == 0) ? clBlack : clRed;
            }
            ASSERT_EQ(tile.At(x, y), expected) << "at " << x << ", " << y;
        }
    }
}

TEST(TileProjection, NeighbouringTilesOfASeamlessTextureMeetWithoutASeam)
{
    // Four tiles laid as a bigger diamond (top, left, right, bottom) must be one projection
    // of the texture repeated twice each way: no gap, no overlap, and along each shared edge
    // the pixels of both tiles come from neighbouring columns or rows of the texture.
    constexpr int kWidth = 128, kHeight = 64, kTexture = 50;
    const PixelRaster texture = Positions(kTexture, kTexture);
    const PixelRaster tile = Projected(texture, kWidth, kHeight);
    PixelRaster repeated { 2 * kTexture, 2 * kTexture, false, {} };
    for (int y = 0; y < 2 * kTexture; ++y)
        for (int x = 0; x < 2 * kTexture; ++x)
            repeated.pixels.push_back(texture.At(x % kTexture, y % kTexture));
    const PixelRaster whole = Projected(repeated, 2 * kWidth, 2 * kHeight);

    const std::pair<int, int> places[]
        = { { kWidth / 2, 0 }, { 0, kHeight / 2 }, { kWidth, kHeight / 2 }, { kWidth / 2, kHeight } };
    for (int y = 0; y < 2 * kHeight; ++y) {
        for (int x = 0; x < 2 * kWidth; ++x) {
            int covering = 0;
            COLORREF laid = clWhite;
            for (const auto& [left, top] : places) {
                const int tileX = x - left;
                const int tileY = y - top;
                if (tileX < 0 || tileX >= kWidth || tileY < 0 || tileY >= kHeight
                    || !Covered(tile.At(tileX, tileY)))
                    continue;
                ++covering;
                laid = tile.At(tileX, tileY);
            }
            const bool inside = Covered(whole.At(x, y));
            ASSERT_EQ(covering, inside ? 1 : 0) << "tiles covering " << x << ", " << y;
            ASSERT_EQ(laid, whole.At(x, y)) << "at " << x << ", " << y;
        }
    }
}
