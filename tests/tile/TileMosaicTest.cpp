// SPDX-License-Identifier: MIT
#include "tile/TileMosaic.h"

#include "tile/Overdraw.h"
#include "tile/TileProjection.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kGround = RGB(1, 2, 3);

PixelRaster Solid(int width, int height, COLORREF color)
{
    return { width, height, false, std::vector<COLORREF>(std::size_t(width) * std::size_t(height), color) };
}

// The opacity of an iso tile of the cell: its exact diamond, and around it the overdraw.
std::vector<std::uint8_t> DiamondAlpha(const TTileCell& cell)
{
    std::vector<bool> diamond(std::size_t(cell.PictureWidth()) * std::size_t(cell.PictureHeight()), false);
    for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x)
            diamond[std::size_t(y + cell.overdraw) * std::size_t(cell.PictureWidth())
                + std::size_t(x + cell.overdraw)]
                = IsoSample(x, y, cell.width, cell.height, 1, 1).has_value();
    const std::vector<bool> covered
        = Dilated(diamond, cell.PictureWidth(), cell.PictureHeight(), cell.overdraw);
    std::vector<std::uint8_t> alpha;
    for (const bool pixel : covered)
        alpha.push_back(pixel ? 255 : 0);
    return alpha;
}

} // namespace

TEST(TileMosaic, CopiesStepHalfACellAcrossAndDownFromTheTopTip)
{
    // 4 x 2 tiles, 2 x 2 of them: steps of 2 across and 1 down, the map 8 x 4.
    const TMosaic mosaic
        = TileMosaic(Solid(4, 2, RGB(200, 0, 0)), std::vector<std::uint8_t>(8, 255), 2, 2, kGround, { 4, 2 });
    ASSERT_EQ(mosaic.picture.width, 8);
    ASSERT_EQ(mosaic.picture.height, 4);
    // Copy (0, 0) at (2, 0); (1, 0) at (4, 1); (0, 1) at (0, 1); (1, 1) at (2, 2).
    const char* const expected[] = {
        "..XXXX..",
        "XXXXXXXX",
        "XXXXXXXX",
        "..XXXX..",
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(mosaic.picture.At(x, y) == kGround ? '.' : 'X', expected[y][x]) << x << ", " << y;
    EXPECT_EQ(mosaic.holes, 0);
}

TEST(TileMosaic, ExactDiamondsOfAnOddHeightLeaveHolesThatOverdrawCloses)
{
    for (const int height : { 63, 64 }) {
        SCOPED_TRACE(height);
        const TTileCell exact { 128, height };
        const TTileCell overdrawn { 128, height, 0, kDefaultOverdraw };
        const TMosaic withHoles
            = TileMosaic(Solid(128, height, clWhite), DiamondAlpha(exact), 4, 4, kGround, exact);
        const TMosaic closed = TileMosaic(Solid(overdrawn.PictureWidth(), overdrawn.PictureHeight(), clWhite),
            DiamondAlpha(overdrawn), 4, 4, kGround, overdrawn);

        // Cells step by 31.5 rows at 63, and the editor's rounding opens a seam along them.
        EXPECT_EQ(withHoles.holes > 0, height == 63) << withHoles.holes;
        EXPECT_EQ(closed.holes, 0);
        EXPECT_EQ(closed.mapWidth, 512);
        EXPECT_EQ(closed.mapHeight, 4 * height);
        // The overdraw reaching past the map's edges is shown around it.
        EXPECT_EQ(closed.mapLeft, kDefaultOverdraw);
        EXPECT_EQ(closed.picture.width, 512 + 2 * kDefaultOverdraw);
    }
}

TEST(TileMosaic, BlocksRiseAboveTheirCellsAndTheMapIsShownWhole)
{
    // 4 x 4 blocks on 4 x 2 cells: the top face rises 2 rows above the cell.
    PixelRaster tile = Solid(4, 4, RGB(200, 0, 0));
    for (int x = 0; x < 4; ++x)
        for (int y = 2; y < 4; ++y)
            tile.At(x, y) = RGB(0, 0, 200);
    const TMosaic mosaic = TileMosaic(tile, std::vector<std::uint8_t>(16, 255), 2, 2, kGround, { 4, 2, 2 });
    ASSERT_EQ(mosaic.picture.width, 8);
    ASSERT_EQ(mosaic.picture.height, 2 + 4);
    EXPECT_EQ(mosaic.mapTop, 2);
    const char* const expected[] = {
        "..TTTT..",
        "TTTTTTTT",
        "TTTTTTTT",
        "SSTTTTSS",
        "SSSSSSSS",
        "..SSSS..",
    };
    for (int y = 0; y < mosaic.picture.height; ++y)
        for (int x = 0; x < 8; ++x) {
            const COLORREF pixel = mosaic.picture.At(x, y);
            EXPECT_EQ(pixel == kGround        ? '.'
                    : pixel == RGB(200, 0, 0) ? 'T'
                                              : 'S',
                expected[y][x])
                << x << ", " << y;
        }
}

TEST(TileMosaic, AlphaBlendsOverTheTilesBehindAndHalfCoverIsAHole)
{
    // One column of two tiles, 2 x 2: the front one lies one row lower and one step left.
    const std::vector<std::uint8_t> alpha { 0, 255, 128, 255 };
    const TMosaic mosaic = TileMosaic(Solid(2, 2, clWhite), alpha, 1, 2, RGB(0, 0, 0), { 2, 2 });
    const PixelRaster& map = mosaic.picture;
    // Back tile at (1, 0): its clear pixel leaves the ground, its half-clear one blends.
    EXPECT_EQ(map.At(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(map.At(2, 0), clWhite);
    // Front tile at (0, 1): its half-clear pixel (0, 2) lies over the ground.
    EXPECT_EQ(map.At(0, 2), RGB(128, 128, 128));
    EXPECT_EQ(map.At(0, 1), RGB(0, 0, 0)) << "the front tile's clear pixel leaves what lies beneath";
    EXPECT_EQ(map.At(1, 1), clWhite) << "its opaque one covers the back tile's half-clear one";
    // Clear and half clear pixels inside the cells show through; opaque tiles do not.
    EXPECT_GT(mosaic.holes, 0);
    EXPECT_EQ(
        TileMosaic(Solid(2, 2, clWhite), std::vector<std::uint8_t>(4, 255), 1, 2, 0, { 2, 2 }).holes, 0);
}

TEST(TileMosaic, AnEmptyTileOrOneThatDoesNotFitGivesAnEmptyMap)
{
    EXPECT_TRUE(TileMosaic({}, {}, 4, 4, kGround, { 2, 2 }).picture.Empty());
    EXPECT_TRUE(TileMosaic(Solid(2, 2, clWhite), std::vector<std::uint8_t>(3, 255), 4, 4, kGround, { 2, 2 })
                    .picture.Empty());
    EXPECT_TRUE(
        TileMosaic(Solid(2, 2, clWhite), std::vector<std::uint8_t>(4, 255), 4, 4, kGround, { 2, 2, 0, 1 })
            .picture.Empty());
}
