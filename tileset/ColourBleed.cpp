// SPDX-License-Identifier: MIT
#include "tileset/ColourBleed.h"

#include <cassert>
#include <vector>

void BleedColours(PixelRaster& colours, std::span<const std::uint8_t> alpha)
{
    assert(alpha.size() == colours.pixels.size() && "one alpha a pixel");
    const int width = colours.width;
    const int height = colours.height;
    // A breadth-first walk out from the visible pixels, so each transparent pixel is
    // reached first from one of its nearest.
    std::vector<bool> coloured(colours.pixels.size(), false);
    std::vector<std::size_t> front;
    for (std::size_t index = 0; index < alpha.size(); ++index) {
        if (alpha[index] > 0) {
            coloured[index] = true;
            front.push_back(index);
        }
    }
    for (std::size_t next = 0; next < front.size(); ++next) {
        const std::size_t index = front[next];
        const int x = int(index % std::size_t(width));
        const int y = int(index / std::size_t(width));
        const auto reach = [&](int toX, int toY) {
            if (toX < 0 || toY < 0 || toX >= width || toY >= height)
                return;
            const std::size_t to = std::size_t(toY) * std::size_t(width) + std::size_t(toX);
            if (coloured[to])
                return;
            coloured[to] = true;
            colours.pixels[to] = colours.pixels[index];
            front.push_back(to);
        };
        reach(x - 1, y);
        reach(x + 1, y);
        reach(x, y - 1);
        reach(x, y + 1);
    }
}
