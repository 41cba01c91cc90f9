// SPDX-License-Identifier: MIT
#include "tile/TileProjection.h"

#include "tile/BlockProjection.h"

#include <cassert>

namespace {

// u and v of IsoSample as numerators over denominator.
struct IsoPosition {
    std::int64_t u;
    std::int64_t v;
    std::int64_t denominator;
};

IsoPosition IsoPositionOf(int x, int y, int width, int height)
{
    const std::int64_t w = width;
    const std::int64_t h = height;
    const std::int64_t across = (2 * std::int64_t(x) + 1) * h;
    const std::int64_t down = (2 * std::int64_t(y) + 1) * w;
    return { across + down - w * h, down - across + w * h, 2 * w * h };
}

std::int64_t FloorModulo(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

} // namespace

std::optional<TSourcePixel> IsoSample(int x, int y, int width, int height, int sourceWidth, int sourceHeight)
{
    const auto [u, v, denominator] = IsoPositionOf(x, y, width, height);
    if (u < 0 || u >= denominator || v < 0 || v >= denominator)
        return std::nullopt;
    return TSourcePixel { u * sourceWidth / denominator, v * sourceHeight / denominator };
}

TSourcePixel WrappedIsoSample(int x, int y, int width, int height, int sourceWidth, int sourceHeight)
{
    const auto [u, v, positionDenominator] = IsoPositionOf(x, y, width, height);
    // The source pixel is taken from the whole position before wrapping, so a cell's
    // neighbour begins exactly where the cell's own source ended.
    const auto wrapped = [denominator = positionDenominator](std::int64_t position, std::int64_t sourceSide) {
        const std::int64_t scaled = position * sourceSide;
        const std::int64_t pixel
            = scaled >= 0 ? scaled / denominator : -((-scaled + denominator - 1) / denominator);
        return FloorModulo(pixel, sourceSide);
    };
    return TSourcePixel { wrapped(u, sourceWidth), wrapped(v, sourceHeight) };
}

TSampleRule ProjectionRule(TTileProjection projection, int blockDepth)
{
    switch (projection) {
    case TTileProjection::Stretch:
        return StretchSample;
    case TTileProjection::Iso:
        return IsoSample;
    case TTileProjection::Block:
        assert(blockDepth > 0 && "a block has side faces");
        return BlockRule(blockDepth);
    }
    return StretchSample;
}
