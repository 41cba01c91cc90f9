// SPDX-License-Identifier: MIT
#include "tile/BlockProjection.h"

#include "tile/TileProjection.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>

namespace {

// Where a pixel lies on a side face, as exact fractions: across / width runs along the
// face from its left edge, down / (2 * width * depth) from its upper edge; both in [0, 1).
struct SidePosition {
    TBlockFace face;
    std::int64_t across;
    std::int64_t down;
};

// With pixel centres (x + 1/2, y + 1/2) and every length doubled and multiplied by the width,
// the faces' edges fall on integers. A tile holds at most kBmpMaxPixels pixels, so every
// product here and in BlockSample fits in 64 bits. down is negative above the side faces'
// upper edges and 2 * width * depth or more below their lower ones.
SidePosition UnboundedSidePosition(int x, int y, int width, int height)
{
    const std::int64_t w = width;
    const std::int64_t h = height;
    const std::int64_t doubledX = 2 * std::int64_t(x) + 1;
    const std::int64_t centreY = (2 * std::int64_t(y) + 1) * w;
    const bool left = doubledX < w;
    // The face's upper edge under this column, times 2 * width.
    const std::int64_t edge = left ? w * h + doubledX * h : 2 * w * h - (doubledX - w) * h;
    return { left ? TBlockFace::Left : TBlockFace::Right, left ? doubledX : doubledX - w, centreY - edge };
}

std::optional<SidePosition> SideFacePosition(int x, int y, int width, int height, int depth)
{
    const SidePosition side = UnboundedSidePosition(x, y, width, height);
    if (side.down < 0 || side.down >= 2 * std::int64_t(width) * depth)
        return std::nullopt;
    return side;
}

// Past the tile's outline: the top face continues above the side faces' upper edges, and
// the side faces continue sideways and downwards as their nearest column and row.
SidePosition ContinuedSidePosition(int x, int y, int width, int height, int depth)
{
    SidePosition side = UnboundedSidePosition(std::clamp(x, 0, width - 1), y, width, height);
    side.down = std::min(side.down, 2 * std::int64_t(width) * depth - 1);
    return side;
}

TSourcePixel SideSample(const SidePosition& side, int width, int depth, int sourceWidth, int sourceHeight)
{
    return TSourcePixel { side.across * sourceWidth / width,
        side.down * sourceHeight / (2 * std::int64_t(width) * depth) };
}

bool OnTopFace(int x, int y, int width, int height)
{
    return IsoSample(x, y, width, height, 1, 1).has_value();
}

// floor(c * shade + 0.5) for every channel value c.
std::array<std::uint8_t, 256> ShadeTable(double shade)
{
    assert(shade >= 0.0 && shade <= 1.0 && "a shade darkens");
    std::array<std::uint8_t, 256> table {};
    for (int channel = 0; channel < 256; ++channel)
        table[std::size_t(channel)] = std::uint8_t(std::floor(channel * shade + 0.5));
    return table;
}

COLORREF Shaded(COLORREF pixel, const std::array<std::uint8_t, 256>& table)
{
    return RGB(table[GetRValue(pixel)], table[GetGValue(pixel)], table[GetBValue(pixel)]);
}

} // namespace

TBlockFace BlockFace(int x, int y, int width, int height, int depth)
{
    if (OnTopFace(x, y, width, height))
        return TBlockFace::Top;
    const std::optional<SidePosition> side = SideFacePosition(x, y, width, height, depth);
    return side ? side->face : TBlockFace::None;
}

std::optional<TSourcePixel> BlockSample(
    int x, int y, int width, int height, int depth, int sourceWidth, int sourceHeight)
{
    if (OnTopFace(x, y, width, height))
        return IsoSample(x, y, width, height, sourceWidth, sourceHeight);
    const std::optional<SidePosition> side = SideFacePosition(x, y, width, height, depth);
    if (!side)
        return std::nullopt;
    return SideSample(*side, width, depth, sourceWidth, sourceHeight);
}

TBlockFace ContinuedBlockFace(int x, int y, int width, int height, int depth)
{
    const SidePosition side = ContinuedSidePosition(x, y, width, height, depth);
    return side.down < 0 ? TBlockFace::Top : side.face;
}

TSourcePixel ContinuedBlockSample(
    int x, int y, int width, int height, int depth, int sourceWidth, int sourceHeight)
{
    const SidePosition side = ContinuedSidePosition(x, y, width, height, depth);
    if (side.down < 0)
        return WrappedIsoSample(x, y, width, height, sourceWidth, sourceHeight);
    return SideSample(side, width, depth, sourceWidth, sourceHeight);
}

TSampleRule BlockRule(int depth)
{
    return [depth](int x, int y, int width, int tileHeight, int sourceWidth, int sourceHeight) {
        return BlockSample(x, y, width, tileHeight - depth, depth, sourceWidth, sourceHeight);
    };
}

int BlockDepth(const TBlockShape& shape, int height)
{
    return shape.depth > 0 ? shape.depth : height;
}

void ShadeBlockFaces(PixelRaster& tile, int height, const TBlockShape& shape, int overdraw)
{
    const int depth = BlockDepth(shape, height);
    assert(tile.height == height + depth + 2 * overdraw && "the tile is a block of this shape");
    const int width = tile.width - 2 * overdraw;
    // Without overdraw the white outside the outline stays white, as the BMP tile shows it.
    const auto faceOf = [&](int x, int y) {
        return overdraw == 0 ? BlockFace(x, y, width, height, depth)
                             : ContinuedBlockFace(x - overdraw, y - overdraw, width, height, depth);
    };
    const auto left = ShadeTable(shape.leftShade);
    const auto right = ShadeTable(shape.rightShade);
    tile.monochrome = false; // shaded faces are grey even on a two-colour picture
    for (int y = 0; y < tile.height; ++y) {
        for (int x = 0; x < tile.width; ++x) {
            COLORREF& pixel = tile.At(x, y);
            switch (faceOf(x, y)) {
            case TBlockFace::None:
            case TBlockFace::Top:
                break;
            case TBlockFace::Left:
                pixel = Shaded(pixel, left);
                break;
            case TBlockFace::Right:
                pixel = Shaded(pixel, right);
                break;
            }
        }
    }
}

PixelRaster BlockTile(const PixelRaster& picture, int width, int height, const TBlockShape& shape)
{
    const int depth = BlockDepth(shape, height);
    const TSampleMap map(picture.width, picture.height, width, height + depth, BlockRule(depth));
    PixelRaster tile = SampleRows(map, false, [&picture](int row) { return picture.Row(row); });
    ShadeBlockFaces(tile, height, shape);
    return tile;
}

TSampledReader ShadedBlockReader(TSampledReader read, const TBlockShape& shape, int overdraw)
{
    assert(shape.depth > 0 && "the depth is known before the batch");
    return [read = std::move(read), shape, overdraw](const AnsiString& sourceFile, TSampler& sampler) {
        PixelRaster tile = read(sourceFile, sampler);
        ShadeBlockFaces(tile, sampler.Height() - shape.depth - 2 * overdraw, shape, overdraw);
        return tile;
    };
}
