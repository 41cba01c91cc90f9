// SPDX-License-Identifier: MIT
#include "tile/BlockProjection.h"

#include "platform/gdi/BmpSampledRead.h"
#include "tile/TileProjection.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Every pixel differs, and the channels run through many values, so a wrong source pixel
// or a wrong rounding of the shade shows.
PixelRaster Picture(int width, int height)
{
    PixelRaster raster { width, height, false, {} };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.pixels.push_back(
                RGB(std::uint8_t(x * 19 + 7), std::uint8_t(y * 23 + 3), std::uint8_t(x * 37 + y * 11 + 129)));
    return raster;
}

std::uint8_t Shade(int channel, double shade)
{
    return std::uint8_t(std::floor(channel * shade + 0.5));
}

COLORREF Shade(COLORREF colour, double shade)
{
    return RGB(
        Shade(GetRValue(colour), shade), Shade(GetGValue(colour), shade), Shade(GetBValue(colour), shade));
}

// The block rule written out directly from its definition, in floating point: with a width
// and height that are powers of two every value below is exact.
COLORREF ExpectedBlockPixel(const PixelRaster& picture, int x, int y, int width, int height, int depth,
    double leftShade, double rightShade)
{
    const double w = width;
    const double h = height;
    const double d = depth;
    const double px = x + 0.5;
    const double py = y + 0.5;
    const int sw = picture.width;
    const int sh = picture.height;
    // The diamond: the top face.
    const double u = px / w + py / h - 0.5;
    const double v = py / h - px / w + 0.5;
    if (u >= 0 && u < 1 && v >= 0 && v < 1)
        return picture.At(int(std::floor(u * sw)), int(std::floor(v * sh)));
    if (px < w / 2) {
        const double e = h / 2 + px * h / w;
        if (e <= py && py < e + d)
            return Shade(picture.At(int(std::floor(px / (w / 2) * sw)), int(std::floor((py - e) / d * sh))),
                leftShade);
    } else {
        const double e = h - (px - w / 2) * h / w;
        if (e <= py && py < e + d)
            return Shade(
                picture.At(int(std::floor((px - w / 2) / (w / 2) * sw)), int(std::floor((py - e) / d * sh))),
                rightShade);
    }
    return clWhite;
}

struct BlockCase {
    int width;
    int height;
    TBlockShape shape;
    int pictureWidth;
    int pictureHeight;
};

} // namespace

TEST(BlockProjection, EveryPixelFollowsTheBlockRule)
{
    const BlockCase cases[] = {
        { 32, 16, {}, 13, 11 }, // default depth and shades
        { 16, 8, { 5, 0.25, 1.0 }, 40, 3 },
        { 64, 32, { 50, 0.0, 0.5 }, 7, 64 },
        { 8, 16, { 1, 0.9, 0.1 }, 2, 2 }, // taller than wide, one pixel of side face
        { 128, 64, { 64, 0.8, 0.6 }, 256, 256 },
    };
    for (const BlockCase& block : cases) {
        const PixelRaster picture = Picture(block.pictureWidth, block.pictureHeight);
        const PixelRaster tile = BlockTile(picture, block.width, block.height, block.shape);
        const int depth = block.shape.depth == 0 ? block.height : block.shape.depth;
        SCOPED_TRACE(std::to_string(block.width) + " x " + std::to_string(block.height) + " depth "
            + std::to_string(depth));
        ASSERT_EQ(tile.width, block.width);
        ASSERT_EQ(tile.height, block.height + depth);
        for (int y = 0; y < tile.height; ++y)
            for (int x = 0; x < tile.width; ++x)
                ASSERT_EQ(tile.At(x, y),
                    ExpectedBlockPixel(picture, x, y, block.width, block.height, depth, block.shape.leftShade,
                        block.shape.rightShade))
                    << x << ", " << y;
    }
}

TEST(BlockProjection, TheTopFaceIsTheIsoTileForAnySize)
{
    for (const auto& [width, height, depth] : { std::tuple { 31, 17, 9 }, std::tuple { 128, 63, 63 } }) {
        const PixelRaster picture = Picture(29, 23);
        TSampler isoSampler(width, height, ProjectionRule(TTileProjection::Iso));
        const PixelRaster iso = SampleRaster(picture, isoSampler);
        const PixelRaster block = BlockTile(picture, width, height, { depth, 0.5, 0.5 });
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool top = BlockFace(x, y, width, height, depth) == TBlockFace::Top;
                EXPECT_EQ(top, IsoSample(x, y, width, height, 1, 1).has_value()) << x << ", " << y;
                if (top) {
                    ASSERT_EQ(block.At(x, y), iso.At(x, y)) << x << ", " << y;
                }
            }
        }
    }
}

TEST(BlockProjection, TheFacesCloseTheBlockWithoutGapsOrOverlaps)
{
    // Column by column the block is one run from the top face down to the bottom edge: no
    // pixel inside it is left out, and each column holds depth side pixels under the diamond.
    for (const auto& [width, height, depth] :
        { std::tuple { 128, 64, 64 }, std::tuple { 31, 17, 9 }, std::tuple { 64, 31, 1 } }) {
        for (int x = 0; x < width; ++x) {
            int first = -1;
            int last = -1;
            int sides = 0;
            for (int y = 0; y < height + depth; ++y) {
                const TBlockFace face = BlockFace(x, y, width, height, depth);
                if (face == TBlockFace::None)
                    continue;
                if (first < 0)
                    first = y;
                EXPECT_TRUE(last < 0 || last == y - 1) << "a gap at " << x << ", " << y;
                last = y;
                if (face != TBlockFace::Top) {
                    ++sides;
                    EXPECT_EQ(face, 2 * x + 1 < width ? TBlockFace::Left : TBlockFace::Right)
                        << x << ", " << y;
                }
            }
            EXPECT_EQ(sides, depth) << "column " << x << " of " << width << " x " << height;
        }
    }
}
