// SPDX-License-Identifier: MIT
#include "tile/TileMosaic.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kGround = RGB(1, 2, 3);

PixelRaster Solid(int width, int height, COLORREF color)
{
    return { width, height, false, std::vector<COLORREF>(std::size_t(width) * std::size_t(height), color) };
}

} // namespace

TEST(TileMosaic, CopiesStepHalfATileAcrossAndDownFromTheTopTip)
{
    // 4 x 2 tiles, 2 x 2 of them: steps of 2 across and 1 down, the map 8 x 4.
    const PixelRaster tile = Solid(4, 2, RGB(200, 0, 0));
    const std::vector<std::uint8_t> opaque(8, 255);
    const PixelRaster map = TileMosaic(tile, opaque, 2, 2, kGround);
    ASSERT_EQ(map.width, 8);
    ASSERT_EQ(map.height, 4);
    // Copy (0, 0) at (2, 0); (1, 0) at (4, 1); (0, 1) at (0, 1); (1, 1) at (2, 2).
    const char* const expected[] = {
        "..XXXX..",
        "XXXXXXXX",
        "XXXXXXXX",
        "..XXXX..",
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(map.At(x, y) == kGround ? '.' : 'X', expected[y][x]) << x << ", " << y;
}

TEST(TileMosaic, OddSizesStepRoundedUpSoNeighboursNeverLeaveAGap)
{
    const PixelRaster tile = Solid(5, 3, clWhite);
    const PixelRaster map = TileMosaic(tile, std::vector<std::uint8_t>(15, 255), 4, 4, kGround);
    EXPECT_EQ(map.width, 6 * 3 + 5);
    EXPECT_EQ(map.height, 6 * 2 + 3);
}

TEST(TileMosaic, BlocksStepByTheirTopFaceAndStandOverTheCellsInFront)
{
    // 4 x 4 blocks whose top face is 4 x 2: steps of 2 across and 1 down, the sides hanging
    // over the copies in front, which are drawn over them.
    PixelRaster tile = Solid(4, 4, RGB(200, 0, 0));
    for (int x = 0; x < 4; ++x)
        for (int y = 2; y < 4; ++y)
            tile.At(x, y) = RGB(0, 0, 200);
    const PixelRaster map = TileMosaic(tile, std::vector<std::uint8_t>(16, 255), 2, 2, kGround, 2);
    ASSERT_EQ(map.width, 8);
    ASSERT_EQ(map.height, 2 + 4);
    const char* const expected[] = {
        "..TTTT..",
        "TTTTTTTT",
        "TTTTTTTT",
        "SSTTTTSS",
        "SSSSSSSS",
        "..SSSS..",
    };
    for (int y = 0; y < map.height; ++y)
        for (int x = 0; x < 8; ++x) {
            const COLORREF pixel = map.At(x, y);
            EXPECT_EQ(pixel == kGround        ? '.'
                    : pixel == RGB(200, 0, 0) ? 'T'
                                              : 'S',
                expected[y][x])
                << x << ", " << y;
        }
}

TEST(TileMosaic, AlphaBlendsOverTheTilesBehindAndClearLeavesThemShowing)
{
    // One column of two tiles, 2 x 2: the front one lies one row lower and one step left.
    PixelRaster tile = Solid(2, 2, RGB(255, 255, 255));
    const std::vector<std::uint8_t> alpha { 0, 255, 128, 255 };
    const PixelRaster map = TileMosaic(tile, alpha, 1, 2, RGB(0, 0, 0));
    // Back tile at (1, 0): its clear pixel leaves the ground, its half-clear one blends.
    EXPECT_EQ(map.At(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(map.At(2, 0), clWhite);
    // Front tile at (0, 1): its half-clear pixel (0, 2) lies over the ground.
    EXPECT_EQ(map.At(0, 2), RGB(128, 128, 128));
    EXPECT_EQ(map.At(0, 1), RGB(0, 0, 0)) << "the front tile's clear pixel leaves what lies beneath";
    EXPECT_EQ(map.At(1, 1), clWhite) << "its opaque one covers the back tile's half-clear one";
}

TEST(TileMosaic, AnEmptyTileOrAMismatchedAlphaGivesAnEmptyMap)
{
    EXPECT_TRUE(TileMosaic({}, {}, 4, 4, kGround).Empty());
    EXPECT_TRUE(TileMosaic(Solid(2, 2, clWhite), std::vector<std::uint8_t>(3, 255), 4, 4, kGround).Empty());
}
