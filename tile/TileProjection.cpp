// SPDX-License-Identifier: MIT
#include "tile/TileProjection.h"

#include "tile/BlockProjection.h"

#include <cassert>

std::optional<TSourcePixel> IsoSample(int x, int y, int width, int height, int sourceWidth, int sourceHeight)
{
    const std::int64_t w = width;
    const std::int64_t h = height;
    const std::int64_t across = (2 * std::int64_t(x) + 1) * h;
    const std::int64_t down = (2 * std::int64_t(y) + 1) * w;
    const std::int64_t denominator = 2 * w * h;
    const std::int64_t u = across + down - w * h;
    const std::int64_t v = down - across + w * h;
    if (u < 0 || u >= denominator || v < 0 || v >= denominator)
        return std::nullopt;
    return TSourcePixel { u * sourceWidth / denominator, v * sourceHeight / denominator };
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
