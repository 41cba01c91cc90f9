// SPDX-License-Identifier: MIT
#include "platform/vcl/graphics/Graphics.h"

#include <map>
#include <utility>

TBitmap* AllocPatternBitmap(TColor backColor, TColor foreColor)
{
    static std::map<std::pair<COLORREF, COLORREF>, std::unique_ptr<TBitmap>> patterns;
    // Keyed by what the colours look like now, so a new desktop palette gets new patterns.
    const COLORREF back = ColorToRGB(backColor);
    const COLORREF fore = ColorToRGB(foreColor);
    std::unique_ptr<TBitmap>& pattern = patterns[{ back, fore }];
    if (!pattern) {
        constexpr int kSize = 8;
        std::vector<COLORREF> pixels(kSize * kSize);
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                pixels[std::size_t(y * kSize + x)] = (x + y) % 2 ? fore : back;
        pattern = std::make_unique<TBitmap>();
        pattern->SetRaster(PixelRaster { kSize, kSize, false, std::move(pixels) });
    }
    return pattern.get();
}
