// SPDX-License-Identifier: MIT
#include "resources/data/IsoMask.h"

#include "platform/rtl/SysUtils.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool White(const PixelRaster& mask, int x, int y) { return mask.At(x, y) == clWhite; }

} // namespace

TEST(IsoMask, DefaultMaskIs128By63BlackAndWhiteColourPicture)
{
    const PixelRaster mask = DrawIsoMask(kDefaultMaskWidth, kDefaultMaskHeight);
    EXPECT_EQ(mask.width, 128);
    EXPECT_EQ(mask.height, 63);
    // A colour raster, so the file is written with 24 bits per pixel.
    EXPECT_FALSE(mask.monochrome);
    for (const COLORREF pixel : mask.pixels)
        ASSERT_TRUE(pixel == clBlack || pixel == clWhite) << std::hex << pixel;
}

TEST(IsoMask, CornersAreBlackAndTheCentreWhite)
{
    const PixelRaster mask = DrawIsoMask(128, 63);
    EXPECT_FALSE(White(mask, 0, 0));
    EXPECT_FALSE(White(mask, 127, 0));
    EXPECT_FALSE(White(mask, 0, 62));
    EXPECT_FALSE(White(mask, 127, 62));
    EXPECT_TRUE(White(mask, 63, 31));
    EXPECT_TRUE(White(mask, 64, 31));
}

TEST(IsoMask, TipsTouchTheMiddleOfEachEdge)
{
    const PixelRaster mask = DrawIsoMask(128, 63);
    for (const int y : { 0, 62 }) {
        for (int x = 0; x < 128; ++x)
            EXPECT_EQ(White(mask, x, y), x == 63 || x == 64) << x << "," << y;
    }
    for (const int x : { 0, 127 }) {
        for (int y = 0; y < 63; ++y)
            EXPECT_EQ(White(mask, x, y), y == 31) << x << "," << y;
    }
    for (int x = 0; x < 128; ++x)
        EXPECT_TRUE(White(mask, x, 31)) << "middle row broken at " << x;
}

TEST(IsoMask, EachRowIsOneCentredRunGrowingTowardsTheMiddle)
{
    const PixelRaster mask = DrawIsoMask(128, 63);
    int previousRun = 0;
    for (int y = 0; y <= 31; ++y) {
        int first = -1;
        int last = -1;
        for (int x = 0; x < 128; ++x) {
            if (!White(mask, x, y))
                continue;
            if (first < 0)
                first = x;
            last = x;
        }
        const int run = last - first + 1;
        ASSERT_GE(first, 0) << "row " << y << " is empty";
        EXPECT_EQ(first + last, 127) << "row " << y << " is off centre";
        EXPECT_EQ(std::count(mask.Row(y), mask.Row(y) + 128, clWhite), run) << "row " << y << " has a gap";
        EXPECT_GT(run, previousRun) << "row " << y;
        // Two pixels per row on each side: the 2:1 slope of an isometric tile.
        EXPECT_NEAR(run - previousRun, 4, 2) << "row " << y;
        previousRun = run;
    }
}

class IsoMaskSymmetry : public testing::TestWithParam<std::pair<int, int>> { };

TEST_P(IsoMaskSymmetry, IsSymmetricLeftToRightAndTopToBottom)
{
    const auto [width, height] = GetParam();
    const PixelRaster mask = DrawIsoMask(width, height);
    ASSERT_EQ(mask.pixels.size(), std::size_t(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(mask.At(x, y), mask.At(width - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(mask.At(x, y), mask.At(x, height - 1 - y)) << x << "," << y;
        }
    }
    EXPECT_TRUE(White(mask, width / 2, height / 2));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IsoMaskSymmetry,
    testing::Values(std::pair { 128, 63 }, std::pair { 64, 32 }, std::pair { 65, 33 }, std::pair { 7, 4 },
        std::pair { 1, 1 }, std::pair { 2, 300 }));

TEST(IsoMask, RefusesSizesThatCannotBeDrawn)
{
    EXPECT_THROW(DrawIsoMask(0, 63), EInvalidGraphic);
    EXPECT_THROW(DrawIsoMask(128, -1), EInvalidGraphic);
    EXPECT_THROW(DrawIsoMask(70000, 70000), EInvalidGraphic);
}
