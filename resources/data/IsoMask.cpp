// SPDX-License-Identifier: MIT
#include "resources/data/IsoMask.h"

#include "platform/rtl/SysUtils.h"

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kLargestSide = 65536;

} // namespace

PixelRaster DrawIsoMask(int width, int height)
{
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
        throw EInvalidGraphic("A mask of " + IntToStr(width) + " x " + IntToStr(height) + " pixels cannot be drawn");

    PixelRaster mask;
    mask.width = width;
    mask.height = height;
    mask.pixels.resize(std::size_t(width) * std::size_t(height), clBlack);

    // In doubled coordinates the pixel centre (x + 1/2, y + 1/2) and the picture centre
    // (width / 2, height / 2) are integers, so the diamond test |dx| / (width / 2) +
    // |dy| / (height / 2) <= 1 is exact and the picture exactly symmetric.
    const std::int64_t area = std::int64_t(width) * height;
    for (int y = 0; y < height; ++y) {
        const std::int64_t doubledDy = std::abs(2 * y + 1 - height);
        COLORREF* row = mask.Row(y);
        for (int x = 0; x < width; ++x) {
            const std::int64_t doubledDx = std::abs(2 * x + 1 - width);
            if (doubledDx * height + doubledDy * width <= area)
                row[x] = clWhite;
        }
    }
    return mask;
}
